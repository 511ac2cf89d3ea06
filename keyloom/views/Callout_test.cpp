#include <gtest/gtest.h>

#include "keyloom/views/ActionCallout.h"
#include "keyloom/views/CalloutButtonArea.h"
#include "keyloom/views/InputCallout.h"
#include "testing/SystemKeyboardTesting.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using platform::Rect;
using platform::Size;

KeyboardCalloutStyle calloutStyle() {
  KeyboardCalloutStyle style = KeyboardCalloutStyle::standard();
  style.buttonInset = Size{3, 6};
  style.cornerRadius = 10;
  style.buttonCornerRadius = 4;
  style.curveSize = Size{8, 15};
  return style;
}

KeyboardInputCalloutStyle inputStyle() {
  KeyboardInputCalloutStyle style = KeyboardInputCalloutStyle::standard();
  style.callout = calloutStyle();
  style.calloutSize = Size{50, 55};
  return style;
}

struct Input {
  std::shared_ptr<InputCalloutContext> context = std::make_shared<InputCalloutContext>(true);
  std::shared_ptr<KeyboardContext> keyboard = std::make_shared<KeyboardContext>();
  InputCallout callout{context, keyboard, inputStyle()};

  void press(const KeyboardAction& action, Rect frame) {
    context->action.set(action);
    context->buttonFrame.set(frame);
  }
};

TEST(InputCallout, PortraitPhoneBubbleIsAtLeastTheCalloutSizeAndStandsOnTheKey) {
  Input input;
  input.keyboard->deviceType.set(DeviceType::phone);
  input.press(KeyboardAction::character("a"), Rect(100, 100, 26, 54));
  const Rect key = input.callout.keyFrame();
  EXPECT_EQ(key, Rect(103, 106, 20, 42));
  EXPECT_EQ(input.callout.bubbleSize(), (Size{50, 55}));
  // Bubble above the foot, the stack's bottom on the key's bottom.
  const auto center = input.callout.position();
  EXPECT_DOUBLE_EQ(center.x, key.midX());
  EXPECT_DOUBLE_EQ(center.y + (55 + key.height()) / 2, key.maxY());
}

TEST(InputCallout, LandscapePhoneBubbleIsAsTallAsTheKeyButNotOnAPad) {
  Input input;
  input.keyboard->interfaceOrientation.set(InterfaceOrientation::landscapeLeft);
  input.press(KeyboardAction::character("a"), Rect(0, 0, 60, 40));
  input.keyboard->deviceType.set(DeviceType::phone);
  EXPECT_TRUE(input.callout.isPhoneLandscape());
  EXPECT_DOUBLE_EQ(input.callout.bubbleSize().height, 28);
  input.keyboard->deviceType.set(DeviceType::pad);
  EXPECT_FALSE(input.callout.isPhoneLandscape());
  EXPECT_DOUBLE_EQ(input.callout.bubbleSize().height, 55);
}

TEST(InputCallout, WideKeysWidenTheBubbleAndEmojisSitLower) {
  Input input;
  input.press(KeyboardAction::character("a"), Rect(0, 0, 106, 40));
  EXPECT_DOUBLE_EQ(input.callout.bubbleSize().width, 100 + 2 * 8 + 10);
  const double characterY = input.callout.position().y;
  input.press(KeyboardAction::emoji(Emoji("\U0001F600")), Rect(0, 0, 106, 40));
  EXPECT_DOUBLE_EQ(input.callout.position().y, characterY + 5);
}

TEST(InputCallout, InvisibleWithoutInputOrWhenDisabledAndNeverTakesTouches) {
  Input input;
  ui::ViewHost host(keyboardInputCallout(ui::Color::white(), input.context, input.keyboard, inputStyle()));
  host.layout(Size{300, 200});
  auto opacity = [&] {
    auto stack = host.findAll(ui::NodeKind::vstack).at(0);
    for (const auto& m : stack->modifiers()) {
      if (auto* o = m.as<ui::Opacity>()) return o->value;
    }
    return 1.0;
  };
  EXPECT_EQ(opacity(), 0);
  input.press(KeyboardAction::backspace(), Rect(100, 100, 40, 40));
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(opacity(), 0) << "no text for a backspace";
  input.press(KeyboardAction::character("a"), Rect(100, 100, 40, 40));
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(opacity(), 1);
  // The touch lands on the view beneath, not on the callout.
  auto hits = host.hitTest({120, 60});
  ASSERT_FALSE(hits.empty());
  EXPECT_TRUE(host.findAllOfType<InputCallout>().at(0)->find(
                  [&](const ui::Node& n) { return &n == hits.front().node.get(); }) == nullptr);
  input.context->isEnabled.set(false);
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(opacity(), 0);
}

TEST(InputCallout, OnlyTextItShowsIsSetInTheCalloutsFont) {
  // A hidden callout measures an empty text: in the callout's own font that
  // would load a font no glyph is drawn in.
  Input input;
  ui::ViewHost host(keyboardInputCallout(ui::Color::white(), input.context, input.keyboard, inputStyle()));
  host.layout(Size{300, 200});
  const ui::Font calloutFont = inputStyle().font.font();
  EXPECT_NE(host.findText("")->resolvedFont(), calloutFont);
  input.press(KeyboardAction::character("a"), Rect(100, 100, 40, 40));
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(host.findText("a")->resolvedFont(), calloutFont);
  const Size shown = host.findAllOfType<InputCallout>().at(0)->frame.size;
  input.context->action.set(std::nullopt);
  platform::MainQueue::main().runUntilIdle();
  host.layout(Size{300, 200});
  ASSERT_NE(host.findText(""), nullptr);
  EXPECT_EQ(host.findAllOfType<InputCallout>().at(0)->frame.size, shown) << "the bubble keeps its size";
}

KeyboardActionCalloutStyle actionStyle() {
  KeyboardActionCalloutStyle style = KeyboardActionCalloutStyle::standard();
  style.callout = calloutStyle();
  style.maxButtonSize = Size{50, 50};
  style.verticalTextPadding = 5;
  style.verticalOffset = 0;
  return style;
}

struct Action {
  std::shared_ptr<ActionCalloutContext> context = ActionCalloutContext::disabled();
  std::shared_ptr<KeyboardContext> keyboard = std::make_shared<KeyboardContext>();
  ActionCallout callout{context, keyboard, actionStyle(), EmojiKeyboardStyle::standardPhonePortrait()};

  void open(std::vector<KeyboardAction> actions, Rect frame, bool trailing = false) {
    context->buttonFrame.set(frame);
    context->alignment.set(trailing ? ui::HorizontalAlignment::trailing : ui::HorizontalAlignment::leading);
    context->actions.set(std::move(actions));
  }
};

TEST(ActionCallout, EntryWidthForOneAndForSeveralActions) {
  Action action;
  action.keyboard->deviceType.set(DeviceType::phone);
  action.open({KeyboardAction::character("a")}, Rect(0, 0, 36, 52));
  EXPECT_EQ(action.callout.keyFrame(), Rect(3, 6, 30, 40));
  EXPECT_EQ(action.callout.entrySize(), (Size{36, 40}));
  action.open({KeyboardAction::character("a")}, Rect(0, 0, 56, 52));
  EXPECT_EQ(action.callout.entrySize(), (Size{50, 40})) << "capped by the largest button";
  action.open({KeyboardAction::character("a"), KeyboardAction::character("b")}, Rect(0, 0, 36, 52));
  EXPECT_EQ(action.callout.entrySize(), (Size{30, 40}));
}

TEST(ActionCallout, EmojiFirstUsesTheWholeKeyFrame) {
  Action action;
  action.open({KeyboardAction::emoji(Emoji("\U0001F600"))}, Rect(10, 20, 40, 40));
  EXPECT_EQ(action.callout.keyFrame(), Rect(10, 20, 40, 40));
}

TEST(ActionCallout, LeadingStartsAtTheKeyAndTrailingEndsAtIt) {
  Action action;
  const std::vector<KeyboardAction> three{KeyboardAction::character("a"), KeyboardAction::character("b"),
                                          KeyboardAction::character("c")};
  action.open(three, Rect(100, 100, 36, 52));
  const Rect key = action.callout.keyFrame();
  const double half = 30 * 3 * 0.5;
  EXPECT_DOUBLE_EQ(action.callout.position().x, key.minX() + half);
  EXPECT_DOUBLE_EQ(action.callout.position().y, key.minY() - 5);
  action.open(three, Rect(100, 100, 36, 52), true);
  EXPECT_DOUBLE_EQ(action.callout.position().x, key.maxX() - half);
}

TEST(ActionCallout, APadFloatsTheBubbleWithoutAFootAndRoundsEveryCorner) {
  for (const DeviceType device : {DeviceType::phone, DeviceType::pad}) {
    for (const bool trailing : {false, true}) {
      Action action;
      action.keyboard->deviceType.set(device);
      ui::ViewHost host(keyboardActionCallout(ui::Color::white(), action.context, action.keyboard,
                                              actionStyle(), EmojiKeyboardStyle::standardPhonePortrait()));
      host.layout(Size{300, 300});
      action.open({KeyboardAction::character("a"), KeyboardAction::character("b")}, Rect(100, 150, 36, 52),
                  trailing);
      platform::MainQueue::main().runUntilIdle();
      const auto foot = host.findAllOfType<CalloutButtonArea>().at(0);
      double footOpacity = 1;
      for (const auto& m : foot->modifiers()) {
        if (auto* o = m.as<ui::Opacity>()) footOpacity = o->value;
      }
      EXPECT_EQ(footOpacity, device == DeviceType::pad ? 0 : 1);
      const double small = device == DeviceType::pad ? 10 : 2;
      const std::string dump = host.dump();
      const std::string expected =
          trailing ? "CustomRoundedRectangle(10, 10, 10, " + std::to_string(static_cast<int>(small)) + ")"
                   : "CustomRoundedRectangle(10, 10, " + std::to_string(static_cast<int>(small)) + ", 10)";
      EXPECT_NE(dump.find(expected), std::string::npos) << expected;
    }
  }
}

TEST(ActionCallout, SelectedEntryColoursAndATapCloses) {
  Action action;
  ui::ViewHost host(keyboardActionCallout(ui::Color::white(), action.context, action.keyboard, actionStyle(),
                                          EmojiKeyboardStyle::standardPhonePortrait()));
  host.layout(Size{300, 300});
  action.open({KeyboardAction::character("a"), KeyboardAction::character("b")}, Rect(100, 150, 36, 52));
  action.context->selectedIndex.set(1);
  platform::MainQueue::main().runUntilIdle();
  auto selected = host.findAttached(ActionCalloutEntry{KeyboardAction::character("b")});
  auto other = host.findAttached(ActionCalloutEntry{KeyboardAction::character("a")});
  ASSERT_TRUE(selected && other);
  const std::string selectedDump = selected->dump();
  EXPECT_NE(selectedDump.find(actionStyle().selectedBackgroundColor.description()), std::string::npos);
  EXPECT_EQ(other->dump().find(actionStyle().selectedBackgroundColor.description()), std::string::npos);
  host.touches().tap({selected->frame.midX(), selected->frame.midY()});
  platform::MainQueue::main().runUntilIdle();
  EXPECT_FALSE(action.context->isActive());
}

}  // namespace
}  // namespace keyloom
