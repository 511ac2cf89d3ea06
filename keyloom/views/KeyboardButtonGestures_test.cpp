#include "keyloom/views/KeyboardButtonGestures.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "keyloom/gestures/GestureButton.h"
#include "keyloom/gestures/GestureButtonDefaults.h"
#include "keyloom/gestures/ScrollViewGestureButton.h"
#include "keyloom/services/DisabledCalloutActionProvider.h"
#include "keyloom/services/NextKeyboardController.h"
#include "keyloom/state/RepeatGestureTimer.h"
#include "keyloom/views/NextKeyboardButton.h"
#include "platform/foundation/MainQueue.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/UI.h"
#include "platform/ui/ViewHost.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using Log = std::vector<std::string>;

void advance(double seconds) { platform::MainQueue::main().advance(seconds); }

std::string name(const KeyboardAction& action) {
  if (action == KeyboardAction::space()) return "space";
  if (auto* c = action.get<keyboard_action::Character>()) return c->text;
  return "other";
}

std::string point(platform::Point p) {
  return "(" + std::to_string(static_cast<int>(p.x)) + "," + std::to_string(static_cast<int>(p.y)) + ")";
}

// Records every call of the key's binding, handler and callouts in one log.
class RecordingActionHandler : public KeyboardActionHandler {
 public:
  explicit RecordingActionHandler(Log& log) : log_(log) {}
  bool canHandle(KeyboardGesture, const KeyboardAction&) override { return true; }
  void handle(const KeyboardAction& action) override { log_.push_back("standard " + name(action)); }
  void handle(KeyboardGesture gesture, const KeyboardAction& action) override {
    log_.push_back(std::string(rawValue(gesture)) + " " + name(action));
  }
  void handleDrag(const KeyboardAction& on, platform::Point from, platform::Point to) override {
    log_.push_back("drag " + name(on) + " " + point(from) + "->" + point(to));
  }

 private:
  Log& log_;
};

class RecordingInputCallout : public InputCalloutContext {
 public:
  explicit RecordingInputCallout(Log& log) : InputCalloutContext(true), log_(log) {}
  void updateInput(const std::optional<KeyboardAction>& action, const ui::GeometryProxy& geometry) override {
    log_.push_back("input shows " + (action ? name(*action) : "none") + " " +
                   std::to_string(static_cast<int>(geometry.size().width)));
  }
  void reset() override { log_.push_back("input reset"); }
  void resetWithDelay() override { log_.push_back("input reset with delay"); }

 private:
  Log& log_;
};

// Opens with `secondary` on a long press; a drag right by 30 points selects
// the first entry.
class RecordingActionCallout : public ActionCalloutContext {
 public:
  RecordingActionCallout(Log& log, std::shared_ptr<KeyboardActionHandler> handler,
                         std::vector<KeyboardAction> secondary)
      : ActionCalloutContext(std::move(handler), std::make_shared<DisabledCalloutActionProvider>()),
        log_(log),
        secondary_(std::move(secondary)) {}
  void updateInputs(const std::optional<KeyboardAction>& action, const ui::GeometryProxy&,
                    std::optional<ui::HorizontalAlignment> alignment) override {
    log_.push_back(std::string("callout opens for ") + (action ? name(*action) : "none") +
                   (alignment ? " aligned" : ""));
    actions.set(secondary_);
  }
  void updateSelection(const std::optional<platform::Size>& translation) override {
    if (translation && translation->width >= 30 && isActive()) selectedIndex.set(0);
  }
  void endDragGesture() override {
    log_.push_back("callout ends");
    handleSelectedAction();
  }
  void reset() override {
    log_.push_back("callout reset");
    actions.set({});
    selectedIndex.set(-1);
  }

 private:
  Log& log_;
  std::vector<KeyboardAction> secondary_;
};

Log without(const Log& log, const std::string& prefix) {
  Log result;
  for (const auto& entry : log) {
    if (entry.rfind(prefix, 0) != 0) result.push_back(entry);
  }
  return result;
}

// One 100×40 key with its top-left corner at (200, 100) in a 500×300 host,
// bound through the handler form.
struct Fixture {
  Log log;
  bool pressed = false;
  std::shared_ptr<RecordingActionHandler> handler = std::make_shared<RecordingActionHandler>(log);
  std::shared_ptr<KeyboardCalloutContext> callouts;
  std::unique_ptr<ui::ViewHost> host;

  explicit Fixture(KeyboardAction action = KeyboardAction::character("a"), bool withCallouts = true,
                   std::vector<KeyboardAction> secondary = {}, bool isInScrollView = false) {
    if (withCallouts) {
      callouts = std::make_shared<KeyboardCalloutContext>(
          std::make_shared<RecordingActionCallout>(log, handler, std::move(secondary)),
          std::make_shared<RecordingInputCallout>(log));
    }
    auto isPressed = ui::Binding<bool>([this] { return pressed; }, [this](bool value) { pressed = value; });
    ui::View key = keyboardGestures(ui::View(ui::Color::red()).frame(100, 40), action, handler, callouts,
                                    isInScrollView, isPressed);
    host = std::make_unique<ui::ViewHost>(ui::ZStack(
        ui::Alignment::topLeading(), {ui::View(ui::Color::clear()).frame(500, 300), key.position(250, 120)}));
    host->layout(platform::Size{500, 300});
    advance(1);  // far from the host's creation, so a first tap is never a double tap
  }

  void tap(platform::Point at = {210, 110}) { host->touches().tap(at); }
  Log take() { return std::exchange(log, {}); }
  // The handler's gesture calls only.
  Log gestures() { return without(without(without(take(), "drag"), "input"), "callout"); }
};

TEST(KeyboardButtonGestures, TapFeedsHandlerAndCalloutsInOrder) {
  Fixture f;
  auto touch = f.host->touches().down({210, 110});
  EXPECT_TRUE(f.pressed);
  f.host->touches().move(touch, {230, 115});
  f.host->touches().up(touch);
  EXPECT_FALSE(f.pressed);
  EXPECT_EQ(f.take(), (Log{"press a", "input shows a 100", "drag a (10,10)->(10,10)", "drag a (10,10)->(30,15)",
                           "release a", "callout ends", "input reset with delay", "callout reset"}));
  advance(2);
  EXPECT_TRUE(f.take().empty());
  EXPECT_FALSE(RepeatGestureTimer::shared()->isActive());
}

TEST(KeyboardButtonGestures, QuickSecondTapIsADoubleTap) {
  Fixture f(KeyboardAction::character("a"), false);
  f.tap();
  advance(0.1);
  f.tap();
  EXPECT_EQ(f.gestures(), (Log{"press a", "release a", "press a", "doubleTap a", "release a"}));
}

TEST(KeyboardButtonGestures, HeldKeyLongPressesThenRepeatsOnTheClock) {
  Fixture f(KeyboardAction::character("a"), false);
  auto touch = f.host->touches().down({210, 110});
  advance(0.45);
  EXPECT_EQ(f.gestures(), (Log{"press a"}));
  advance(0.05);
  EXPECT_EQ(f.gestures(), (Log{"longPress a"}));
  advance(0.1);
  EXPECT_EQ(f.gestures(), (Log{"repeatPress a"}));
  advance(0.2);
  EXPECT_EQ(f.gestures(), (Log{"repeatPress a", "repeatPress a"}));
  f.host->touches().up(touch);
  EXPECT_EQ(f.gestures(), (Log{"release a"}));
  advance(1);
  EXPECT_TRUE(f.take().empty());
}

TEST(KeyboardButtonGestures, LongPressOnSpaceSuppressesOnlyThatRelease) {
  Fixture f(KeyboardAction::space());
  auto touch = f.host->touches().down({210, 110});
  advance(0.65);
  f.host->touches().up(touch);
  EXPECT_EQ(f.gestures(), (Log{"press space", "longPress space", "repeatPress space"}));
  advance(1);
  f.tap();
  EXPECT_EQ(f.gestures(), (Log{"press space", "release space"})) << "the next touch releases again";
}

TEST(KeyboardButtonGestures, SelectedCalloutEntryReplacesTheKeysRelease) {
  Fixture f(KeyboardAction::character("e"), true, {KeyboardAction::character("é")});
  auto touch = f.host->touches().down({210, 110});
  advance(0.5);
  EXPECT_EQ(without(f.take(), "drag"), (Log{"press e", "input shows e 100", "callout opens for e", "input reset",
                                            "longPress e"}));
  f.host->touches().move(touch, {250, 110});
  f.host->touches().up(touch);
  EXPECT_EQ(without(f.take(), "drag"),
            (Log{"callout ends", "release é", "input reset with delay", "callout reset"}));
}

TEST(KeyboardButtonGestures, EmptyCalloutKeepsTheInputCalloutAndTheRelease) {
  Fixture f(KeyboardAction::character("q"));
  auto touch = f.host->touches().down({210, 110});
  advance(0.5);
  f.host->touches().move(touch, {250, 110});
  f.host->touches().up(touch);
  EXPECT_EQ(without(f.take(), "drag"),
            (Log{"press q", "input shows q 100", "callout opens for q", "longPress q", "release q",
                 "callout ends", "input reset with delay", "callout reset"}));
}

TEST(KeyboardButtonGestures, ReleaseOutsideCountsWithinOneKeySizeAround) {
  // Key-local end points; the key is 100×40 and the tolerance 1.0.
  struct Case {
    platform::Point end;
    bool released;
  };
  const std::vector<Case> cases = {
      {{150, 20}, true},   {{199, 20}, true},  {{200, 20}, false}, {{250, 20}, false},
      {{-100, 20}, true},  {{-101, 20}, false}, {{50, 60}, true},   {{50, 79}, true},
      {{50, 80}, false},   {{50, -40}, true},  {{50, -41}, false}, {{-100, -40}, true},
  };
  for (const auto& c : cases) {
    Fixture f(KeyboardAction::character("a"), false);
    auto touch = f.host->touches().down({250, 120});
    f.host->touches().move(touch, {200 + c.end.x, 100 + c.end.y});
    f.host->touches().up(touch);
    const Log expected = c.released ? Log{"press a", "release a"} : Log{"press a"};
    EXPECT_EQ(f.gestures(), expected) << point(c.end);
  }
}

TEST(KeyboardButtonGestures, ToleranceRectangleIsHalfOpenAndScalesWithTheTolerance) {
  const platform::Size key{100, 40};
  EXPECT_TRUE(KeyboardButtonGestures::isWithinReleaseTolerance({-50, -20}, key, 0.5));
  EXPECT_FALSE(KeyboardButtonGestures::isWithinReleaseTolerance({150, 0}, key, 0.5));
  EXPECT_FALSE(KeyboardButtonGestures::isWithinReleaseTolerance({101, 10}, key, 0));
  EXPECT_TRUE(KeyboardButtonGestures::isWithinReleaseTolerance({0, 0}, key, 0));
}

TEST(KeyboardButtonGestures, NextKeyboardKeyBecomesThePlatformButton) {
  auto simulated = platform::SimulatedHost::make();
  auto controller = simulated->presentKeyboard([] { return std::make_shared<platform::InputViewController>(); });
  NextKeyboardController::setShared(controller);
  Fixture f(KeyboardAction::nextKeyboard());
  EXPECT_EQ(f.host->findAllOfType<NextKeyboardButton>().size(), 1u);
  EXPECT_TRUE(f.host->findAllOfType<KeyboardButtonGestures>().empty());
  f.tap({250, 120});
  advance(1);
  EXPECT_TRUE(f.take().empty()) << "no handler or callout call";
  EXPECT_FALSE(simulated->records().inputModeListCalls.empty()) << "the touches reach the input-mode list";
}

TEST(KeyboardButtonGestures, ScrollViewKeysUseTheScrollViewButton) {
  Fixture f(KeyboardAction::character("a"), false, {}, true);
  EXPECT_EQ(f.host->findAllOfType<ScrollViewGestureButton>().size(), 1u);
  EXPECT_TRUE(f.host->findAllOfType<GestureButton>().empty());
  f.tap();
  EXPECT_EQ(f.gestures(), (Log{"press a", "release a"}));
}

TEST(KeyboardButtonGestures, TimingDefaultsAreReadWhenTheKeyIsEvaluated) {
  GestureButtonDefaults::longPressDelay() = 1.0;
  GestureButtonDefaults::repeatDelay() = 2.0;
  Fixture f(KeyboardAction::character("a"), false);
  f.host->touches().down({210, 110});
  advance(0.9);
  EXPECT_EQ(f.gestures(), (Log{"press a"}));
  advance(0.1);
  EXPECT_EQ(f.gestures(), (Log{"longPress a"}));
}

TEST(KeyboardButtonGestures, ClosureFormSkipsAbsentClosures) {
  Log log;
  ui::View key = keyboardButtonGestures(ui::View(ui::Color::red()).frame(100, 40), KeyboardAction::character("a"),
                                        nullptr, ui::Binding<bool>::constant(false), false, 1.0, {}, {},
                                        [&log] { log.push_back("press"); }, {}, {}, {});
  ui::ViewHost host(key);
  host.layout(platform::Size{100, 40});
  advance(1);
  auto touch = host.touches().down({50, 20});
  advance(1);
  host.touches().up(touch);
  EXPECT_EQ(log, (Log{"press"}));
}

}  // namespace
}  // namespace keyloom
