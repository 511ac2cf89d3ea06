#include "keyloom/layout/SystemKeyboardLayoutProvider.h"

#include <gtest/gtest.h>

#include "keyloom/layout/EnglishInputSetProvider.h"
#include "keyloom/layout/KeyboardLayoutConfiguration.h"
#include "keyloom/layout/StaticInputSetProvider.h"
#include "testing/KeyboardLayoutTesting.h"

namespace keyloom {
namespace {

using namespace keyloom::testing;

std::shared_ptr<InputSetProvider> english() { return std::make_shared<EnglishInputSetProvider>(); }

LayoutKeys oneKey(const char* text) { return {{Key{KeyboardAction::character(text), W::input()}}}; }

TEST(SystemKeyboardLayoutProvider, AlphabeticRowsInTheKeyboardsCasing) {
  SystemKeyboardLayoutProvider provider(english());
  auto context = makeContext({.keyboardType = KeyboardType::alphabetic(KeyboardCase::uppercased)});
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*context)),
            (LayoutKeys{chars("QWERTYUIOP"), chars("ASDFGHJKL"), chars("ZXCVBNM")}));
  EXPECT_EQ(provider.keyboardSwitchActionForBottomInputRow(*context),
            KeyboardAction::shift(KeyboardCase::uppercased));

  context->keyboardType = KeyboardType::alphabetic(KeyboardCase::capsLocked);
  EXPECT_EQ(provider.keyboardSwitchActionForBottomInputRow(*context),
            KeyboardAction::shift(KeyboardCase::capsLocked));
  EXPECT_EQ(provider.keyboardSwitchActionForBottomRow(*context),
            KeyboardAction::keyboardType(KeyboardType::numeric()));

  context->keyboardType = KeyboardType::alphabetic(KeyboardCase::auto_);
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*context))[0], chars("qwertyuiop"));
}

TEST(SystemKeyboardLayoutProvider, NumericAndSymbolicRowsUseTheLowercasedText) {
  // Keys whose three texts differ show which one is asked.
  SystemKeyboardLayoutProvider provider(std::make_shared<StaticInputSetProvider>(
      AlphabeticInputSet{{{InputSetItem("a", "A-up", "a-low")}}},
      NumericInputSet{{{InputSetItem("n", "N-up", "n-low")}}},
      SymbolicInputSet{{{InputSetItem("s", "S-up", "s-low")}}}));
  auto context = makeContext({.keyboardType = KeyboardType::numeric()});
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*context)), oneKey("n-low"));
  context->keyboardType = KeyboardType::symbolic();
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*context)), oneKey("s-low"));
  context->keyboardType = KeyboardType::alphabetic(KeyboardCase::uppercased);
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*context)), oneKey("A-up"));
  context->keyboardType = KeyboardType::alphabetic(KeyboardCase::lowercased);
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*context)), oneKey("a-low"));
}

TEST(SystemKeyboardLayoutProvider, SwitchActions) {
  SystemKeyboardLayoutProvider provider(english());
  auto context = makeContext({.keyboardType = KeyboardType::numeric()});
  EXPECT_EQ(provider.keyboardSwitchActionForBottomInputRow(*context),
            KeyboardAction::keyboardType(KeyboardType::symbolic()));
  EXPECT_EQ(provider.keyboardSwitchActionForBottomRow(*context),
            KeyboardAction::keyboardType(KeyboardType::alphabetic(KeyboardCase::auto_)));
  context->keyboardType = KeyboardType::symbolic();
  EXPECT_EQ(provider.keyboardSwitchActionForBottomInputRow(*context),
            KeyboardAction::keyboardType(KeyboardType::numeric()));
  EXPECT_EQ(provider.keyboardSwitchActionForBottomRow(*context),
            KeyboardAction::keyboardType(KeyboardType::alphabetic(KeyboardCase::auto_)));
}

TEST(SystemKeyboardLayoutProvider, OtherKeyboardTypesHaveNoRowsAndNoSwitches) {
  SystemKeyboardLayoutProvider provider(english());
  for (const auto& type : {KeyboardType::emojis(), KeyboardType::images(), KeyboardType::email(),
                           KeyboardType::custom("mine")}) {
    SCOPED_TRACE(type);
    auto context = makeContext({.keyboardType = type});
    const auto layout = provider.keyboardLayout(*context);
    EXPECT_TRUE(layout->itemRows().empty());
    EXPECT_EQ(layout->idealItemHeight(), 0);
    EXPECT_EQ(provider.keyboardSwitchActionForBottomInputRow(*context), std::nullopt);
    EXPECT_EQ(provider.keyboardSwitchActionForBottomRow(*context), std::nullopt);
  }
}

TEST(SystemKeyboardLayoutProvider, HeightsAndInsetsFromTheConfiguration) {
  SystemKeyboardLayoutProvider provider(english());
  auto context = makeContext({.orientation = InterfaceOrientation::landscapeLeft});
  const auto config = KeyboardLayoutConfiguration::standardPhoneLandscape();
  const auto layout = provider.keyboardLayout(*context);
  for (const auto& row : layout->itemRows()) {
    for (const auto& item : row) {
      EXPECT_EQ(item.size.height, config.rowHeight);
      EXPECT_EQ(item.insets, config.buttonInsets);
    }
  }
  EXPECT_EQ(layout->idealItemHeight(), config.rowHeight);
  EXPECT_EQ(layout->idealItemInsets(), config.buttonInsets);

  const int row = 0;
  const int index = 0;
  EXPECT_EQ(provider.itemInsets(KeyboardAction::none(), row, index, *context), platform::EdgeInsets());
  EXPECT_EQ(provider.itemInsets(KeyboardAction::characterMargin("a"), row, index, *context), platform::EdgeInsets());
  EXPECT_EQ(provider.itemInsets(KeyboardAction::space(), row, index, *context), config.buttonInsets);
  EXPECT_EQ(provider.itemSizeWidth(KeyboardAction::space(), row, index, *context), W::available());
  EXPECT_EQ(provider.itemSizeWidth(KeyboardAction::backspace(), row, index, *context), W::available());
}

TEST(SystemKeyboardLayoutProvider, ReturnActionFollowsTheHostField) {
  SystemKeyboardLayoutProvider provider(english());
  EXPECT_EQ(provider.keyboardReturnAction(*makeContext({})), KeyboardAction::primary(KeyboardReturnKeyType::return_()));
  EXPECT_EQ(provider.keyboardReturnAction(*makeContext({.returnKeyType = platform::ReturnKeyType::search})),
            KeyboardAction::primary(KeyboardReturnKeyType::search()));
  EXPECT_EQ(provider.keyboardReturnAction(*makeContext({.returnKeyType = platform::ReturnKeyType::default_})),
            KeyboardAction::primary(KeyboardReturnKeyType::return_()));
}

TEST(SystemKeyboardLayoutProvider, EveryCallBuildsANewLayoutFromTheCurrentProvider) {
  SystemKeyboardLayoutProvider provider(english());
  auto context = makeContext({});
  const auto first = provider.keyboardLayout(*context);
  const auto second = provider.keyboardLayout(*context);
  EXPECT_NE(first, second);
  EXPECT_EQ(first->itemRows(), second->itemRows());

  provider.register_(StaticInputSetProvider::empty());
  EXPECT_TRUE(provider.keyboardLayout(*context)->itemRows().empty());
  // Built layouts keep their rows.
  EXPECT_EQ(first->itemRows().size(), 3u);
}

TEST(SystemKeyboardLayoutProvider, AlphabeticInputCounts) {
  SystemKeyboardLayoutProvider provider(english());
  EXPECT_EQ(provider.alphabeticInputCount(), (std::vector<int>{10, 9, 7}));
  EXPECT_TRUE(provider.hasAlphabeticInputCount({10, 9, 7}));
  EXPECT_TRUE(provider.hasAlphabeticInputCount({10, 9}));
  EXPECT_TRUE(provider.hasAlphabeticInputCount({}));
  EXPECT_FALSE(provider.hasAlphabeticInputCount({10, 9, 8}));
  EXPECT_FALSE(provider.hasAlphabeticInputCount({10, 9, 7, 1}));
  EXPECT_TRUE(provider.isAlphabeticWithInputCount(*makeContext({}), {10, 9, 7}));
  EXPECT_FALSE(provider.isAlphabeticWithInputCount(*makeContext({.keyboardType = KeyboardType::numeric()}), {}));
  EXPECT_FALSE(provider.isAlphabeticWithInputCount(*makeContext({.keyboardType = KeyboardType::emojis()}), {}));
}

}  // namespace
}  // namespace keyloom
