#include "platform/ui/Image.h"

#include <cairo.h>
#include <gtest/gtest.h>

namespace platform::ui {
namespace {

std::vector<std::uint8_t> pngOf(int width, int height) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  std::vector<std::uint8_t> bytes;
  cairo_surface_write_to_png_stream(
      surface,
      [](void* closure, const unsigned char* data, unsigned int length) {
        auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
        out->insert(out->end(), data, data + length);
        return CAIRO_STATUS_SUCCESS;
      },
      &bytes);
  cairo_surface_destroy(surface);
  return bytes;
}

TEST(Image, DecodesPngDataAndKeepsItsSize) {
  Image image = Image::fromData(pngOf(3, 2));
  EXPECT_FALSE(image.isEmpty());
  EXPECT_EQ(image.pixelSize(), (Size{3, 2}));
  EXPECT_EQ(image.description(), "Image(data: 3x2)");
  EXPECT_EQ(image, Image::fromData(pngOf(3, 2)));
}

TEST(Image, BytesThatDoNotDecodeGiveAnEmptyImage) {
  auto truncated = pngOf(3, 2);
  truncated.resize(truncated.size() / 2);
  auto huge = pngOf(1, 1);
  huge[16] = 0x7F;  // width far beyond any keyboard background
  for (const auto& bytes : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{1, 2, 3},
                            truncated, huge}) {
    Image image = Image::fromData(bytes);
    EXPECT_TRUE(image.isEmpty());
    EXPECT_EQ(image.pixelSize(), (Size{0, 0}));
    EXPECT_TRUE(image.data().empty());
  }
}

TEST(Image, SymbolsAndAssetsCompareByName) {
  EXPECT_EQ(Image::system("delete.left"), Image::system("delete.left"));
  EXPECT_NE(Image::system("globe"), Image::asset("globe"));
  EXPECT_NE(Image::asset("keyboardEmoji", "a"), Image::asset("keyboardEmoji", "b"));
  EXPECT_FALSE(Image::asset("missing").isEmpty()) << "existence is not checked";
  EXPECT_EQ(Image::asset("keyboardEmoji").description(), "Image(\"keyboardEmoji\")");
}

}  // namespace
}  // namespace platform::ui
