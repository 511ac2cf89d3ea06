#include "platform/ui/TouchPipeline.h"

#include <gtest/gtest.h>

#include "platform/foundation/Clock.h"
#include "platform/foundation/MainQueue.h"
#include "platform/ui/UI.h"

namespace platform::ui {
namespace {

using Log = std::vector<std::string>;

std::string point(Point p) { return "(" + formatNumber(p.x) + ", " + formatNumber(p.y) + ")"; }

void advance(double seconds) { MainQueue::main().advance(seconds); }

// A 100×40 key at (50, 30) in a 200×100 host.
View keyArea(View key) {
  return ZStack(Alignment::topLeading(), {View(Color::clear()).frame(200, 100), std::move(key).position(100, 50)});
}

TEST(TouchPipeline, ZeroDistanceDragReportsAtTouchDownInLocalCoordinates) {
  Log log;
  std::vector<DragValue> values;
  auto drag = DragGesture(0)
                  .onChanged([&](const DragValue& v) {
                    values.push_back(v);
                    log.push_back("changed " + point(v.location) + " from " + point(v.startLocation));
                  })
                  .onEnded([&](const DragValue& v) {
                    log.push_back("ended " + point(v.location) + " moved " + formatNumber(v.translation.width) +
                                  ", " + formatNumber(v.translation.height) +
                                  (v.isCancelled ? " cancelled" : ""));
                  });
  ViewHost host(keyArea(View(Color::clear()).contentShape(Rectangle()).frame(100, 40).gesture(drag)));
  host.layout(Size{200, 100});
  const Date start = Clock::current().now();
  auto touch = host.touches().down({60, 35});
  advance(0.25);
  host.touches().move(touch, {75, 38});
  host.touches().up(touch, {170, 80});
  EXPECT_EQ(log, (Log{"changed (10, 5) from (10, 5)", "changed (25, 8) from (10, 5)",
                      "changed (120, 50) from (10, 5)", "ended (120, 50) moved 110, 45"}));
  ASSERT_EQ(values.size(), 3u);
  EXPECT_EQ(values[0].time, start);
  EXPECT_EQ(values[1].time, start.addingTimeInterval(0.25));
  EXPECT_EQ(values[1].translation, (Size{15, 3}));
}

TEST(TouchPipeline, DragWithAMinimumDistanceStartsOnceMovedThatFar) {
  Log log;
  auto drag = DragGesture(10)
                  .onChanged([&](const DragValue& v) { log.push_back("changed " + point(v.location)); })
                  .onEnded([&](const DragValue&) { log.push_back("ended"); });
  ViewHost host(View(Color::red()).gesture(drag));
  host.layout(Size{100, 100});
  auto touch = host.touches().down({10, 10});
  host.touches().move(touch, {15, 15});
  host.touches().move(touch, {20, 10});
  host.touches().up(touch);
  EXPECT_EQ(log, (Log{"changed (20, 10)", "ended"}));
  log.clear();
  host.touches().tap({10, 10});
  EXPECT_TRUE(log.empty()) << "a drag that never started does not end";
}

TEST(TouchPipeline, ButtonPressesOnDownAndActsWhenReleasedInside) {
  int actions = 0;
  ViewHost host(keyArea(Button([&] { ++actions; }, View(Color::red()).frame(100, 40))));
  host.layout(Size{200, 100});
  auto button = host.findAll(NodeKind::button).at(0);
  auto touch = host.touches().down({60, 40});
  EXPECT_TRUE(button->isPressed());
  host.touches().move(touch, {190, 40});
  EXPECT_FALSE(button->isPressed()) << "outside the button";
  host.touches().move(touch, {70, 40});
  EXPECT_TRUE(button->isPressed());
  host.touches().up(touch);
  EXPECT_FALSE(button->isPressed());
  EXPECT_EQ(actions, 1);

  touch = host.touches().down({60, 40});
  host.touches().up(touch, {190, 40});
  EXPECT_EQ(actions, 1) << "released outside";
  touch = host.touches().down({60, 40});
  host.touches().cancel(touch);
  EXPECT_EQ(actions, 1) << "cancelled";
  EXPECT_FALSE(button->isPressed());
}

TEST(TouchPipeline, TapsCountAndTheInnermostTapWins) {
  Log log;
  ViewHost host(ZStack({View(Color::red())
                            .frame(50, 50)
                            .onTapGesture([&] { log.push_back("inner"); })
                            .onTapGesture([&] { log.push_back("inner double"); }, 2)})
                    .frame(100, 100)
                    .contentShape(Rectangle())
                    .onTapGesture([&] { log.push_back("outer"); })
                    .simultaneousGesture(TapGesture().onEnded([&] { log.push_back("outer simultaneous"); })));
  host.layout(Size{100, 100});
  host.touches().tap({50, 50});
  advance(0.2);
  host.touches().tap({52, 50});
  advance(1);
  host.touches().tap({5, 5});
  // The touched view's taps first, then its ancestors', each view's from the
  // outermost modifier in.
  EXPECT_EQ(log, (Log{"inner", "outer simultaneous", "inner double", "outer simultaneous",
                      "outer simultaneous", "outer"}));
  log.clear();
  auto touch = host.touches().down({50, 50});
  host.touches().move(touch, {70, 50});
  host.touches().up(touch);
  EXPECT_TRUE(log.empty()) << "moved too far to be a tap";
}

TEST(TouchPipeline, LongPressFiresOnceAfterItsDurationWhileHeld) {
  int presses = 0;
  ViewHost host(View(Color::red()).gesture(LongPressGesture(0.5).onEnded([&] { ++presses; })));
  host.layout(Size{100, 100});
  auto touch = host.touches().down({10, 10});
  advance(0.4);
  EXPECT_EQ(presses, 0);
  advance(0.2);
  EXPECT_EQ(presses, 1);
  advance(1);
  host.touches().up(touch);
  EXPECT_EQ(presses, 1);

  touch = host.touches().down({10, 10});
  advance(0.3);
  host.touches().up(touch);
  advance(1);
  EXPECT_EQ(presses, 1) << "lifted too early";

  touch = host.touches().down({10, 10});
  host.touches().move(touch, {40, 10});
  advance(1);
  EXPECT_EQ(presses, 1) << "moved too far";
}

TEST(TouchPipeline, GestureMasksTurnOffTheGesturesInside) {
  int taps = 0;
  Log log;
  auto outer = DragGesture(0).onChanged([&](const DragValue&) { log.push_back("outer drag"); });
  ViewHost host(Button([&] { ++taps; }, View(Color::red()))
                    .gesture(outer, GestureMask::gesture));
  host.layout(Size{100, 100});
  host.touches().tap({10, 10});
  EXPECT_EQ(taps, 0);
  EXPECT_EQ(log, (Log{"outer drag"}));

  ViewHost subviews(Button([&] { ++taps; }, View(Color::red())).gesture(outer, GestureMask::subviews));
  subviews.layout(Size{100, 100});
  subviews.touches().tap({10, 10});
  EXPECT_EQ(taps, 1);
  EXPECT_EQ(log.size(), 1u);
}

// A menu's primary action is for the taps its label does not handle itself:
// a key inside a menu would otherwise act twice for one tap.
TEST(TouchPipeline, AMenuLeavesTheTouchToTheGesturesOfItsLabel) {
  Log log;
  auto item = Button("Item", [] {});
  auto primary = [&] { log.push_back("primary"); };
  auto drag = DragGesture(0).onEnded([&](const DragValue&) { log.push_back("drag ended"); });
  auto longPress = LongPressGesture(0.5).onEnded([&] { log.push_back("long press"); });
  struct Case {
    const char* name;
    View label;
    double hold;
    bool pressedWhileHeld;
    Log expected;
  };
  const View key = View(Color::red()).frame(100, 40);
  for (const auto& c : {
           Case{"plain label", key, 0.1, true, {"primary"}},
           Case{"label with a drag", key.gesture(drag), 0.1, false, {"drag ended"}},
           Case{"label with a tap", key.onTapGesture([&] { log.push_back("tap"); }), 0.1, true, {"tap"}},
           Case{"label with a long press, tapped", key.gesture(longPress), 0.1, true, {"primary"}},
           Case{"label with a long press, held", key.gesture(longPress), 0.7, false, {"long press"}},
       }) {
    SCOPED_TRACE(c.name);
    log.clear();
    ViewHost host(keyArea(Menu(c.label, item, primary)));
    host.layout(Size{200, 100});
    auto menu = host.findAll(NodeKind::menu).at(0);
    auto touch = host.touches().down({60, 35});
    advance(c.hold);
    EXPECT_EQ(menu->isPressed(), c.pressedWhileHeld);
    host.touches().up(touch);
    EXPECT_EQ(log, c.expected);
    EXPECT_FALSE(menu->isPressed());
  }
}

// Held still, a menu opens and takes the touch: the gestures of its label
// see it cancelled, and lifting it runs nothing.
TEST(TouchPipeline, AMenuHeldStillOpensAndTakesTheTouchFromItsLabel) {
  Log log;
  auto key = View(Color::red()).frame(100, 40).gesture(DragGesture(0).onEnded([&](const DragValue& v) {
    log.push_back(v.isCancelled ? "drag cancelled" : "drag ended");
  }));
  auto items = Group({Button("English", [&] { log.push_back("English"); }), Divider(),
                      Button("Deutsch", [&] { log.push_back("Deutsch"); })});
  ViewHost host(keyArea(Menu(key, items, [&] { log.push_back("primary"); })));
  host.layout(Size{200, 100});
  auto touch = host.touches().down({60, 35});
  advance(TouchPipeline::menuPressDuration);
  EXPECT_EQ(log, Log{"drag cancelled"});
  EXPECT_EQ(host.presentedMenu(), host.findAll(NodeKind::menu).at(0));
  host.touches().up(touch);
  EXPECT_EQ(log, Log{"drag cancelled"});

  auto presentation = host.findByAccessibilityIdentifier("menu.presentation");
  ASSERT_TRUE(presentation);
  auto deutsch = presentation->findText("Deutsch");
  ASSERT_TRUE(deutsch);
  host.touches().tap({deutsch->frame.midX(), deutsch->frame.midY()});
  EXPECT_EQ(log, (Log{"drag cancelled", "Deutsch"}));
  EXPECT_FALSE(host.presentedMenu());
  EXPECT_FALSE(host.findByAccessibilityIdentifier("menu.presentation"));
}

TEST(TouchPipeline, AMenuDoesNotOpenForATouchThatMovedEndedOrWasTakenAway) {
  struct Case {
    const char* name;
    std::function<void(ViewHost&, TouchId)> during;
  };
  for (const auto& c : {
           Case{"moved off", [](ViewHost& host, TouchId touch) { host.touches().move(touch, {60, 50}); }},
           Case{"lifted", [](ViewHost& host, TouchId touch) { host.touches().up(touch); }},
           Case{"cancelled", [](ViewHost& host, TouchId touch) { host.touches().cancel(touch); }},
       }) {
    SCOPED_TRACE(c.name);
    ViewHost host(keyArea(Menu(View(Color::red()).frame(100, 40), Button("Item", [] {}))));
    host.layout(Size{200, 100});
    auto touch = host.touches().down({60, 35});
    advance(0.2);
    c.during(host, touch);
    advance(TouchPipeline::menuPressDuration);
    EXPECT_FALSE(host.presentedMenu());
    host.touches().cancelAll();
  }
  ViewHost empty(keyArea(Menu(View(Color::red()).frame(100, 40), EmptyView())));
  empty.layout(Size{200, 100});
  empty.touches().down({60, 35});
  advance(1);
  EXPECT_FALSE(empty.presentedMenu()) << "a menu without entries";
}

TEST(TouchPipeline, ScrollViewTakesTheTouchAndCancelsItsChildren) {
  Log log;
  int actions = 0;
  std::vector<View> cells;
  for (int i = 0; i < 6; ++i) {
    cells.push_back(Button([&actions] { ++actions; }, View(Color::red()).frame(50, 40))
                        .gesture(DragGesture(0)
                                     .onChanged([&log, i](const DragValue& v) {
                                       log.push_back(std::to_string(i) + " changed " + point(v.location));
                                     })
                                     .onEnded([&log, i](const DragValue& v) {
                                       log.push_back(std::to_string(i) + " ended " + point(v.location) +
                                                     (v.isCancelled ? " cancelled" : ""));
                                     })));
  }
  ViewHost host(ScrollView(Axis::horizontal, false, HStack(VerticalAlignment::center, 0, cells)));
  host.layout(Size{200, 40});
  auto scroll = host.root();
  auto first = host.findAll(NodeKind::button).at(0);
  auto touch = host.touches().down({25, 20});
  EXPECT_TRUE(first->isPressed());
  host.touches().move(touch, {20, 20});
  EXPECT_FALSE(host.touches().isScrolling(touch)) << "within the slop";
  host.touches().move(touch, {10, 20});
  EXPECT_TRUE(host.touches().isScrolling(touch));
  EXPECT_FALSE(first->isPressed());
  host.touches().move(touch, {-20, 22});
  EXPECT_EQ(scroll->scrollOffset.x, 45) << "scrolls as far as the touch went since it went down";
  EXPECT_EQ(first->frame.minX(), -45);
  host.touches().up(touch);
  EXPECT_EQ(actions, 0);
  EXPECT_EQ(log, (Log{"0 changed (25, 20)", "0 changed (20, 20)", "0 ended (20, 20) cancelled"}));

  log.clear();
  touch = host.touches().down({100, 20});
  host.touches().move(touch, {100, 35});
  host.touches().move(touch, {80, 35});
  EXPECT_FALSE(host.touches().isScrolling(touch)) << "moved across the axis first";
  host.touches().up(touch, {90, 30});
  EXPECT_EQ(actions, 1);
  EXPECT_EQ(log.back(), "2 ended (35, 30)") << "cell 2 starts at x 55 after scrolling 45";
}

TEST(TouchPipeline, PlatformViewsGetEveryTouch) {
  struct Recorder : PlatformView {
    Log* log;
    explicit Recorder(Log* log) : log(log) {}
    void touch(TouchPhase phase, Point location) override {
      const char* names[] = {"began", "moved", "ended", "cancelled"};
      log->push_back(std::string(names[static_cast<int>(phase)]) + " " + point(location));
    }
  };
  struct RecorderRepresentable : ViewRepresentable {
    Log* log;
    explicit RecorderRepresentable(Log* log) : log(log) {}
    std::shared_ptr<PlatformView> makeView() const override { return std::make_shared<Recorder>(log); }
  };
  Log log;
  ViewHost host(Representable(std::make_shared<RecorderRepresentable>(&log)).frame(40, 40));
  host.layout(Size{100, 100});
  auto touch = host.touches().down({35, 35});
  host.touches().move(touch, {40, 35});
  host.touches().up(touch);
  EXPECT_EQ(log, (Log{"began (5, 5)", "moved (10, 5)", "ended (10, 5)"}));
}

}  // namespace
}  // namespace platform::ui
