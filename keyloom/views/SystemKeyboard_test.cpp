#include "keyloom/views/SystemKeyboard.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "keyloom/services/DisabledCalloutActionProvider.h"
#include "keyloom/views/ActionCallout.h"
#include "keyloom/views/AutocompleteToolbar.h"
#include "keyloom/views/EmojiCategoryKeyboard.h"
#include "keyloom/views/InputCallout.h"
#include "testing/SystemKeyboardTesting.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using testing::HostedKeyboard;
using Mode = SystemKeyboard::AutocompleteToolbarMode;

KeyboardAction ch(const char* text) { return KeyboardAction::character(text); }

std::shared_ptr<ui::Node> toolbarNode(const HostedKeyboard& keyboard) {
  auto found = keyboard.host->findAllOfType<AutocompleteToolbar>();
  return found.empty() ? nullptr : found.front();
}

double opacityOf(const ui::Node& node) {
  for (const auto& modifier : node.modifiers()) {
    if (auto* opacity = modifier.as<ui::Opacity>()) return opacity->value;
  }
  return 1;
}

TEST(SystemKeyboard, DrawsEveryRowLeftToRightWithTheToolbarAbove) {
  HostedKeyboard keyboard;
  keyboard.show({390, 262});
  auto q = keyboard.key(ch("q"));
  auto p = keyboard.key(ch("p"));
  auto a = keyboard.key(ch("a"));
  auto space = keyboard.key(KeyboardAction::space());
  ASSERT_TRUE(q && p && a && space);
  EXPECT_LT(q->frame.minX(), p->frame.minX());
  EXPECT_LT(q->frame.minY(), a->frame.minY());
  EXPECT_LT(a->frame.maxY(), space->frame.minY());
  // A letter key is one input width wide, insets included.
  EXPECT_DOUBLE_EQ(q->frame.width(),
                   keyboard.layoutProvider->keyboardLayout(*keyboard.context)->inputWidth(390));
  auto toolbar = toolbarNode(keyboard);
  ASSERT_TRUE(toolbar);
  EXPECT_LE(toolbar->frame.maxY(), q->frame.minY());
  EXPECT_EQ(keyboard.host->findAllOfType<ActionCallout>().size(), 1u);
  EXPECT_EQ(keyboard.host->findAllOfType<InputCallout>().size(), 1u);
}

TEST(SystemKeyboard, ToolbarFollowsTheModeTheKeyboardTypeAndThePreference) {
  HostedKeyboard none;
  none.show({390, 262}, none.makeKeyboard(Mode::none));
  EXPECT_FALSE(toolbarNode(none));

  HostedKeyboard automatic;
  automatic.show({390, 262});
  const double qTop = automatic.key(ch("q"))->frame.minY();
  automatic.context->prefersAutocomplete.set(false);
  platform::MainQueue::main().runUntilIdle();
  auto toolbar = toolbarNode(automatic);
  ASSERT_TRUE(toolbar) << "a hidden toolbar keeps its place";
  EXPECT_EQ(opacityOf(*toolbar), 0);
  EXPECT_DOUBLE_EQ(automatic.key(ch("q"))->frame.minY(), qTop);
}

TEST(SystemKeyboard, EmojiKeyboardReplacesTheRowsAndTheToolbar) {
  HostedKeyboard keyboard;
  keyboard.context->keyboardType.set(KeyboardType::emojis());
  keyboard.show({390, 262});
  EXPECT_FALSE(toolbarNode(keyboard));
  EXPECT_FALSE(keyboard.key(ch("q")));
  auto emoji = keyboard.host->findAllOfType<EmojiCategoryKeyboard>();
  ASSERT_EQ(emoji.size(), 1u);
  // Only the default inset on the top edge, not the appearance's.
  EXPECT_DOUBLE_EQ(emoji[0]->contentFrame.minY() - emoji[0]->frame.minY(), ui::defaultPadding);
  EXPECT_DOUBLE_EQ(emoji[0]->contentFrame.minX(), emoji[0]->frame.minX());
  EXPECT_EQ(keyboard.host->findAllOfType<InputCallout>().size(), 1u);
}

TEST(SystemKeyboard, ALayoutWithoutRowsStillShowsToolbarAndBackground) {
  HostedKeyboard keyboard;
  auto empty = std::make_shared<KeyboardLayout>(KeyboardLayoutItemRows{});
  keyboard.show({390, 100},
                SystemKeyboard(empty, keyboard.appearance, keyboard.handler, keyboard.autocomplete,
                               Mode::automatic, nullptr, keyboard.context, keyboard.callouts, 390, true));
  EXPECT_TRUE(toolbarNode(keyboard));
  EXPECT_FALSE(
      keyboard.host->findAll([](const ui::Node& node) { return node.attached<KeyboardAction>(); }).size());
  const auto& root = *keyboard.host->root()->children().at(0);
  const bool hasBackground =
      std::any_of(root.modifiers().begin(), root.modifiers().end(),
                  [](const ui::Modifier& m) { return m.as<ui::Background>() != nullptr; });
  EXPECT_TRUE(hasBackground);
}

TEST(SystemKeyboard, BackgroundOnlyWhenAskedFor) {
  HostedKeyboard keyboard;
  auto layout = keyboard.layoutProvider->keyboardLayout(*keyboard.context);
  keyboard.show({390, 262},
                SystemKeyboard(layout, keyboard.appearance, keyboard.handler, keyboard.autocomplete,
                               Mode::automatic, nullptr, keyboard.context, nullptr, 390, false));
  const auto& root = *keyboard.host->root()->children().at(0);
  EXPECT_TRUE(std::none_of(root.modifiers().begin(), root.modifiers().end(),
                           [](const ui::Modifier& m) { return m.as<ui::Background>() != nullptr; }));
}

TEST(SystemKeyboard, SameLayoutKeepsTheKeysAndANewLocaleRenewsThem) {
  HostedKeyboard keyboard;
  keyboard.show({390, 262});
  const auto before = keyboard.key(ch("q"));
  keyboard.autocomplete->suggestions.set({AutocompleteSuggestion("hello")});
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(keyboard.key(ch("q")), before);
  keyboard.context->setLocale(platform::Locale("en_GB"));
  platform::MainQueue::main().runUntilIdle();
  EXPECT_NE(keyboard.key(ch("q")), before);
  ASSERT_TRUE(keyboard.key(ch("q")));
}

TEST(SystemKeyboard, RightToLeftLocaleKeepsTheRowsLeftToRight) {
  HostedKeyboard keyboard;
  keyboard.context->setLocale(platform::Locale("he"));
  keyboard.show({390, 262});
  EXPECT_LT(keyboard.key(ch("q"))->frame.minX(), keyboard.key(ch("w"))->frame.minX());
}

TEST(SystemKeyboard, ARowOfFixedKeysWiderThanTheInsetRowIsCentred) {
  // Twelve keys of 30 points need 360, 100 more than the 260 left by the insets.
  class InsetAppearance : public StandardKeyboardAppearance {
   public:
    using StandardKeyboardAppearance::StandardKeyboardAppearance;
    platform::EdgeInsets keyboardEdgeInsets() const override { return {0, 20, 0, 20}; }
  };
  HostedKeyboard keyboard;
  KeyboardLayoutItemRow wide;
  for (int i = 0; i < 12; ++i) {
    wide.push_back({ch(std::to_string(i).c_str()), {KeyboardLayoutItemWidth::points(30), 40}, {}});
  }
  KeyboardLayoutItemRow narrow{{ch("x"), {KeyboardLayoutItemWidth::points(30), 40}, {}},
                               {ch("y"), {KeyboardLayoutItemWidth::available(), 40}, {}}};
  auto layout = std::make_shared<KeyboardLayout>(KeyboardLayoutItemRows{wide, narrow});
  keyboard.show({300, 200}, SystemKeyboard(layout, std::make_shared<InsetAppearance>(keyboard.context),
                                           keyboard.handler, keyboard.autocomplete, Mode::none, nullptr,
                                           keyboard.context, keyboard.callouts, 300, true));
  // The overflow spills over both insets alike.
  EXPECT_DOUBLE_EQ(keyboard.key(ch("0"))->frame.minX(), 20 - 50);
  EXPECT_DOUBLE_EQ(keyboard.key(ch("11"))->frame.maxX(), 280 + 50);
  // A row with a stretching key fills the inset row exactly.
  EXPECT_DOUBLE_EQ(keyboard.key(ch("x"))->frame.minX(), 20);
  EXPECT_DOUBLE_EQ(keyboard.key(ch("y"))->frame.maxX(), 280);
}

TEST(SystemKeyboard, WithoutCalloutContextTheCalloutsNeverShow) {
  HostedKeyboard keyboard;
  keyboard.show({390, 262}, keyboard.makeKeyboard(Mode::automatic, false));
  auto touch = keyboard.host->touches().down(keyboard.center(ch("a")));
  testing::advance(1);
  EXPECT_FALSE(keyboard.callouts->input()->isActive());
  EXPECT_FALSE(keyboard.callouts->action()->isActive());
  keyboard.host->touches().up(touch);
  EXPECT_THAT(keyboard.recorded->actions(KeyboardGesture::release), ::testing::ElementsAre(ch("a")));
}

TEST(SystemKeyboard, PressShowsTheInputCalloutOverTheKey) {
  HostedKeyboard keyboard;
  keyboard.show({390, 262});
  const auto a = keyboard.key(ch("a"));
  auto touch = keyboard.host->touches().down(keyboard.center(ch("a")));
  const auto& input = *keyboard.callouts->input();
  EXPECT_EQ(input.input(), std::optional<std::string>("a"));
  // Measured in the space of the keys, below the toolbar.
  const auto keys = toolbarNode(keyboard)->frame.maxY();
  EXPECT_DOUBLE_EQ(input.buttonFrame.get().minY(), a->frame.minY() - keys);
  auto callout = keyboard.host->findAllOfType<InputCallout>().at(0);
  EXPECT_NE(keyboard.host->findText("a"), nullptr);
  keyboard.host->touches().up(touch);
  testing::advance(1);
  EXPECT_FALSE(keyboard.callouts->input()->isActive());
  (void)callout;
}

TEST(SystemKeyboard, LongPressSlideAndReleaseTypesTheSelectedSecondaryCharacter) {
  HostedKeyboard keyboard;
  keyboard.show({390, 262});
  const platform::Point e = keyboard.center(ch("e"));
  auto touch = keyboard.host->touches().down(e);
  testing::advance(0.6);
  const auto& actions = keyboard.callouts->action()->actions.get();
  ASSERT_EQ(actions.size(), 8u);
  EXPECT_EQ(actions[2], ch("\u00E9"));
  EXPECT_FALSE(keyboard.callouts->input()->isActive()) << "the input callout gives way";
  // Two entries to the right (an entry step is 90 % of the key's width).
  keyboard.host->touches().move(touch, {e.x + 40, e.y});
  keyboard.host->touches().move(touch, {e.x + 80, e.y});
  EXPECT_EQ(keyboard.callouts->action()->selectedAction(), ch("\u00E9"));
  keyboard.host->touches().up(touch);
  platform::MainQueue::main().runUntilIdle();
  EXPECT_THAT(keyboard.recorded->actions(KeyboardGesture::release), ::testing::ElementsAre(ch("\u00E9")));
  EXPECT_FALSE(keyboard.callouts->action()->isActive());
}

TEST(SystemKeyboard, ReplacedCalloutMemberIsFollowedByTheOverlay) {
  HostedKeyboard keyboard;
  keyboard.show({390, 262});
  auto replacement =
      std::make_shared<ActionCalloutContext>(keyboard.handler, keyboard.callouts->action()->actionProvider());
  keyboard.callouts->setAction(replacement);
  platform::MainQueue::main().runUntilIdle();
  auto touch = keyboard.host->touches().down(keyboard.center(ch("e")));
  testing::advance(0.6);
  ASSERT_TRUE(replacement->isActive());
  auto overlay = keyboard.host->findAllOfType<ActionCallout>().at(0);
  // The overlay draws the new context's entries.
  EXPECT_TRUE(keyboard.host->findAttached(ActionCalloutEntry{ch("\u00E9")}));
  EXPECT_EQ(opacityOf(*overlay->children().at(0)), 1);
  keyboard.host->touches().up(touch);
}

}  // namespace
}  // namespace keyloom
