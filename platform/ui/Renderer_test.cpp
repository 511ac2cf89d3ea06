#include "platform/ui/Renderer.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/ui/HostRenderer.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/PictureCache.h"
#include "platform/ui/UI.h"

namespace platform::ui {
namespace {

// A key as a keyboard draws it: a button with a background, a border, a
// shadow and a label.
View key(const std::string& label, Color fill = Color::white()) {
  return Button([] {}, Text(label).font(Font::system(22)).foregroundColor(Color::black()))
      .buttonStyle(ButtonStyle::plain())
      .frame(FlexibleFrame{.maxWidth = infinity, .maxHeight = infinity})
      .background(RoundedRectangle(5).fill(fill).overlay(RoundedRectangle(5).strokeBorder(Color::gray())))
      .shadow(Color::black().opacity(0.3), 0, 0, 1)
      .padding(EdgeInsets(6, 3, 6, 3));
}

View smallKeyboard() {
  auto row = [](std::vector<std::string> labels) {
    std::vector<View> keys;
    for (const auto& label : labels) keys.push_back(key(label));
    return HStack(VerticalAlignment::center, 0, keys);
  };
  return VStack(HorizontalAlignment::center, 0,
                {row({"q", "w", "e", "r", "t"}), row({"a", "s", "\U0001F600", "\U0001F43B\u200D\u2744\uFE0F"}),
                 HStack(VerticalAlignment::center, 0,
                        {key("\u21E7", Color::gray()).frame(60, std::nullopt), key("space"),
                         View(LinearGradient({Color::red(), Color::blue()}, UnitPoint::top(), UnitPoint::bottom()))
                             .cornerRadius(5)
                             .padding(6)
                             .frame(60, std::nullopt)
                             .opacity(0.8)})})
      .background(Color::white(0.82));
}

struct Pixel {
  int red, green, blue, alpha;
};

Pixel pixelAt(const std::string& path, int x, int y) {
  cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  auto argb = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
  cairo_surface_destroy(image);
  return Pixel{static_cast<int>((argb >> 16) & 0xff), static_cast<int>((argb >> 8) & 0xff),
               static_cast<int>(argb & 0xff), static_cast<int>(argb >> 24)};
}

TEST(Renderer, SmallKeyboardRendersAtScaleWithEveryGlyph) {
  ViewHost host(smallKeyboard());
  host.setFontMetrics(PangoTextMetrics::shared());
  host.layout(Size{320, 162});
  const std::string path = ::testing::TempDir() + "keyloom-small-keyboard.png";
  RenderReport report = renderPNG(host, path, 3);
  EXPECT_EQ(report.pixelWidth, 960);
  EXPECT_EQ(report.pixelHeight, 486);
  EXPECT_EQ(report.unknownGlyphs, 0);

  cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
  ASSERT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
  EXPECT_EQ(cairo_image_surface_get_width(image), 960);
  cairo_surface_destroy(image);

  // The white key face of "q", away from its label, and the gradient key.
  auto q = host.findText("q");
  Node* qKey = q.get();
  while (qKey->kind() != NodeKind::button) qKey = qKey->parent();
  Pixel face = pixelAt(path, static_cast<int>((qKey->frame.minX() + 5) * 3), static_cast<int>((qKey->frame.midY()) * 3));
  EXPECT_EQ(face.red, 255);
  EXPECT_EQ(face.alpha, 255);
  auto gradient = host.findAll(NodeKind::linearGradient).at(0);
  Pixel top = pixelAt(path, static_cast<int>(gradient->contentFrame.midX() * 3),
                      static_cast<int>((gradient->contentFrame.minY() + 3) * 3));
  EXPECT_GT(top.red, top.blue) << "red at the top";
}

std::uint32_t pixelOf(cairo_surface_t* surface, int x, int y) {
  return *reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(surface) +
                                                 y * cairo_image_surface_get_stride(surface) + x * 4);
}

// What a repaint reads of its part of the screen is drawn as the whole
// drawing has it; the keyboard's background, a gradient and the pictures of
// shadowed or faded views are not painted beyond it.
TEST(Renderer, OnlyTheNeededPixelsOfBackgroundsGradientsAndPicturesArePainted) {
  ViewHost host(smallKeyboard());
  host.setFontMetrics(PangoTextMetrics::shared());
  host.layout(Size{320, 162});
  auto qKey = host.findText("q");
  while (qKey->kind() != NodeKind::button) qKey = qKey->parent()->shared_from_this();
  const Rect gradient = host.findAll(NodeKind::linearGradient).at(0)->contentFrame;
  const std::uint32_t unpainted = 0xffff00ff;
  for (double scale : {1.0, 2.0}) {
    const int width = static_cast<int>(320 * scale), height = static_cast<int>(162 * scale);
    auto draw = [&](std::optional<Renderer::PixelBox> needed, PictureCache* pictures, PictureCache* gradients) {
      cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
      cairo_t* cr = cairo_create(surface);
      cairo_set_source_rgb(cr, 1, 0, 1);
      cairo_paint(cr);
      cairo_scale(cr, scale, scale);
      Renderer renderer(cr);
      renderer.setPictureCache(pictures);
      renderer.setGradientCache(gradients);
      renderer.setNeededPixels(needed);
      renderer.draw(*host.root());
      cairo_destroy(cr);
      cairo_surface_flush(surface);
      return surface;
    };
    // Around the middle of the space bar, not the gradient key beside it.
    const Renderer::PixelBox needed{static_cast<int>(100 * scale), static_cast<int>(100 * scale),
                                    static_cast<int>(80 * scale), static_cast<int>(50 * scale)};
    PictureCache pictures, gradients;
    cairo_surface_t* whole = draw(std::nullopt, nullptr, nullptr);
    cairo_surface_t* part = draw(needed, &pictures, &gradients);
    int differing = 0;
    for (int y = needed.y; y < needed.y + needed.height; ++y) {
      for (int x = needed.x; x < needed.x + needed.width; ++x) differing += pixelOf(whole, x, y) != pixelOf(part, x, y);
    }
    EXPECT_EQ(differing, 0) << "at " << scale;
    auto at = [&](double x, double y) {
      return pixelOf(part, static_cast<int>(x * scale), static_cast<int>(y * scale));
    };
    EXPECT_EQ(at(0.5, 0.5), unpainted) << "the background, at " << scale;
    EXPECT_EQ(at(qKey->frame.minX() + 5, qKey->frame.midY()), unpainted) << "a key's picture, at " << scale;
    EXPECT_EQ(at(gradient.midX(), gradient.midY()), unpainted) << "a faded gradient, at " << scale;
    EXPECT_NE(pixelOf(whole, 0, 0), unpainted);
    cairo_surface_destroy(whole);
    cairo_surface_destroy(part);
  }
}

TEST(Renderer, EmojiAreMeasuredAsOneGlyph) {
  auto metrics = PangoTextMetrics::shared();
  Size bear = metrics->measure("\U0001F43B\u200D\u2744\uFE0F", Font::system(22));
  Size face = metrics->measure("\U0001F600", Font::system(22));
  EXPECT_NEAR(bear.width, face.width, 1.0);
  EXPECT_GT(metrics->measure("ab", Font::system(22)).width, metrics->measure("a", Font::system(22)).width);
}

TEST(Renderer, MeasuresAlikeAfterItsCacheStartsAfresh) {
  // A text field typed into measures a new text at every key; the cache
  // keeps a bounded number of them, and answers the same after dropping some.
  auto metrics = PangoTextMetrics::shared();
  const Font font = Font::system(19);
  const Size first = metrics->measure("typed 0", font);
  for (int i = 1; i < 5000; ++i) metrics->measure("typed " + std::to_string(i), font);
  EXPECT_EQ(metrics->measure("typed 0", font), first);
  EXPECT_GT(metrics->measure("typed 4999", font).width, first.width);
}

// A text too wide for its frame shrinks down to its minimum scale factor,
// and only then is cut.
TEST(Renderer, TextShrinksToItsMinimumScaleFactorBeforeItIsCut) {
  const Font font = Font::system(20);
  const double natural = PangoTextMetrics::shared()->measure("www", font).width;
  struct Case {
    double frameShare;
    double minimumScaleFactor;
    bool cut;
  };
  for (const Case& c : {Case{1.0, 1.0, false}, Case{0.7, 1.0, true}, Case{0.7, 0.5, false},
                        Case{0.51, 0.5, false}, Case{0.4, 0.5, true}}) {
    ViewHost host(
        Text("www").font(font).minimumScaleFactor(c.minimumScaleFactor).frame(natural * c.frameShare, 30));
    host.setFontMetrics(PangoTextMetrics::shared());
    host.layout(Size{natural, 30});
    const std::string path = ::testing::TempDir() + "keyloom-shrunk-text.png";
    const RenderReport report = renderPNG(host, path, 2);
    EXPECT_EQ(report.cutTexts, c.cut ? std::vector<std::string>{"www"} : std::vector<std::string>{})
        << c.frameShare << " of its width at factor " << c.minimumScaleFactor;
  }
}

// Symbols that are also emoji are symbols like the others: drawn in the
// foreground colour, not as coloured pictures.
TEST(Renderer, SymbolsThatAreAlsoEmojiTakeTheForegroundColour) {
  for (const char* name : {"globe", "mic", "magnifyingglass", "clock"}) {
    SCOPED_TRACE(name);
    ViewHost host(
        View(Image::system(name)).font(Font::system(40)).foregroundColor(Color::red()).frame(60, 60));
    host.setFontMetrics(PangoTextMetrics::shared());
    host.layout(Size{60, 60});
    const std::string path = ::testing::TempDir() + "keyloom-symbol.png";
    EXPECT_EQ(renderPNG(host, path, 1).unknownGlyphs, 0);
    int red = 0;
    int other = 0;
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 60; ++x) {
        const Pixel p = pixelAt(path, x, y);
        if (p.alpha < 128) continue;
        (p.red > 128 && p.green < 100 && p.blue < 100 ? red : other) += 1;
      }
    }
    EXPECT_GT(red, 100);
    EXPECT_LT(other, red / 10) << "drawn in colours of its own";
  }
}

// A symbol without a character draws nothing, and is named in the report
// once however often it is drawn, so that a test fails on it rather than a
// key showing nothing. Assets are not symbols.
TEST(Renderer, SymbolsWithoutACharacterAreReportedByName) {
  ViewHost host(HStack(VerticalAlignment::center, 0,
                       {View(Image::system("no.such.symbol")), View(Image::system("globe")),
                        View(Image::system("no.such.symbol")), View(Image::asset("no.such.asset"))}));
  host.setFontMetrics(PangoTextMetrics::shared());
  host.layout(Size{200, 60});
  const std::string path = ::testing::TempDir() + "keyloom-unknown-symbol.png";
  EXPECT_EQ(renderPNG(host, path, 1).unknownSymbols, std::vector<std::string>{"no.such.symbol"});
  // The same on the simulated screen, drawn a band of rows at a time.
  auto simulated = SimulatedHost::make(SimulatedHostConfiguration{});
  simulated->presentKeyboard(nullptr);
  EXPECT_EQ(renderHost(*simulated, {{&host, std::nullopt}}, path, 1).unknownSymbols,
            std::vector<std::string>{"no.such.symbol"});
}

// A picture kept between frames keeps what it did not draw: each frame
// painted from it reports the symbol again.
TEST(Renderer, SymbolsWithoutACharacterAreReportedFromKeptPictures) {
  ViewHost host(View(Image::system("no.such.symbol")).shadow(Color::black(), 2).frame(40, 40));
  host.setFontMetrics(PangoTextMetrics::shared());
  host.layout(Size{40, 40});
  PictureCache cache;
  for (int frame = 0; frame < 2; ++frame) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 40, 40);
    cairo_t* cr = cairo_create(surface);
    Renderer renderer(cr);
    renderer.setPictureCache(&cache);
    renderer.draw(*host.root());
    EXPECT_EQ(renderer.unknownSymbols(), std::vector<std::string>{"no.such.symbol"}) << "frame " << frame;
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
  EXPECT_EQ(cache.size(), 1u) << "the second frame was painted from the kept picture";
}

TEST(Renderer, MissingFontIsReported) {
  MissingFontError error({"Noto Color Emoji"});
  EXPECT_NE(std::string(error.what()).find("Noto Color Emoji"), std::string::npos);
  EXPECT_NO_THROW(requireRenderFonts()) << "this machine has the fonts installed";
}

TEST(HostRenderer, RendersTheScreenWithTheKeyboard) {
  SimulatedHostConfiguration configuration;
  configuration.text = "Hello \U0001F44B\U0001F3FD";
  auto simulated = SimulatedHost::make(configuration);
  simulated->presentKeyboard(nullptr);
  ViewHost keyboard(smallKeyboard());
  keyboard.setFontMetrics(PangoTextMetrics::shared());
  const std::string path = ::testing::TempDir() + "keyloom-host-screen.png";
  RenderReport report = renderHost(*simulated, {{&keyboard, std::nullopt}}, path, 1);
  EXPECT_EQ(report.pixelWidth, 390);
  EXPECT_EQ(report.pixelHeight, 844);
  EXPECT_EQ(report.unknownGlyphs, 0);
  EXPECT_EQ(keyboard.root()->frame.maxY(), 844) << "laid out in the keyboard's frame";
  EXPECT_EQ(keyboard.layoutBounds(), simulated->keyboardFrame());
}

}  // namespace
}  // namespace platform::ui
