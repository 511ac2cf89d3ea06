#include "keyloom/layout/iPhoneKeyboardLayoutProvider.h"

#include <gtest/gtest.h>

#include "keyloom/layout/EnglishInputSetProvider.h"
#include "keyloom/layout/KeyboardLayoutConfiguration.h"
#include "keyloom/layout/StaticInputSetProvider.h"
#include "testing/KeyboardLayoutTesting.h"

namespace keyloom {
namespace {

using namespace keyloom::testing;
using A = KeyboardAction;
using O = InterfaceOrientation;
using platform::ReturnKeyType;

const W available = W::available();
const W input = W::input();
const W lowerSystem = W::percentage(0.13);
const W bottomPortrait = W::percentage(0.123);
const W bottomLandscape = W::percentage(0.095);
const W returnPortrait = W::percentage(0.25);
const W returnLandscape = W::percentage(0.195);

const A toNumeric = A::keyboardType(KeyboardType::numeric());
const A toSymbolic = A::keyboardType(KeyboardType::symbolic());
const A toLetters = A::keyboardType(KeyboardType::alphabetic(KeyboardCase::auto_));
const A toEmojis = A::keyboardType(KeyboardType::emojis());
const A returnKey = A::primary(KeyboardReturnKeyType::return_());
const A dictation = A::dictation();

std::shared_ptr<KeyboardLayout> phoneLayout(const LayoutSetup& setup) {
  iPhoneKeyboardLayoutProvider provider(std::make_shared<EnglishInputSetProvider>());
  return provider.keyboardLayout(*makeContext(setup));
}

// The English lower-case letter rows above a bottom row.
LayoutKeys lowercaseLettersAbove(std::vector<Key> bottom) {
  return {
      chars("qwertyuiop"),
      row({key(A::characterMargin("a"), available), chars("asdfghjkl"), key(A::characterMargin("l"), available)}),
      row({key(A::shift(KeyboardCase::lowercased), lowerSystem), key(A::characterMargin("z"), available),
           chars("zxcvbnm"), key(A::characterMargin("m"), available), key(A::backspace(), lowerSystem)}),
      std::move(bottom),
  };
}

struct BottomRowCase {
  const char* name;
  LayoutSetup setup;
  std::vector<Key> bottom;
};

TEST(iPhoneKeyboardLayoutProvider, AlphabeticLayoutsWithTheirBottomRows) {
  const auto space = key(A::space(), available);
  const auto at = key(A::character("@"), input);
  const auto dot = key(A::character("."), input);
  const BottomRowCase cases[] = {
      {"portrait, input-mode switch key",
       {},
       row({key(toNumeric, bottomPortrait), key(A::nextKeyboard(), bottomPortrait), space,
            key(returnKey, returnPortrait)})},
      {"portrait upside down is portrait",
       {.orientation = O::portraitUpsideDown},
       row({key(toNumeric, bottomPortrait), key(A::nextKeyboard(), bottomPortrait), space,
            key(returnKey, returnPortrait)})},
      {"portrait, no input-mode switch key",
       {.needsInputModeSwitchKey = false},
       row({key(toNumeric, bottomPortrait), key(toEmojis, bottomPortrait), space, key(returnKey, returnPortrait)})},
      {"landscape",
       {.orientation = O::landscapeLeft},
       row({key(toNumeric, bottomLandscape), key(A::nextKeyboard(), bottomLandscape), space,
            key(returnKey, returnLandscape)})},
      {"unknown orientation is landscape",
       {.orientation = O::unknown, .needsInputModeSwitchKey = false},
       row({key(toNumeric, bottomLandscape), key(toEmojis, bottomLandscape), space,
            key(returnKey, returnLandscape)})},
      {"search field",
       {.returnKeyType = ReturnKeyType::search},
       row({key(toNumeric, bottomPortrait), key(A::nextKeyboard(), bottomPortrait), space,
            key(A::primary(KeyboardReturnKeyType::search()), returnPortrait)})},
      {"done field in landscape",
       {.orientation = O::landscapeRight, .returnKeyType = ReturnKeyType::done},
       row({key(toNumeric, bottomLandscape), key(A::nextKeyboard(), bottomLandscape), space,
            key(A::primary(KeyboardReturnKeyType::done()), returnLandscape)})},
      {"e-mail field",
       {.fieldKeyboardType = platform::KeyboardType::emailAddress},
       row({key(toNumeric, bottomPortrait), key(A::nextKeyboard(), bottomPortrait), space, at, dot,
            key(returnKey, returnPortrait)})},
      {"e-mail field with a go key",
       {.fieldKeyboardType = platform::KeyboardType::emailAddress, .returnKeyType = ReturnKeyType::go},
       row({key(toNumeric, bottomPortrait), key(A::nextKeyboard(), bottomPortrait), space, at, dot, dot,
            key(A::primary(KeyboardReturnKeyType::go()), returnPortrait)})},
      {"URL field",
       {.fieldKeyboardType = platform::KeyboardType::URL},
       row({key(toNumeric, bottomPortrait), key(A::nextKeyboard(), bottomPortrait), space,
            key(returnKey, returnPortrait)})},
      {"URL field with a go key",
       {.fieldKeyboardType = platform::KeyboardType::URL, .returnKeyType = ReturnKeyType::go},
       row({key(toNumeric, bottomPortrait), key(A::nextKeyboard(), bottomPortrait), space, dot,
            key(A::primary(KeyboardReturnKeyType::go()), returnPortrait)})},
      {"dictation in portrait follows the next-keyboard key",
       {.dictationReplacement = dictation},
       row({key(toNumeric, bottomPortrait), key(A::nextKeyboard(), bottomPortrait), key(dictation, bottomPortrait),
            space, key(returnKey, returnPortrait)})},
      {"dictation in landscape is the last key",
       {.orientation = O::landscapeLeft, .dictationReplacement = dictation},
       row({key(toNumeric, bottomLandscape), key(A::nextKeyboard(), bottomLandscape), space,
            key(returnKey, returnLandscape), key(dictation, bottomLandscape)})},
      {"no dictation without the input-mode switch key",
       {.needsInputModeSwitchKey = false, .dictationReplacement = dictation},
       row({key(toNumeric, bottomPortrait), key(toEmojis, bottomPortrait), space, key(returnKey, returnPortrait)})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(keysOf(*phoneLayout(c.setup)), lowercaseLettersAbove(c.bottom));
  }
}

TEST(iPhoneKeyboardLayoutProvider, UppercasedLetters) {
  const auto layout = phoneLayout({.keyboardType = KeyboardType::alphabetic(KeyboardCase::uppercased)});
  EXPECT_EQ(keysOf(*layout),
            (LayoutKeys{
                chars("QWERTYUIOP"),
                row({key(A::characterMargin("A"), available), chars("ASDFGHJKL"),
                     key(A::characterMargin("L"), available)}),
                row({key(A::shift(KeyboardCase::uppercased), lowerSystem), key(A::characterMargin("Z"), available),
                     chars("ZXCVBNM"), key(A::characterMargin("M"), available), key(A::backspace(), lowerSystem)}),
                row({key(toNumeric, bottomPortrait), key(A::nextKeyboard(), bottomPortrait), key(A::space(), available),
                     key(returnKey, returnPortrait)}),
            }));
}

TEST(iPhoneKeyboardLayoutProvider, NumericInPortrait) {
  const auto layout = phoneLayout({.keyboardType = KeyboardType::numeric(), .needsInputModeSwitchKey = false});
  EXPECT_EQ(keysOf(*layout),
            (LayoutKeys{
                chars("1234567890"),
                // As long as the top row: no margins.
                chars("-/:;()$&@\u201D"),
                row({key(toSymbolic, bottomPortrait), key(A::characterMargin("."), available),
                     chars(".,?!\u2019", W::percentage(0.14)), key(A::characterMargin("\u2019"), available),
                     key(A::backspace(), lowerSystem)}),
                row({key(toLetters, bottomPortrait), key(toEmojis, bottomPortrait), key(A::space(), available),
                     key(returnKey, returnPortrait)}),
            }));
}

TEST(iPhoneKeyboardLayoutProvider, SymbolicInLandscapeWithSearch) {
  const auto layout = phoneLayout({.orientation = O::landscapeRight,
                                   .keyboardType = KeyboardType::symbolic(),
                                   .returnKeyType = ReturnKeyType::search});
  EXPECT_EQ(keysOf(*layout),
            (LayoutKeys{
                chars("[]{}#%^*+="),
                chars("_\\|~<>\u20AC\u00A3\u00A5\u2022"),
                row({key(toNumeric, bottomLandscape), key(A::characterMargin("."), available),
                     chars(".,?!\u2019", W::percentage(0.14)), key(A::characterMargin("\u2019"), available),
                     key(A::backspace(), lowerSystem)}),
                row({key(toLetters, bottomLandscape), key(A::nextKeyboard(), bottomLandscape),
                     key(A::space(), available), key(A::primary(KeyboardReturnKeyType::search()), returnLandscape)}),
            }));
}

TEST(iPhoneKeyboardLayoutProvider, UkrainianLettersHaveNarrowShiftAndBackspace) {
  const auto letters = keysOf(*phoneLayout({.locale = "uk"}));
  EXPECT_EQ(letters[2].front(), (Key{A::shift(KeyboardCase::lowercased), input}));
  EXPECT_EQ(letters[2].back(), (Key{A::backspace(), input}));

  // Only letters, and only the exact identifier.
  const auto numbers = keysOf(*phoneLayout({.keyboardType = KeyboardType::numeric(), .locale = "uk"}));
  EXPECT_EQ(numbers[2].back(), (Key{A::backspace(), lowerSystem}));
  const auto regional = keysOf(*phoneLayout({.locale = "uk_UA"}));
  EXPECT_EQ(regional[2].back(), (Key{A::backspace(), lowerSystem}));
}

TEST(iPhoneKeyboardLayoutProvider, HeightsAndInsets) {
  const auto layout = phoneLayout({});
  const auto config = KeyboardLayoutConfiguration::standardPhone();
  for (const auto& r : layout->itemRows()) {
    for (const auto& item : r) {
      EXPECT_EQ(item.size.height, config.rowHeight);
      EXPECT_EQ(item.insets, item.action.isSpacer() ? platform::EdgeInsets() : config.buttonInsets) << item;
    }
  }
}

TEST(iPhoneKeyboardLayoutProvider, InputSetsWithoutThreeRowsGetNoEdges) {
  const InputSetRows two{inputSetRow("ab"), inputSetRow("c")};
  const InputSetRows four{inputSetRow("ab"), inputSetRow("c"), inputSetRow("d"), inputSetRow("e")};
  iPhoneKeyboardLayoutProvider provider(
      std::make_shared<StaticInputSetProvider>(AlphabeticInputSet{two}, NumericInputSet{four}, SymbolicInputSet{}));
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*makeContext({}))), (LayoutKeys{chars("ab"), chars("c")}));
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*makeContext({.keyboardType = KeyboardType::numeric()}))),
            // Numeric keys of row 2 keep their narrow width.
            (LayoutKeys{chars("ab"), chars("c"), chars("d", W::percentage(0.14)), chars("e")}));
  EXPECT_TRUE(provider.keyboardLayout(*makeContext({.keyboardType = KeyboardType::symbolic()}))->itemRows().empty());
  EXPECT_TRUE(provider.keyboardLayout(*makeContext({.keyboardType = KeyboardType::emojis()}))->itemRows().empty());
}

// A keyboard whose lowest input row has no switch key.
class NoShiftProvider : public iPhoneKeyboardLayoutProvider {
 public:
  using iPhoneKeyboardLayoutProvider::iPhoneKeyboardLayoutProvider;
  std::optional<KeyboardAction> keyboardSwitchActionForBottomInputRow(const KeyboardContext&) const override {
    return std::nullopt;
  }
};

TEST(iPhoneKeyboardLayoutProvider, WithoutASwitchKeyTheLowestRowStartsWithItsLetters) {
  NoShiftProvider provider(std::make_shared<EnglishInputSetProvider>());
  const auto rows = keysOf(*provider.keyboardLayout(*makeContext({})));
  EXPECT_EQ(rows[2], row({chars("zxcvbnm"), key(A::characterMargin("m"), available), key(A::backspace(), lowerSystem)}));
}

TEST(iPhoneKeyboardLayoutProvider, MarginsOnlyForAShorterMiddleRow) {
  iPhoneKeyboardLayoutProvider provider(std::make_shared<EnglishInputSetProvider>());
  const auto context = makeContext({});
  const KeyboardActionRows equal{{A::character("a")}, {A::character("b")}, {A::character("c")}};
  EXPECT_FALSE(provider.shouldAddMiddleMarginActions(equal, *context));
  EXPECT_TRUE(provider.shouldAddMiddleMarginActions({{A::character("a"), A::character("b")}, {A::character("c")}, {}},
                                                    *context));
  EXPECT_FALSE(provider.shouldAddMiddleMarginActions({{A::character("a"), A::character("b")}, {}}, *context));
  EXPECT_FALSE(provider.shouldAddUpperMarginActions(equal, *context));
  EXPECT_TRUE(provider.lowerLeadingActions({{}, {}}, *context).empty());
  EXPECT_TRUE(provider.lowerTrailingActions({{}, {}}, *context).empty());
}

}  // namespace
}  // namespace keyloom
