#include "apps/keyboard-simulator/SimulatorFinger.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "keyloom/gestures/RepeatGestureTimer.h"
#include "platform/foundation/MainQueue.h"

namespace keyboard_simulator {
namespace {

using keyloom::KeyboardAction;
using keyloom::KeyboardGesture;

// Records the gestures as "gesture key" strings.
struct FingerTest : ::testing::Test {
  std::vector<std::string> gestures;
  SimulatorFinger finger{[this](KeyboardGesture gesture, const KeyboardAction& action) {
    std::string name(keyloom::rawValue(gesture));
    if (auto character = action.get<keyloom::keyboard_action::Character>()) name += " " + character->text;
    if (action.is<keyloom::keyboard_action::Space>()) name += " space";
    gestures.push_back(name);
  }};
  const KeyboardAction a = KeyboardAction::character("a");
  const KeyboardAction b = KeyboardAction::character("b");
};

TEST_F(FingerTest, ATapIsAPressAndARelease) {
  finger.tap(a);
  platform::MainQueue::main().advance(2);
  EXPECT_EQ(gestures, (std::vector<std::string>{"press a", "release a"}));
}

TEST_F(FingerTest, TwoQuickReleasesOfOneKeyAreADoubleTapButAThirdIsNot) {
  finger.tap(a);
  platform::MainQueue::main().advance(0.15);
  finger.tap(a);
  platform::MainQueue::main().advance(0.15);
  finger.tap(a);
  platform::MainQueue::main().advance(0.15);
  finger.tap(b);
  EXPECT_EQ(gestures, (std::vector<std::string>{"press a", "release a", "press a", "doubleTap a", "release a",
                                                "press a", "release a", "press b", "release b"}));
}

TEST_F(FingerTest, ASlowSecondTapIsNoDoubleTap) {
  finger.tap(a);
  platform::MainQueue::main().advance(0.2);
  finger.tap(a);
  EXPECT_EQ(gestures, (std::vector<std::string>{"press a", "release a", "press a", "release a"}));
}

TEST_F(FingerTest, AHeldKeyLongPressesThenRepeatsUntilLifted) {
  finger.hold(a, 0.85);
  // Long press at 0.5 s; the repeat timer starts at 0.5 s and ticks at 0.6, 0.7, 0.8.
  EXPECT_EQ(gestures, (std::vector<std::string>{"press a", "longPress a", "repeatPress a", "repeatPress a",
                                                "repeatPress a", "release a"}));
  EXPECT_FALSE(keyloom::RepeatGestureTimer::shared()->isActive());
  gestures.clear();
  platform::MainQueue::main().advance(2);
  EXPECT_TRUE(gestures.empty()) << "nothing of the lifted touch runs later";
}

TEST_F(FingerTest, AShortHoldNeitherLongPressesNorRepeats) {
  finger.hold(a, 0.4);
  platform::MainQueue::main().advance(2);
  EXPECT_EQ(gestures, (std::vector<std::string>{"press a", "release a"}));
}

TEST_F(FingerTest, TheSpaceBarIsNotReleasedAfterALongPress) {
  finger.hold(KeyboardAction::space(), 0.55);
  platform::MainQueue::main().advance(0.5);
  finger.tap(KeyboardAction::space());
  EXPECT_EQ(gestures, (std::vector<std::string>{"press space", "longPress space", "press space", "release space"}));
}

}  // namespace
}  // namespace keyboard_simulator
