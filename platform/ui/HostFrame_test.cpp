#include "platform/ui/HostFrame.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "testing/SurfaceDifference.h"

namespace platform::ui {
namespace {

std::shared_ptr<SimulatedHost> hostWithText(const std::string& text) {
  SimulatedHostConfiguration configuration;
  configuration.text = text;
  auto host = SimulatedHost::make(configuration);
  host->presentKeyboard(nullptr);
  return host;
}

// Pixels that differ from the screen drawn whole at one pixel a point.
int differencesFromWhole(const SimulatedHost& host, cairo_surface_t* frame) {
  cairo_surface_t* whole = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(frame),
                                                      cairo_image_surface_get_height(frame));
  cairo_t* cr = cairo_create(whole);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  drawHost(host, {}, cr);
  cairo_destroy(cr);
  cairo_surface_flush(whole);
  const int count = keyloom::testing::differingPixels(frame, whole);
  cairo_surface_destroy(whole);
  return count;
}

long area(const std::vector<PixelRect>& rects) {
  long total = 0;
  for (const auto& rect : rects) total += static_cast<long>(rect.width) * rect.height;
  return total;
}

TEST(HostFrame, RepaintsTheFieldsChangeOnlyWithThePixelsOfAWholeFrame) {
  auto host = hostWithText("Hello");
  HostFrame frame(1);
  frame.draw(*host, {});
  EXPECT_EQ(area(frame.repainted()), 390L * 844) << "the first frame is whole";
  frame.draw(*host, {});
  EXPECT_TRUE(frame.repainted().empty()) << "nothing changed";

  host->insertText(" world");
  frame.draw(*host, {});
  ASSERT_FALSE(frame.repainted().empty());
  for (const auto& rect : frame.repainted()) {
    EXPECT_GE(rect.y, 50) << "within the field";
    EXPECT_LE(rect.y + rect.height, 112) << "within the field";
  }
  EXPECT_EQ(differencesFromWhole(*host, frame.surface()), 0);
}

TEST(HostFrame, ADarkScreenIsRepaintedWhole) {
  auto host = hostWithText("Hello");
  HostFrame frame(1);
  frame.draw(*host, {});
  host->setUserInterfaceStyle(UserInterfaceStyle::dark);
  frame.draw(*host, {});
  EXPECT_EQ(area(frame.repainted()), 390L * 844);
  EXPECT_EQ(differencesFromWhole(*host, frame.surface()), 0);
}

}  // namespace
}  // namespace platform::ui
