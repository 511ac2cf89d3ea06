#include "keyloom/services/ActionCalloutContext.h"

#include <gtest/gtest.h>

#include <vector>

#include "keyloom/gestures/HapticFeedbackEngine.h"
#include "keyloom/services/EnglishCalloutActionProvider.h"
#include "keyloom/services/PreviewKeyboardActionHandler.h"
#include "platform/input/Screen.h"
#include "testing/CalloutTesting.h"

namespace keyloom {
namespace {

using platform::Rect;
using platform::Size;
using platform::ui::HorizontalAlignment;
using testing::KeyGeometry;

class RecordingHapticEngine : public HapticFeedbackEngine {
 public:
  std::vector<HapticFeedback> triggered;
  void prepare(HapticFeedback) override {}
  void trigger(HapticFeedback feedback) override { triggered.push_back(feedback); }
};

class RecordingActionHandler : public KeyboardActionHandler {
 public:
  std::vector<std::pair<KeyboardGesture, KeyboardAction>> handled;
  bool canHandle(KeyboardGesture, const KeyboardAction&) override { return true; }
  void handle(const KeyboardAction& action) override { handled.emplace_back(KeyboardGesture::press, action); }
  void handle(KeyboardGesture gesture, const KeyboardAction& action) override { handled.emplace_back(gesture, action); }
  void handleDrag(const KeyboardAction&, platform::Point, platform::Point) override {}
};

// Three alternatives for every character key: x, y, z.
class ThreeActionProvider : public CalloutActionProvider {
 public:
  std::vector<KeyboardAction> calloutActions(const KeyboardAction& action) override {
    if (!action.isCharacterAction()) return {};
    return {KeyboardAction::character("x"), KeyboardAction::character("y"), KeyboardAction::character("z")};
  }
};

class ActionCalloutContextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::Screen::main().setPortraitSize(Size{400, 800});
    setHapticFeedbackEngine(haptics);
  }

  std::shared_ptr<RecordingHapticEngine> haptics = std::make_shared<RecordingHapticEngine>();
  std::shared_ptr<RecordingActionHandler> handler = std::make_shared<RecordingActionHandler>();
  std::shared_ptr<ActionCalloutContext> context =
      std::make_shared<ActionCalloutContext>(handler, std::make_shared<ThreeActionProvider>());
  // 60 wide, so a callout button is the standard 50.
  KeyGeometry leftKey{ActionCalloutContext::coordinateSpace(), Rect(20, 100, 60, 40)};
  KeyGeometry rightKey{ActionCalloutContext::coordinateSpace(), Rect(300, 100, 60, 40)};

  void open(const KeyGeometry& key, std::optional<HorizontalAlignment> alignment = std::nullopt) {
    context->updateInputs(KeyboardAction::character("a"), key.proxy(), alignment);
  }
  std::string selectedText() const {
    auto action = context->selectedAction();
    return action ? action->get<keyboard_action::Character>()->text : "<none>";
  }
};

TEST_F(ActionCalloutContextTest, OpeningMeasuresTheKeyAndSelectsTheFirstAction) {
  open(leftKey);
  EXPECT_TRUE(context->isActive());
  EXPECT_EQ(context->buttonFrame.get(), Rect(20, 100, 60, 40));
  EXPECT_TRUE(context->isLeading());
  EXPECT_EQ(context->selectedIndex.get(), 0);
  EXPECT_EQ(selectedText(), "x");
  EXPECT_EQ(haptics->triggered, std::vector<HapticFeedback>{HapticFeedback::selectionChanged});
}

TEST_F(ActionCalloutContextTest, LeadingSelectionByDragOffset) {
  open(leftKey);
  struct Step {
    double dx;
    int index;
  };
  // Past the last entry the last one stays selected.
  for (auto [dx, index] : {Step{0, 0}, Step{44.9, 0}, Step{45, 1}, Step{90, 2}, Step{135, 2}, Step{1e300, 2}}) {
    context->updateSelection(Size{dx, 0});
    EXPECT_EQ(context->selectedIndex.get(), index) << "dx " << dx;
  }
  EXPECT_EQ(haptics->triggered.size(), 3u) << "opening, then 0->1, 1->2; not on staying";

  context->updateSelection(Size{45, 0});
  const auto before = haptics->triggered.size();
  context->updateSelection(Size{-10, 0});
  EXPECT_EQ(context->selectedIndex.get(), 1) << "a leading callout ignores leftward drags";
  EXPECT_EQ(haptics->triggered.size(), before);
}

TEST_F(ActionCalloutContextTest, TrailingSelectionIsReversed) {
  open(rightKey);
  EXPECT_TRUE(context->isTrailing());
  ASSERT_EQ(context->actions.get().size(), 3u);
  EXPECT_EQ(context->actions.get().front(), KeyboardAction::character("z"));
  EXPECT_EQ(context->selectedIndex.get(), 2);
  EXPECT_EQ(selectedText(), "x") << "the provider's first action, next to the key";
  struct Step {
    double dx;
    int index;
  };
  for (auto [dx, index] : {Step{0, 2}, Step{-45, 1}, Step{-90, 0}, Step{-135, 0}, Step{-1e300, 0}, Step{-45, 1},
                           Step{30, 1}}) {
    context->updateSelection(Size{dx, 0});
    EXPECT_EQ(context->selectedIndex.get(), index) << "dx " << dx;
  }
}

TEST_F(ActionCalloutContextTest, SideFollowsTheKeyUnlessAnAlignmentIsGiven) {
  KeyGeometry midKey(ActionCalloutContext::coordinateSpace(), Rect(200, 100, 60, 40));
  open(midKey);
  EXPECT_TRUE(context->isLeading()) << "a key starting exactly at mid-screen";
  open(rightKey, HorizontalAlignment::leading);
  EXPECT_TRUE(context->isLeading());
  open(leftKey, HorizontalAlignment::trailing);
  EXPECT_TRUE(context->isTrailing());
  open(leftKey, HorizontalAlignment::center);
  EXPECT_TRUE(context->isLeading());
  EXPECT_EQ(context->selectedIndex.get(), 0);
}

TEST_F(ActionCalloutContextTest, SlidingPastTheOutermostEntryAndLiftingTypesTheOutermost) {
  open(leftKey);
  context->updateSelection(Size{400, 0});
  context->endDragGesture();
  ASSERT_EQ(handler->handled.size(), 1u);
  EXPECT_EQ(handler->handled[0].second, KeyboardAction::character("z"));
}

TEST_F(ActionCalloutContextTest, SideIsChosenAgainstTheCalloutSpaceNotTheScreen) {
  // A floating keyboard 200 wide on a 400-point screen: a key at x 150 lies
  // in its right half although it is in the screen's left half.
  KeyGeometry floatingKey(ActionCalloutContext::coordinateSpace(), Rect(150, 100, 40, 40), Size{200, 300});
  open(floatingKey);
  EXPECT_TRUE(context->isTrailing());
  // A wide keyboard on the same screen: x 300 is still its left half.
  KeyGeometry wideKey(ActionCalloutContext::coordinateSpace(), Rect(300, 100, 40, 40), Size{800, 300});
  open(wideKey);
  EXPECT_TRUE(context->isLeading());
}

TEST_F(ActionCalloutContextTest, DraggingDownPastTheKeyCloses) {
  open(leftKey);
  context->updateSelection(Size{45, 40});
  EXPECT_TRUE(context->isActive()) << "exactly the key's height keeps it open";
  context->updateSelection(Size{45, 41});
  EXPECT_FALSE(context->isActive());
  EXPECT_EQ(context->selectedIndex.get(), -1);
  EXPECT_EQ(context->buttonFrame.get(), Rect());
  context->endDragGesture();
  EXPECT_TRUE(handler->handled.empty()) << "closing by dragging down sends nothing";
}

TEST_F(ActionCalloutContextTest, EveryAcceptedDragNotifies) {
  open(leftKey);
  int notifications = 0;
  auto token = context->objectWillChange().sink([&] { ++notifications; });
  context->updateSelection(Size{10, 0});
  EXPECT_EQ(notifications, 1) << "same index, still assigned";
  context->updateSelection(std::nullopt);
  EXPECT_EQ(notifications, 1);
}

TEST_F(ActionCalloutContextTest, EndingTheDragCommitsTheSelectionAsARelease) {
  open(leftKey);
  context->updateSelection(Size{50, 0});
  context->endDragGesture();
  ASSERT_EQ(handler->handled.size(), 1u);
  EXPECT_EQ(handler->handled[0].first, KeyboardGesture::release);
  EXPECT_EQ(handler->handled[0].second, KeyboardAction::character("y"));
  EXPECT_FALSE(context->isActive());
  EXPECT_TRUE(context->isLeading()) << "reset keeps the alignment";

  context->endDragGesture();
  EXPECT_EQ(handler->handled.size(), 1u) << "nothing selected, nothing sent";
}

TEST_F(ActionCalloutContextTest, NoActionOrNoAlternativesLeaveItClosed) {
  open(leftKey);
  context->updateInputs(std::nullopt, leftKey.proxy());
  EXPECT_FALSE(context->isActive());
  EXPECT_EQ(context->buttonFrame.get(), Rect());

  const auto haptic = haptics->triggered.size();
  context->updateInputs(KeyboardAction::space(), rightKey.proxy());
  EXPECT_FALSE(context->isActive());
  EXPECT_EQ(context->buttonFrame.get(), Rect(300, 100, 60, 40));
  EXPECT_EQ(context->selectedIndex.get(), -1) << "trailing default of an empty list";
  EXPECT_FALSE(context->hasSelectedAction());
  EXPECT_EQ(haptics->triggered.size(), haptic);
}

TEST_F(ActionCalloutContextTest, ZeroWidthKeySelectsNoBogusIndex) {
  KeyGeometry thin(ActionCalloutContext::coordinateSpace(), Rect(20, 100, 0, 40));
  open(thin);
  context->updateSelection(Size{45, 0});
  EXPECT_EQ(context->selectedIndex.get(), 0);
  context->updateSelection(Size{0, 0});
  EXPECT_EQ(context->selectedIndex.get(), 0);
}

TEST_F(ActionCalloutContextTest, DisabledNeverOpensNorActs) {
  auto first = ActionCalloutContext::disabled();
  EXPECT_NE(first, ActionCalloutContext::disabled());
  first->updateInputs(KeyboardAction::character("e"), leftKey.proxy());
  EXPECT_FALSE(first->isActive());
  EXPECT_TRUE(haptics->triggered.empty());
}

TEST(PreviewKeyboardActionHandler, HandlesNothing) {
  auto handler = PreviewKeyboardActionHandler::preview();
  EXPECT_NE(handler, PreviewKeyboardActionHandler::preview());
  for (auto gesture : {KeyboardGesture::press, KeyboardGesture::release, KeyboardGesture::longPress})
    EXPECT_FALSE(handler->canHandle(gesture, KeyboardAction::character("a")));
  // A real callout over the no-op handler: committing a selection reaches nobody.
  ActionCalloutContext context(handler, std::make_shared<EnglishCalloutActionProvider>());
  KeyGeometry key(ActionCalloutContext::coordinateSpace(), Rect(0, 0, 60, 40));
  context.updateInputs(KeyboardAction::character("e"), key.proxy(), HorizontalAlignment::leading);
  context.updateSelection(Size{45, 0});
  EXPECT_EQ(context.selectedAction(), KeyboardAction::character("\u00E8"));
  context.endDragGesture();
  EXPECT_FALSE(context.isActive());
}

}  // namespace
}  // namespace keyloom
