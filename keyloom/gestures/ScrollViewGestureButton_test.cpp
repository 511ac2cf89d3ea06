#include "keyloom/gestures/ScrollViewGestureButton.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/foundation/MainQueue.h"
#include "platform/ui/UI.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using Log = std::vector<std::string>;

void advance(double seconds) { platform::MainQueue::main().advance(seconds); }

ui::View filling(bool pressed) {
  return ui::Text(pressed ? "down" : "up").frame(ui::FlexibleFrame{.maxWidth = ui::infinity, .maxHeight = ui::infinity});
}

// Six 50×50 cells in a horizontal scroll view of 200×50; events of cell 0
// are logged.
struct Fixture {
  Log log;
  bool bound = false;
  int otherReleases = 0;
  std::unique_ptr<ui::ViewHost> host;

  explicit Fixture(double longPressDelay = 0.5, bool withRepeat = true) {
    auto add = [this](std::string event) { return [this, event] { log.push_back(event); }; };
    std::vector<ui::View> cells;
    cells.push_back(ui::View(ScrollViewGestureButton{
                                 .isPressedBinding = ui::Binding<bool>([this] { return bound; },
                                                                       [this](bool value) { bound = value; }),
                                 .pressAction = add("press"),
                                 .releaseInsideAction = add("release inside"),
                                 .releaseOutsideAction = add("release outside"),
                                 .longPressDelay = longPressDelay,
                                 .longPressAction = add("long press"),
                                 .doubleTapAction = add("double tap"),
                                 .repeatAction = withRepeat ? add("repeat") : ScrollViewGestureButton::Action(),
                                 .dragStartAction = [this](const ui::DragValue&) { log.push_back("drag start"); },
                                 .dragAction = [this](const ui::DragValue&) { log.push_back("drag"); },
                                 .dragEndAction = [this](const ui::DragValue&) { log.push_back("drag end"); },
                                 .endAction = add("end"),
                                 .label = filling,
                             })
                        .frame(50, 50));
    for (int i = 1; i < 6; ++i) {
      cells.push_back(ui::View(ScrollViewGestureButton{.releaseInsideAction = [this] { ++otherReleases; },
                                                       .label = filling})
                          .frame(50, 50));
    }
    host = std::make_unique<ui::ViewHost>(
        ui::ScrollView(ui::Axis::horizontal, false, ui::HStack(ui::VerticalAlignment::center, 0, cells)));
    host->layout(platform::Size{200, 50});
  }

  Log take() { return std::exchange(log, {}); }
  long count(const std::string& event) const { return std::count(log.begin(), log.end(), event); }
};

TEST(ScrollViewGestureButton, TapReportsEachEventOnceAndFlashesThePressedState) {
  Fixture f;
  advance(1);
  auto touch = f.host->touches().down({20, 20});
  EXPECT_TRUE(f.bound);
  f.host->touches().up(touch);
  EXPECT_EQ(f.take(), (Log{"drag start", "press", "drag", "drag end", "release inside", "end"}));
  EXPECT_TRUE(f.host->findText("down")) << "flashed";
  EXPECT_TRUE(f.bound);
  advance(0.1);
  EXPECT_TRUE(f.host->findText("up"));
  EXPECT_FALSE(f.bound);
  advance(1);
  EXPECT_TRUE(f.take().empty()) << "no long press, no repeat";
  EXPECT_FALSE(RepeatGestureTimer::shared()->isActive());
  EXPECT_EQ(f.otherReleases, 0);
}

TEST(ScrollViewGestureButton, DoubleTapRunsOnceForTwoQuickTapsAndNotForAThird) {
  Fixture f;
  f.host->touches().tap({20, 20});
  EXPECT_EQ(f.count("double tap"), 0) << "a first tap right after creation";
  advance(0.15);
  f.host->touches().tap({20, 20});
  EXPECT_EQ(f.count("double tap"), 1);
  EXPECT_EQ(f.count("release inside"), 2);
  advance(0.1);
  f.host->touches().tap({20, 20});
  EXPECT_EQ(f.count("double tap"), 1);
  EXPECT_EQ(f.count("release inside"), 3);
  EXPECT_EQ(f.count("press"), 3);
  EXPECT_EQ(f.count("end"), 3);
}

TEST(ScrollViewGestureButton, HoldRepeatsFromTheFirstChangeAndLongPressesAfterTheDelay) {
  Fixture f;
  auto touch = f.host->touches().down({20, 20});
  f.take();
  advance(0.3);
  EXPECT_EQ(f.take(), (Log{"repeat", "repeat", "repeat"}));
  advance(0.19);
  EXPECT_EQ(f.take(), (Log{"repeat"}));
  advance(0.01);  // the long press and the fifth repeat fall due together
  EXPECT_EQ(f.count("long press"), 1);
  f.take();
  f.host->touches().up(touch);
  EXPECT_EQ(f.take(), (Log{"drag end", "release inside", "end"}));
  EXPECT_FALSE(RepeatGestureTimer::shared()->isActive());
}

TEST(ScrollViewGestureButton, ALongerLongPressDelayIsWaitedFor) {
  Fixture f(/*longPressDelay=*/1.0, /*withRepeat=*/false);
  auto touch = f.host->touches().down({20, 20});
  f.host->touches().move(touch, {22, 21});
  EXPECT_EQ(f.count("long press"), 0);
  advance(0.99);
  EXPECT_EQ(f.count("long press"), 0);
  advance(0.01);
  EXPECT_EQ(f.count("long press"), 1);
  f.host->touches().up(touch);
  EXPECT_EQ(f.count("long press"), 1);
}

TEST(ScrollViewGestureButton, AScrollTakingTheTouchEndsThePressWithoutARelease) {
  Fixture f;
  auto touch = f.host->touches().down({20, 20});
  EXPECT_TRUE(RepeatGestureTimer::shared()->isActive());
  f.host->touches().move(touch, {45, 22});
  ASSERT_TRUE(f.host->touches().isScrolling(touch));
  EXPECT_FALSE(RepeatGestureTimer::shared()->isActive());
  EXPECT_FALSE(f.bound);
  f.host->touches().move(touch, {5, 22});
  f.host->touches().up(touch);
  advance(1);
  EXPECT_EQ(f.take(), (Log{"drag start", "press", "drag", "drag end", "end"}));
  EXPECT_EQ(f.otherReleases, 0);
}

TEST(ScrollViewGestureButton, ReleaseOutsideAndOnTheEdgeIsOutside) {
  for (platform::Point at : {platform::Point{20, 60}, platform::Point{0, 20}, platform::Point{50, 20}}) {
    Fixture f;
    auto touch = f.host->touches().down({20, 20});
    f.host->touches().move(touch, {20, 35});  // across the axis: the scroll view lets go
    f.host->touches().up(touch, at);
    Log log = f.take();
    EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()), (Log{"drag end", "release outside", "end"}))
        << at.x << "," << at.y;
    EXPECT_EQ(std::count(log.begin(), log.end(), "release inside"), 0);
    EXPECT_EQ(std::count(log.begin(), log.end(), "end"), 1);
  }
}

TEST(ScrollViewGestureButton, ACancelledTouchEndsWithoutARelease) {
  Fixture f;
  auto touch = f.host->touches().down({20, 20});
  f.host->touches().cancel(touch);
  EXPECT_EQ(f.take(), (Log{"drag start", "press", "drag", "drag end", "end"}));
  EXPECT_FALSE(RepeatGestureTimer::shared()->isActive());
  advance(1);
  EXPECT_TRUE(f.take().empty());
}

TEST(ScrollViewGestureButton, ATapReportedAloneIsAWholeTouch) {
  // A host that lets only the tap through: press, release, double-tap test
  // and end still run, in that order.
  Log log;
  ScrollViewGestureButton button{.pressAction = [&] { log.push_back("press"); },
                                 .releaseInsideAction = [&] { log.push_back("release inside"); },
                                 .endAction = [&] { log.push_back("end"); },
                                 .label = filling};
  ui::ViewHost host(ui::View(button).frame(50, 50));
  host.layout(platform::Size{50, 50});
  auto taps = host.findAll([](const ui::Node& node) {
    for (const auto& modifier : node.modifiers()) {
      if (auto* attachment = modifier.as<ui::GestureAttachment>()) {
        if (std::dynamic_pointer_cast<const ui::TapGesture>(attachment->gesture)) return true;
      }
    }
    return false;
  });
  ASSERT_EQ(taps.size(), 1u);
  for (const auto& modifier : taps[0]->modifiers()) {
    if (auto* attachment = modifier.as<ui::GestureAttachment>()) {
      if (auto tap = std::dynamic_pointer_cast<const ui::TapGesture>(attachment->gesture)) tap->ended();
    }
  }
  EXPECT_EQ(log, (Log{"press", "release inside", "end"}));
}

}  // namespace
}  // namespace keyloom
