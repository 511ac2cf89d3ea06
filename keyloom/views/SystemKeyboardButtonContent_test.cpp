#include "keyloom/views/SystemKeyboardButtonContent.h"

#include <cairo.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "keyloom/autocomplete/EmojiKeyboardStyle.h"
#include "keyloom/state/KeyboardImageReader.h"
#include "keyloom/views/NavigationLinkArrow.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/UI.h"
#include "testing/Ink.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;

constexpr double side = 40;
constexpr double scale = 3;
// A theme's colour, far from black and from any emoji's palette.
const ui::Rgba themeColor{0.15, 0.55, 0.75, 1};

struct Drawn {
  std::string name;
  ui::View view;
};

// Every picture the library can put on a key, and those its other views show.
std::vector<Drawn> libraryPictures() {
  using Reader = KeyboardImageReader;
  std::vector<Drawn> drawn;
  const std::vector<KeyboardImage> images = {Reader::keyboard(),
                                             Reader::keyboardBackspace(),
                                             Reader::keyboardBackspaceRtl(),
                                             Reader::keyboardCommand(),
                                             Reader::keyboardControl(),
                                             Reader::keyboardDictation(),
                                             Reader::keyboardDismiss(),
                                             Reader::keyboardEmail(),
                                             Reader::keyboardEmoji(),
                                             Reader::keyboardEmojiSymbol(),
                                             Reader::keyboardGlobe(),
                                             Reader::keyboardImages(),
                                             Reader::keyboardLeft(),
                                             Reader::keyboardNewline(),
                                             Reader::keyboardNewlineRtl(),
                                             Reader::keyboardOption(),
                                             Reader::keyboardRedo(),
                                             Reader::keyboardRight(),
                                             Reader::keyboardSettings(),
                                             Reader::keyboardShiftCapslocked(),
                                             Reader::keyboardShiftLowercased(),
                                             Reader::keyboardShiftUppercased(),
                                             Reader::keyboardTab(),
                                             Reader::keyboardUndo(),
                                             Reader::keyboardZeroWidthSpace()};
  for (const KeyboardImage& image : images) {
    drawn.push_back({image.name(), keyboardImageView(image)});
  }
  drawn.push_back(
      {"emoji keyboard backspace", ui::View(EmojiKeyboardStyle::standardPhonePortrait().backspaceIcon)});
  drawn.push_back({"navigation link arrow", ui::View(NavigationLinkArrow())});
  return drawn;
}

// Draws `view` as a key shows its picture, in the theme's colour on nothing.
ui::RenderReport render(const Drawn& drawn, const std::filesystem::path& path) {
  ui::ViewHost host(drawn.view.font(ui::Font::system(24))
                        .foregroundColor(ui::Color::rgba(themeColor.red, themeColor.green, themeColor.blue))
                        .frame(side, side));
  host.setFontMetrics(ui::PangoTextMetrics::shared());
  host.layout(platform::Size{side, side});
  return ui::renderPNG(host, path.string(), scale);
}

std::filesystem::path picturePath(const std::string& name) {
  return std::filesystem::path(::testing::TempDir()) / ("keyloom-key-picture-" + name + ".png");
}

TEST(SystemKeyboardButtonContent, EveryLibraryPictureDrawsInTheKeysColour) {
  for (const Drawn& drawn : libraryPictures()) {
    SCOPED_TRACE(drawn.name);
    const auto path = picturePath(drawn.name);
    const ui::RenderReport report = render(drawn, path);
    EXPECT_THAT(report.unknownSymbols, ::testing::IsEmpty());
    EXPECT_EQ(report.unknownGlyphs, 0);
    const testing::Ink ink =
        testing::inkIn(path.string(), platform::Rect(0, 0, side * scale, side * scale), themeColor);
    EXPECT_GT(ink.inColor, 40) << "drawn empty";
    EXPECT_LT(ink.inOtherColors, ink.inColor / 20 + 1) << "drawn in colours of its own";
  }
}

// Which pixels of a rendered picture are inked, row by row.
using Mask = std::vector<std::vector<bool>>;

Mask inkMask(const std::filesystem::path& path) {
  cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  Mask mask(height, std::vector<bool>(width));
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(image) +
                                                             y * cairo_image_surface_get_stride(image));
    for (int x = 0; x < width; ++x) mask[y][x] = (row[x] >> 24) >= 128;
  }
  cairo_surface_destroy(image);
  return mask;
}

// How much of the ink of two pictures of one size covers the same pixels,
// from 0 to 1; `mirrored` turns the second picture around its middle first.
double overlap(const Mask& a, const Mask& b, bool mirrored) {
  int both = 0;
  int either = 0;
  for (std::size_t y = 0; y < a.size(); ++y) {
    for (std::size_t x = 0; x < a[y].size(); ++x) {
      const bool inB = b[y][mirrored ? b[y].size() - 1 - x : x];
      both += a[y][x] && inB;
      either += a[y][x] || inB;
    }
  }
  return either == 0 ? 0 : double(both) / either;
}

// A picture named for a direction points that way: it is its partner turned
// around, not the partner itself nor something else.
TEST(SystemKeyboardButtonContent, PicturesOfOppositeDirectionsAreMirrorImages) {
  using Reader = KeyboardImageReader;
  struct Pair {
    KeyboardImage leftward;
    KeyboardImage rightward;
  };
  for (const Pair& pair : {Pair{Reader::keyboardBackspace(), Reader::keyboardBackspaceRtl()},
                           Pair{Reader::keyboardNewline(), Reader::keyboardNewlineRtl()},
                           Pair{Reader::keyboardLeft(), Reader::keyboardRight()},
                           Pair{Reader::keyboardUndo(), Reader::keyboardRedo()}}) {
    SCOPED_TRACE(pair.rightward.name());
    const auto leftPath = picturePath(pair.leftward.name());
    const auto rightPath = picturePath(pair.rightward.name());
    render({pair.leftward.name(), keyboardImageView(pair.leftward)}, leftPath);
    render({pair.rightward.name(), keyboardImageView(pair.rightward)}, rightPath);
    const Mask left = inkMask(leftPath);
    const Mask right = inkMask(rightPath);
    const double mirrored = overlap(left, right, true);
    EXPECT_GT(mirrored, 0.5);
    EXPECT_GT(mirrored, overlap(left, right, false) + 0.2) << "points the same way as its partner";
  }
}

}  // namespace
}  // namespace keyloom
