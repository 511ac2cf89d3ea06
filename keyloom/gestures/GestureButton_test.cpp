#include "keyloom/gestures/GestureButton.h"

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

std::string point(platform::Point p) {
  return "(" + std::to_string(static_cast<int>(p.x)) + "," + std::to_string(static_cast<int>(p.y)) + ")";
}

// A label that fills the button, named after the pressed state.
ui::View filling(bool pressed) {
  return ui::Text(pressed ? "down" : "up").frame(ui::FlexibleFrame{.maxWidth = ui::infinity, .maxHeight = ui::infinity});
}

// A 100×40 button at (50, 30) in a 200×100 host, reporting every event.
struct Fixture {
  Log log;
  bool bound = false;
  GestureButton button;
  std::unique_ptr<ui::ViewHost> host;

  explicit Fixture(bool withRepeat = true, bool withLongPress = true) {
    auto add = [this](std::string event) { return [this, event] { log.push_back(event); }; };
    button = GestureButton{
        .isPressedBinding = ui::Binding<bool>([this] { return bound; }, [this](bool value) { bound = value; }),
        .pressAction = add("press"),
        .releaseInsideAction = add("release inside"),
        .releaseOutsideAction = add("release outside"),
        .longPressAction = withLongPress ? add("long press") : GestureButton::Action(),
        .doubleTapAction = add("double tap"),
        .repeatAction = withRepeat ? add("repeat") : GestureButton::Action(),
        .dragStartAction = [this](const ui::DragValue& v) { log.push_back("drag start " + point(v.startLocation)); },
        .dragAction = [this](const ui::DragValue& v) { log.push_back("drag " + point(v.location)); },
        .dragEndAction = [this](const ui::DragValue& v) { log.push_back("drag end " + point(v.location)); },
        .endAction = add("end"),
        .label = [](bool pressed) { return filling(pressed); },
    };
    host = std::make_unique<ui::ViewHost>(root(true));
    host->layout(platform::Size{200, 100});
  }

  ui::View root(bool showButton) const {
    return ui::ZStack(ui::Alignment::topLeading(),
                      {ui::View(ui::Color::clear()).frame(200, 100),
                       ui::If(showButton, ui::View(button).frame(100, 40).position(100, 50))});
  }

  void tap(platform::Point at = {60, 40}) { host->touches().tap(at); }
  Log take() { return std::exchange(log, {}); }
};

TEST(GestureButton, TapReportsPressDragReleaseAndEndInOrder) {
  Fixture f;
  advance(1);
  auto touch = f.host->touches().down({60, 40});
  EXPECT_TRUE(f.bound);
  EXPECT_TRUE(f.host->findText("down")) << "the label is built with the pressed state";
  f.host->touches().move(touch, {70, 45});
  f.host->touches().up(touch);
  EXPECT_EQ(f.take(), (Log{"press", "drag start (10,10)", "drag (10,10)", "drag (20,15)", "drag end (20,15)",
                           "release inside", "end"}));
  EXPECT_FALSE(f.bound);
  EXPECT_TRUE(f.host->findText("up"));
  advance(2);
  EXPECT_TRUE(f.take().empty()) << "no long press or repeat after the touch ended";
  EXPECT_FALSE(RepeatGestureTimer::shared()->isActive());
}

TEST(GestureButton, HoldReportsLongPressThenRepeatsUntilLifted) {
  Fixture f;
  auto touch = f.host->touches().down({60, 40});
  f.take();
  advance(0.45);
  EXPECT_TRUE(f.take().empty());
  advance(0.05);
  EXPECT_EQ(f.take(), (Log{"long press"}));
  advance(0.1);  // repeat delay 0.5 plus one interval
  EXPECT_EQ(f.take(), (Log{"repeat"}));
  advance(0.3);
  EXPECT_EQ(f.take(), (Log{"repeat", "repeat", "repeat"}));
  f.host->touches().up(touch, {300, 40});
  EXPECT_EQ(f.take(), (Log{"drag (250,10)", "drag end (250,10)", "release outside", "end"}));
  EXPECT_FALSE(RepeatGestureTimer::shared()->isActive());
  advance(1);
  EXPECT_TRUE(f.take().empty());
}

TEST(GestureButton, DoubleTapIsTheSecondOfTwoQuickReleasesAndNeverPairsTwice) {
  Fixture f;
  f.tap();
  EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "double tap"), 0) << "a first tap right after creation";
  f.take();
  advance(0.15);
  f.tap();
  EXPECT_EQ(f.take(), (Log{"press", "drag start (10,10)", "drag (10,10)", "double tap", "drag end (10,10)",
                           "release inside", "end"}));
  advance(0.15);
  f.tap();
  advance(0.2);
  f.tap();
  Log log = f.take();
  EXPECT_EQ(std::count(log.begin(), log.end(), "double tap"), 0) << "0.15 s after a double tap, then 0.2 s";
}

TEST(GestureButton, ReleaseIsInsideOnlyStrictlyWithinTheBounds) {
  struct Row {
    platform::Point at;
    std::string release;
  };
  Fixture f;
  for (const Row& row : {Row{{51, 31}, "release inside"}, Row{{149.5, 69.5}, "release inside"},
                         Row{{50, 40}, "release outside"}, Row{{150, 40}, "release outside"},
                         Row{{60, 30}, "release outside"}, Row{{60, 70}, "release outside"}}) {
    auto touch = f.host->touches().down({100, 50});
    f.host->touches().up(touch, row.at);
    Log log = f.take();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[log.size() - 2], row.release) << point(row.at);
    advance(1);
  }
}

TEST(GestureButton, ANewTouchVoidsTheLongPressOfTheLastEvenAtTheSameClockTime) {
  Fixture f(/*withRepeat=*/false);
  f.tap();
  auto touch = f.host->touches().down({60, 40});  // no time has passed
  f.take();
  advance(0.5);
  EXPECT_EQ(f.take(), (Log{"long press"}));
  advance(1);
  f.host->touches().up(touch);
  EXPECT_EQ(std::count(f.log.begin(), f.log.end(), "long press"), 0);
}

TEST(GestureButton, ARemovedButtonRunsNoPendingLongPressOrRepeat) {
  Fixture f;
  f.host->touches().down({60, 40});
  f.take();
  f.host->setRootView(f.root(false));
  advance(2);
  EXPECT_TRUE(f.take().empty());
  EXPECT_FALSE(RepeatGestureTimer::shared()->isActive());
}

TEST(GestureButton, EveryEndStopsTheSharedRepeatTimerEvenWithoutARepeatAction) {
  Fixture f(/*withRepeat=*/false, /*withLongPress=*/false);
  int ticks = 0;
  RepeatGestureTimer::shared()->start([&] { ++ticks; });
  auto touch = f.host->touches().down({60, 40});
  advance(1);
  EXPECT_EQ(ticks, 10) << "this button starts no repeat of its own";
  f.host->touches().up(touch);
  EXPECT_FALSE(RepeatGestureTimer::shared()->isActive());
}

TEST(GestureButton, ACancelledTouchEndsWithoutReleaseOrDoubleTap) {
  Fixture f;
  f.tap();
  f.take();
  auto touch = f.host->touches().down({60, 40});
  advance(0.1);
  f.host->touches().cancel(touch);
  EXPECT_EQ(f.take(), (Log{"press", "drag start (10,10)", "drag (10,10)", "drag end (10,10)", "end"}));
  EXPECT_FALSE(f.bound);
  advance(1);
  EXPECT_TRUE(f.take().empty());
}

TEST(GestureButton, InAScrollViewThatTakesTheTouchThePressEndsWithoutARelease) {
  Log log;
  auto add = [&log](std::string event) { return [&log, event] { log.push_back(event); }; };
  std::vector<ui::View> cells;
  for (int i = 0; i < 6; ++i) {
    cells.push_back(ui::View(GestureButton{.pressAction = add("press"),
                                           .releaseInsideAction = add("release inside"),
                                           .releaseOutsideAction = add("release outside"),
                                           .longPressAction = add("long press"),
                                           .repeatAction = add("repeat"),
                                           .endAction = add("end"),
                                           .label = filling})
                        .frame(50, 50));
  }
  ui::ViewHost host(ui::ScrollView(ui::Axis::horizontal, false, ui::HStack(ui::VerticalAlignment::center, 0, cells)));
  host.layout(platform::Size{200, 50});
  auto touch = host.touches().down({20, 20});
  advance(0.45);
  host.touches().move(touch, {40, 20});
  ASSERT_TRUE(host.touches().isScrolling(touch));
  advance(1);
  host.touches().up(touch);
  EXPECT_EQ(log, (Log{"press", "end"}));
  EXPECT_FALSE(RepeatGestureTimer::shared()->isActive());
}

TEST(GestureButton, WithoutABindingThePressedStateStillShowsInTheLabel) {
  GestureButton button{.label = [](bool pressed) { return filling(pressed); }};
  ui::ViewHost host(ui::View(button).frame(100, 40));
  host.layout(platform::Size{100, 40});
  auto touch = host.touches().down({10, 10});
  EXPECT_TRUE(host.findText("down"));
  host.touches().up(touch);
  EXPECT_TRUE(host.findText("up"));
}

}  // namespace
}  // namespace keyloom
