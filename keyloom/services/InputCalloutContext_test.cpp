#include "keyloom/services/InputCalloutContext.h"

#include <gtest/gtest.h>

#include <vector>

#include "keyloom/services/KeyboardCalloutContext.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/MainQueue.h"
#include "testing/CalloutTesting.h"

namespace keyloom {
namespace {

using platform::MainQueue;
using platform::Rect;
using testing::KeyGeometry;

const Rect keyFrame(10, 20, 30, 40);

class InputCalloutContextTest : public ::testing::Test {
 protected:
  std::shared_ptr<InputCalloutContext> context = std::make_shared<InputCalloutContext>(true);
  KeyGeometry key{InputCalloutContext::coordinateSpace(), keyFrame};
  KeyGeometry otherKey{InputCalloutContext::coordinateSpace(), Rect(50, 20, 30, 40)};

  void press(const std::optional<KeyboardAction>& action, const KeyGeometry& where) {
    context->updateInput(action, where.proxy());
  }
};

TEST_F(InputCalloutContextTest, OnlyCharactersAndEmojisShowAndOnlyWhileEnabled) {
  press(KeyboardAction::character("a"), key);
  EXPECT_EQ(context->input(), "a");
  EXPECT_TRUE(context->isActive());
  EXPECT_EQ(context->buttonFrame.get(), keyFrame) << "measured in the input callout's space";

  context->isEnabled.set(false);
  EXPECT_EQ(context->input(), "a");
  EXPECT_FALSE(context->isActive());
  context->isEnabled.set(true);

  press(KeyboardAction::emoji(Emoji("\U0001F600")), key);
  EXPECT_EQ(context->input(), "\U0001F600");

  press(KeyboardAction::backspace(), otherKey);
  EXPECT_EQ(context->action.get(), KeyboardAction::backspace());
  EXPECT_EQ(context->buttonFrame.get(), Rect(50, 20, 30, 40));
  EXPECT_FALSE(context->input());
  EXPECT_FALSE(context->isActive());

  press(std::nullopt, key);
  EXPECT_FALSE(context->action.get());
  EXPECT_EQ(context->buttonFrame.get(), keyFrame) << "still measured";
}

TEST_F(InputCalloutContextTest, ResetClearsActionAndFrameOnly) {
  context->minimumVisibleDuration = 0.2;
  press(KeyboardAction::character("a"), key);
  const auto date = context->lastActionDate;
  context->reset();
  EXPECT_FALSE(context->action.get());
  EXPECT_EQ(context->buttonFrame.get(), Rect());
  EXPECT_TRUE(context->isEnabled.get());
  EXPECT_EQ(context->minimumVisibleDuration, 0.2);
  EXPECT_EQ(context->lastActionDate, date);
}

TEST_F(InputCalloutContextTest, DelayedResetShowsTheCalloutForTheMinimumTime) {
  press(KeyboardAction::character("a"), key);
  context->resetWithDelay();
  MainQueue::main().advance(0.049);
  EXPECT_TRUE(context->isActive());
  MainQueue::main().advance(0.001);
  EXPECT_FALSE(context->isActive());
  EXPECT_EQ(context->buttonFrame.get(), Rect());
}

TEST_F(InputCalloutContextTest, APressWithinTheDelayKeepsTheNewCallout) {
  press(KeyboardAction::character("a"), key);
  context->resetWithDelay();
  MainQueue::main().advance(0.02);
  press(KeyboardAction::character("b"), otherKey);
  MainQueue::main().advance(1);
  EXPECT_EQ(context->input(), "b");
}

TEST_F(InputCalloutContextTest, APressAtTheSameClockReadingStillWins) {
  press(KeyboardAction::character("a"), key);
  context->resetWithDelay();
  press(KeyboardAction::character("b"), otherKey);  // no time has passed
  MainQueue::main().advance(1);
  EXPECT_EQ(context->input(), "b");
}

TEST_F(InputCalloutContextTest, OfTwoReleasesOnlyTheLastResets) {
  press(KeyboardAction::character("a"), key);
  context->resetWithDelay();
  MainQueue::main().advance(0.01);
  context->resetWithDelay();
  MainQueue::main().advance(0.045);
  EXPECT_TRUE(context->isActive()) << "the first release's reset is skipped";
  MainQueue::main().advance(0.005);
  EXPECT_FALSE(context->isActive());
}

TEST_F(InputCalloutContextTest, TheDelayIsReadAtRelease) {
  context->minimumVisibleDuration = 0;
  press(KeyboardAction::character("a"), key);
  context->resetWithDelay();
  context->minimumVisibleDuration = 5;
  EXPECT_TRUE(context->isActive());
  MainQueue::main().runUntilIdle();
  EXPECT_FALSE(context->isActive());
}

TEST_F(InputCalloutContextTest, APendingResetKeepsTheContextAlive) {
  press(KeyboardAction::character("a"), key);
  context->resetWithDelay();
  std::weak_ptr<InputCalloutContext> weak = context;
  context.reset();
  EXPECT_FALSE(weak.expired());
  MainQueue::main().advance(0.05);
  EXPECT_TRUE(weak.expired());
}

TEST(KeyboardCalloutContext, DisabledIsANewInertPairEveryTime) {
  auto first = KeyboardCalloutContext::disabled();
  auto second = KeyboardCalloutContext::disabled();
  EXPECT_NE(first, second);
  EXPECT_NE(first->action(), second->action());
  EXPECT_NE(first->input(), second->input());
  EXPECT_FALSE(first->input()->isEnabled.get());
  EXPECT_NE(InputCalloutContext::disabled(), InputCalloutContext::disabled());

  KeyGeometry key(ActionCalloutContext::coordinateSpace(), keyFrame);
  first->action()->updateInputs(KeyboardAction::character("e"), key.proxy());
  EXPECT_FALSE(first->action()->isActive());
}

TEST(KeyboardCalloutContext, ReplacingAMemberAnnouncesAChangeBeforeStoringIt) {
  auto context = KeyboardCalloutContext::disabled();
  auto oldInput = context->input();
  auto oldAction = context->action();
  std::vector<bool> sawOldMember;
  auto token = context->objectWillChange().sink([&] {
    sawOldMember.push_back(context->input() == oldInput && context->action() == oldAction);
  });
  auto replacement = InputCalloutContext::disabled();
  context->setInput(replacement);
  EXPECT_EQ(context->input(), replacement);
  oldInput = replacement;
  context->setAction(ActionCalloutContext::disabled());
  EXPECT_EQ(sawOldMember, (std::vector<bool>{true, true}));
}

}  // namespace
}  // namespace keyloom
