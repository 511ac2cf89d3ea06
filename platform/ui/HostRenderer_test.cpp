#include "platform/ui/HostRenderer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>

namespace platform::ui {
namespace {

// The screen drawn at one pixel a point.
struct Frame {
  explicit Frame(const SimulatedHost& host) {
    surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 390, 844);
    cairo_t* cr = cairo_create(surface);
    drawHost(host, {}, cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
  }
  ~Frame() { cairo_surface_destroy(surface); }
  std::uint32_t at(int x, int y) const {
    const unsigned char* data = cairo_image_surface_get_data(surface);
    return *reinterpret_cast<const std::uint32_t*>(data + y * cairo_image_surface_get_stride(surface) + x * 4);
  }
  // The leftmost column of the field's line that has the caret's blue.
  int caretX() const {
    for (int x = 16; x < 374; ++x) {
      const std::uint32_t p = at(x, 80);
      if ((p & 0xFF) > 0xC0 && ((p >> 16) & 0xFF) < 0x60) return x;
    }
    return -1;
  }
  cairo_surface_t* surface;
};

std::shared_ptr<SimulatedHost> hostWithText(const std::string& text) {
  SimulatedHostConfiguration configuration;
  configuration.text = text;
  auto host = SimulatedHost::make(configuration);
  host->presentKeyboard(nullptr);
  return host;
}

TEST(HostRenderer, TheFieldShowsTheCaretsLineScrolledToTheCaret) {
  auto host = hostWithText("Short");
  const int shortCaret = Frame(*host).caretX();
  EXPECT_GT(shortCaret, 28);
  EXPECT_LT(shortCaret, 90);

  // A line longer than the field: its end and the caret stay in view.
  host->setText("first line\n" + std::string(200, 'w') + " end");
  const int longCaret = Frame(*host).caretX();
  EXPECT_GT(longCaret, 300);
  EXPECT_LT(longCaret, 374);

  // The caret at the start of the second line: drawn at the field's start.
  host->moveCursor(11);
  EXPECT_LT(Frame(*host).caretX(), 32);
}

TEST(HostRenderer, ALongTextIsLaidOutOnlyAroundTheCaret) {
  auto host = hostWithText(std::string(200000, 'a'));
  const auto start = std::chrono::steady_clock::now();
  Frame frame(*host);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 0.5) << "only the caret's surroundings are laid out";
  EXPECT_GT(frame.caretX(), 300);
}

TEST(HostRenderer, AScreenshotDrawnInBandsCountsEachMissingGlyphOnce) {
  // Two characters no font has, on a line that crosses a band's edge at 3x.
  auto host = hostWithText("ab\uE000\uE001");
  const std::string path = ::testing::TempDir() + "host-renderer-missing-glyphs.png";
  const RenderReport report = renderHost(*host, {}, path, 3);
  EXPECT_EQ(report.pixelWidth, 1170);
  EXPECT_EQ(report.unknownGlyphs, 2);
}

}  // namespace
}  // namespace platform::ui
