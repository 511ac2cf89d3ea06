#include "keyloom/views/SystemKeyboardButtonRowItem.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>

#include "keyloom/layout/LocaleContextMenu.h"
#include "keyloom/views/SystemKeyboardButtonBody.h"
#include "testing/SystemKeyboardTesting.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using W = KeyboardLayoutItemWidth;

KeyboardLayoutItem item(KeyboardAction action, W width, double height = 50,
                        platform::EdgeInsets insets = {}) {
  return {std::move(action), {width, height}, insets};
}

TEST(SystemKeyboardButtonRowItem, KeyWidthByCase) {
  const platform::EdgeInsets insets{0, 3, 0, 2};
  struct Case {
    W width;
    std::optional<double> expected;
  };
  for (const auto& c : {Case{W::inputPercentage(2), 2 * 40 - 5.0}, Case{W::percentage(0.25), 100 - 5.0},
                        Case{W::points(60), 55}, Case{W::input(), 35}, Case{W::available(), std::nullopt},
                        Case{W::points(5), std::nullopt}, Case{W::points(4), std::nullopt},
                        Case{W::points(std::nan("")), std::nullopt}}) {
    EXPECT_EQ(SystemKeyboardButtonRowItem::keyWidth(item(KeyboardAction::character("a"), c.width, 50, insets),
                                                    400, 40),
              c.expected);
  }
}

TEST(SystemKeyboardButtonRowItem, SpacerStyleForEmptyAndMarginKeys) {
  auto context = std::make_shared<KeyboardContext>();
  StandardKeyboardAppearance appearance(context);
  for (bool pressed : {false, true}) {
    EXPECT_EQ(SystemKeyboardButtonRowItem::keyStyle(KeyboardAction::none(), appearance, pressed),
              KeyboardButtonStyle::spacer());
    EXPECT_EQ(
        SystemKeyboardButtonRowItem::keyStyle(KeyboardAction::characterMargin("a"), appearance, pressed),
        KeyboardButtonStyle::spacer());
    EXPECT_EQ(SystemKeyboardButtonRowItem::keyStyle(KeyboardAction::backspace(), appearance, pressed),
              appearance.buttonStyle(KeyboardAction::backspace(), pressed));
  }
}

struct Row {
  testing::HostedKeyboard services;
  std::unique_ptr<ui::ViewHost> host;

  // Laid out at the items' own height unless given another.
  explicit Row(std::vector<KeyboardLayoutItem> items, double width = 400, double inputWidth = 40,
               double height = 50) {
    std::vector<ui::View> keys;
    for (const auto& i : items) {
      keys.push_back(ui::View(SystemKeyboardButtonRowItem(
          ui::View(SystemKeyboardButtonContent(i.action, services.appearance, services.context)), i,
          services.handler, services.context, services.callouts, width, inputWidth, services.appearance)));
    }
    host = std::make_unique<ui::ViewHost>(ui::HStack(ui::VerticalAlignment::center, 0, keys));
    host->layout(platform::Size{width, height});
  }
  std::shared_ptr<ui::Node> key(const KeyboardAction& action) const { return host->findAttached(action); }
  std::shared_ptr<ui::Node> body(const KeyboardAction& action) const {
    return key(action)->findAllOfType<SystemKeyboardButtonBody>().at(0);
  }
};

TEST(SystemKeyboardButtonRowItem, SizedByItsItemAndPaddedByItsInsets) {
  const platform::EdgeInsets insets{6, 3, 4, 3};
  Row row({item(KeyboardAction::character("a"), W::inputPercentage(1), 50, insets),
           item(KeyboardAction::character("b"), W::points(6), 50, insets),
           item(KeyboardAction::character("c"), W::available(), 50, insets)});
  // One input width with its insets; the others share the rest.
  EXPECT_DOUBLE_EQ(row.key(KeyboardAction::character("a"))->frame.width(), 40);
  const auto bBody = row.body(KeyboardAction::character("b"));
  EXPECT_DOUBLE_EQ(bBody->frame.height(), 40);
  EXPECT_DOUBLE_EQ(row.key(KeyboardAction::character("b"))->frame.width(), 180);
  EXPECT_DOUBLE_EQ(row.key(KeyboardAction::character("c"))->frame.width(), 180);
  EXPECT_DOUBLE_EQ(row.body(KeyboardAction::character("a"))->frame.width(), 34);
}

// A keyboard given more or less height than its rows need shares it out, so
// its keys fill its frame.
TEST(SystemKeyboardButtonRowItem, ARowOfAnotherHeightStretchesOrShrinksItsKeys) {
  const platform::EdgeInsets insets{6, 3, 4, 3};
  for (double height : {60.0, 44.0}) {
    Row row({item(KeyboardAction::character("a"), W::inputPercentage(1), 50, insets)}, 400, 40, height);
    EXPECT_DOUBLE_EQ(row.key(KeyboardAction::character("a"))->frame.height(), height);
    EXPECT_DOUBLE_EQ(row.body(KeyboardAction::character("a"))->frame.height(), height - 10);
  }
}

TEST(SystemKeyboardButtonRowItem, TouchesInTheInsetGapsReachTheKey) {
  Row row({item(KeyboardAction::character("a"), W::points(60), 50, {10, 10, 10, 10})});
  const auto frame = row.key(KeyboardAction::character("a"))->frame;
  row.host->touches().tap({frame.minX() + 2, frame.minY() + 2});
  platform::MainQueue::main().runUntilIdle();
  EXPECT_THAT(row.services.recorded->actions(KeyboardGesture::release),
              ::testing::ElementsAre(KeyboardAction::character("a")));
}

TEST(SystemKeyboardButtonRowItem, SpacerKeysStillReceiveGestures) {
  Row row({item(KeyboardAction::none(), W::points(60))});
  const auto frame = row.key(KeyboardAction::none())->frame;
  row.host->touches().tap({frame.midX(), frame.midY()});
  platform::MainQueue::main().runUntilIdle();
  EXPECT_THAT(row.services.recorded->actions(KeyboardGesture::release),
              ::testing::ElementsAre(KeyboardAction::none()));
}

TEST(SystemKeyboardButtonRowItem, PressedWhileHeld) {
  Row row({item(KeyboardAction::character("a"), W::points(60))});
  const auto frame = row.key(KeyboardAction::character("a"))->frame;
  const std::string released = row.host->dump();
  auto touch = row.host->touches().down({frame.midX(), frame.midY()});
  platform::MainQueue::main().runUntilIdle();
  const std::string held = row.host->dump();
  EXPECT_NE(held, released) << "the key is restyled for its pressed state";
  row.host->touches().up(touch);
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(row.host->dump(), released);
}

TEST(SystemKeyboardButtonRowItem, LocaleMenuOnTheLocaleKeyAndOnSpaceWhenAsked) {
  Row row({item(KeyboardAction::nextLocale(), W::points(60)), item(KeyboardAction::space(), W::available())});
  auto menus = [&] { return row.host->findAllOfType<LocaleContextMenu>().size(); };
  EXPECT_EQ(menus(), 1u);
  row.services.context->spaceLongPressBehavior.set(SpaceLongPressBehavior::openLocaleContextMenu);
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(menus(), 2u);
  row.services.context->spaceLongPressBehavior.set(SpaceLongPressBehavior::moveInputCursor);
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(menus(), 1u);
}

TEST(SystemKeyboardButtonRowItem, TapOnAKeyWithTheLocaleMenuReleasesItsAction) {
  Row row({item(KeyboardAction::nextLocale(), W::points(60))});
  row.services.context->setLocales(std::vector<platform::Locale>{platform::Locale("en"), platform::Locale("de")});
  platform::MainQueue::main().runUntilIdle();
  ASSERT_EQ(row.host->findAllOfType<LocaleContextMenu>().size(), 1u);
  ASSERT_EQ(row.host->findAll(ui::NodeKind::menu).size(), 1u);
  const auto before = row.key(KeyboardAction::nextLocale());
  row.host->touches().tap({before->frame.midX(), before->frame.midY()});
  platform::MainQueue::main().runUntilIdle();
  EXPECT_THAT(row.services.recorded->actions(KeyboardGesture::release),
              ::testing::ElementsAre(KeyboardAction::nextLocale()))
      << "one tap, one release";
  row.services.context->setLocale(platform::Locale("de"));
  platform::MainQueue::main().runUntilIdle();
  EXPECT_NE(row.key(KeyboardAction::nextLocale()), before) << "a new locale makes the key anew";
}

// Only the keys with the locale menu are replaced by a new locale; a key
// held down across the change comes back unpressed.
TEST(SystemKeyboardButtonRowItem, ANewLocaleReplacesAHeldLocaleKeyUnpressed) {
  Row row({item(KeyboardAction::nextLocale(), W::points(60))});
  row.services.context->setLocales(std::vector<platform::Locale>{platform::Locale("en"), platform::Locale("de")});
  platform::MainQueue::main().runUntilIdle();
  const auto frame = row.key(KeyboardAction::nextLocale())->frame;
  auto touch = row.host->touches().down({frame.midX(), frame.midY()});
  platform::MainQueue::main().runUntilIdle();
  row.services.context->setLocale(platform::Locale("de"));
  platform::MainQueue::main().runUntilIdle();
  const std::string replaced = row.host->dump();
  row.host->touches().up(touch);
  platform::MainQueue::main().runUntilIdle();
  EXPECT_EQ(row.host->dump(), replaced) << "the new key was not pressed";
  EXPECT_TRUE(row.services.recorded->actions(KeyboardGesture::release).empty())
      << "the touch of the key that was replaced ends with it";
}

}  // namespace
}  // namespace keyloom
