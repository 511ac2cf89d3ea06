#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "keyloom/gestures/GestureButton.h"
#include "keyloom/gestures/ScrollViewGestureButton.h"
#include "keyloom/previews/GestureButtonPreviewParts.h"
#include "keyloom/previews/GestureButton_Previews.h"
#include "keyloom/previews/ScrollViewGestureButton_Previews.h"
#include "platform/foundation/MainQueue.h"
#include "platform/ui/UI.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;

void advance(double seconds) { platform::MainQueue::main().advance(seconds); }

// A preview in a 390 × 700 host, touched at points relative to its buttons.
struct PreviewFixture {
  ui::ViewHost host;

  explicit PreviewFixture(ui::View preview) : host(std::move(preview)) {
    host.layout(platform::Size{390, 700});
  }

  // The bold value of a header row.
  std::string value(const std::string& label) const {
    auto title = host.findText(label + ":");
    EXPECT_TRUE(title) << label;
    if (!title) return "";
    return title->parent()->layoutChildren().at(1)->text().value_or("");
  }

  template <class Button>
  platform::Rect buttonFrame(std::size_t index = 0) const {
    return host.findAllOfType<Button>().at(index)->frame;
  }

  void settle() { platform::MainQueue::main().runUntilIdle(); }
};

platform::Point at(const platform::Rect& frame, double x, double y) {
  return {frame.minX() + x, frame.minY() + y};
}

TEST(GestureButtonPreviews, NumbersAreRoundedHalvesAwayFromZeroAndWrittenAsDoubles) {
  using gesture_button_preview::formatNumber;
  EXPECT_EQ(formatNumber(0), "0.0");
  EXPECT_EQ(formatNumber(12.4), "12.0");
  EXPECT_EQ(formatNumber(2.5), "3.0");
  EXPECT_EQ(formatNumber(-2.5), "-3.0");
  EXPECT_EQ(formatNumber(-0.4), "-0.0");
  EXPECT_EQ(formatNumber(1234.5), "1235.0");
  EXPECT_EQ(gesture_button_preview::formatPoint({12.4, 33.6}), "12.0, 34.0");
}

TEST(GestureButtonPreviews, HeaderStartsAtZeroOverFourButtonsInOneRow) {
  PreviewFixture f(GestureButton_Previews::previews());
  EXPECT_EQ(f.value("Pressed"), "NO");
  for (const char* label : {"Presses", "Releases", "     Inside", "     Outside", "Ended", "Long presses",
                            "Double taps", "Repeats"}) {
    EXPECT_EQ(f.value(label), "0") << label;
  }
  for (const char* label : {"Drag started", "Drag changed", "Drag ended"})
    EXPECT_EQ(f.value(label), "0.0, 0.0");
  EXPECT_TRUE(f.host.findText("Buttons:"));

  const auto buttons = f.host.findAllOfType<GestureButton>();
  ASSERT_EQ(buttons.size(), 4u);
  for (const auto& button : buttons) EXPECT_DOUBLE_EQ(button->frame.minY(), buttons[0]->frame.minY());
  EXPECT_LT(buttons[0]->frame.minX(), buttons[3]->frame.minX());
  // The row fills the width inside the group's padding.
  EXPECT_NEAR(buttons[0]->frame.minX(), ui::defaultPadding, 1);
  EXPECT_NEAR(buttons[3]->frame.maxX(), 390 - ui::defaultPadding, 1);
}

TEST(GestureButtonPreviews, TapCountsPressReleaseInsideAndEndAtTheTouchPoint) {
  PreviewFixture f(GestureButton_Previews::previews());
  advance(1);
  const auto frame = f.buttonFrame<GestureButton>(1);
  const auto touch = f.host.touches().down(at(frame, 10.4, 20.5));
  f.settle();
  EXPECT_EQ(f.value("Pressed"), "YES");
  f.host.touches().up(touch);
  f.settle();
  EXPECT_EQ(f.value("Pressed"), "NO");
  EXPECT_EQ(f.value("Presses"), "1");
  EXPECT_EQ(f.value("Releases"), "1");
  EXPECT_EQ(f.value("     Inside"), "1");
  EXPECT_EQ(f.value("     Outside"), "0");
  EXPECT_EQ(f.value("Ended"), "1");
  EXPECT_EQ(f.value("Long presses"), "0");
  EXPECT_EQ(f.value("Double taps"), "0");
  EXPECT_EQ(f.value("Repeats"), "0");
  EXPECT_EQ(f.value("Drag started"), "10.0, 21.0");
  EXPECT_EQ(f.value("Drag ended"), "10.0, 21.0");
}

TEST(GestureButtonPreviews, SecondQuickTapOnAnyCopyIsADoubleTap) {
  PreviewFixture f(GestureButton_Previews::previews());
  advance(1);
  f.host.touches().tap(at(f.buttonFrame<GestureButton>(0), 20, 20));
  advance(0.1);
  f.host.touches().tap(at(f.buttonFrame<GestureButton>(0), 20, 20));
  f.settle();
  EXPECT_EQ(f.value("Presses"), "2");
  EXPECT_EQ(f.value("Double taps"), "1");
  EXPECT_EQ(f.value("Releases"), "2");
}

TEST(GestureButtonPreviews, HoldingOneSecondLongPressesThenRepeatsUntilReleased) {
  PreviewFixture f(GestureButton_Previews::previews());
  const auto touch = f.host.touches().down(at(f.buttonFrame<GestureButton>(2), 20, 20));
  advance(0.79);
  f.settle();
  EXPECT_EQ(f.value("Long presses"), "0");
  advance(0.21);
  f.settle();
  EXPECT_EQ(f.value("Long presses"), "1");
  EXPECT_EQ(f.value("Pressed"), "YES");
  const std::string repeats = f.value("Repeats");
  EXPECT_NE(repeats, "0") << "repeats start after the repeat delay";
  f.host.touches().up(touch);
  advance(1);
  f.settle();
  EXPECT_EQ(f.value("Repeats"), repeats) << "releasing stops the repeats";
  EXPECT_EQ(f.value("Ended"), "1");
}

TEST(GestureButtonPreviews, DragOutOfTheButtonReleasesOutsideWithRoundedLocations) {
  PreviewFixture f(GestureButton_Previews::previews());
  advance(1);
  const auto frame = f.buttonFrame<GestureButton>(0);
  const auto touch = f.host.touches().down(at(frame, 10, 10));
  f.host.touches().move(touch, at(frame, 4.5, 12.4));
  f.host.touches().up(touch, at(frame, -2.5, -30));
  f.settle();
  EXPECT_EQ(f.value("Drag started"), "10.0, 10.0");
  EXPECT_EQ(f.value("Drag changed"), "-3.0, -30.0");
  EXPECT_EQ(f.value("Drag ended"), "-3.0, -30.0");
  EXPECT_EQ(f.value("     Outside"), "1");
  EXPECT_EQ(f.value("     Inside"), "0");
  EXPECT_EQ(f.value("Releases"), "1");
}

TEST(ScrollViewGestureButtonPreviews, ScrollingRowOfButtonsCountsInItsOwnHeader) {
  PreviewFixture f(ScrollViewGestureButton_Previews::previews());
  EXPECT_TRUE(f.host.findText("Buttons"));
  EXPECT_EQ(f.value("Drag start"), "0.0, 0.0");
  const auto buttons = f.host.findAllOfType<ScrollViewGestureButton>();
  ASSERT_EQ(buttons.size(), 101u);
  EXPECT_DOUBLE_EQ(buttons[0]->frame.width(), 100 + 2 * ui::defaultPadding);
  EXPECT_GT(buttons[100]->frame.maxX(), 390) << "the row is wider than the screen";

  advance(1);
  f.host.touches().tap(at(buttons[0]->frame, 30.4, 20));
  f.settle();
  EXPECT_EQ(f.value("Presses"), "1");
  EXPECT_EQ(f.value("     Inside"), "1");
  EXPECT_EQ(f.value("Ended"), "1");
  EXPECT_EQ(f.value("Drag end"), "30.0, 20.0");
}

}  // namespace
}  // namespace keyloom
