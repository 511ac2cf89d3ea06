#include "keyloom/layout/iPadKeyboardLayoutProvider.h"

#include <gtest/gtest.h>

#include "keyloom/layout/EnglishInputSetProvider.h"
#include "keyloom/layout/KeyboardLayoutConfiguration.h"
#include "keyloom/layout/StaticInputSetProvider.h"
#include "platform/input/Device.h"
#include "testing/KeyboardLayoutTesting.h"

namespace keyloom {
namespace {

using namespace keyloom::testing;
using A = KeyboardAction;
using O = InterfaceOrientation;
using platform::ReturnKeyType;

const W available = W::available();
const W input = W::input();

const A toNumeric = A::keyboardType(KeyboardType::numeric());
const A toSymbolic = A::keyboardType(KeyboardType::symbolic());
const A toLetters = A::keyboardType(KeyboardType::alphabetic(KeyboardCase::auto_));
const A newLine = A::primary(KeyboardReturnKeyType::newLine());

class iPadKeyboardLayoutProviderTest : public ::testing::Test {
 protected:
  // The standard input sets read the device when they are built: pad rows.
  void SetUp() override { platform::Device::current().setUserInterfaceIdiom(platform::UserInterfaceIdiom::pad); }

  std::shared_ptr<KeyboardLayout> padLayout(LayoutSetup setup) {
    setup.device = DeviceType::pad;
    iPadKeyboardLayoutProvider provider(std::make_shared<EnglishInputSetProvider>());
    return provider.keyboardLayout(*makeContext(setup));
  }
};

// The English lower-case letter rows with the return key, above a bottom row.
LayoutKeys lowercaseLettersAbove(const A& returnAction, std::vector<Key> bottom) {
  return {
      row({chars("qwertyuiop"), key(A::backspace(), input)}),
      row({key(A::none(), W::inputPercentage(0.4)), chars("asdfghjkl"), key(returnAction, available)}),
      row({key(A::shift(KeyboardCase::lowercased), input), chars("zxcvbnm,."),
           key(A::shift(KeyboardCase::lowercased), available)}),
      std::move(bottom),
  };
}

std::vector<Key> standardBottomRow(const A& switchAction = toNumeric) {
  return row({key(switchAction, input), key(A::nextKeyboard(), input), key(A::space(), available),
              key(switchAction, input), key(A::dismissKeyboard(), input)});
}

struct PadCase {
  const char* name;
  LayoutSetup setup;
  A returnAction;
  std::vector<Key> bottom;
};

TEST_F(iPadKeyboardLayoutProviderTest, AlphabeticLayouts) {
  const PadCase cases[] = {
      {"portrait, default field", {}, newLine, standardBottomRow()},
      {"landscape", {.orientation = O::landscapeLeft}, newLine, standardBottomRow()},
      {"no input-mode switch key still has next-keyboard",
       {.needsInputModeSwitchKey = false},
       newLine,
       standardBottomRow()},
      {"search field keeps its search key", {.returnKeyType = ReturnKeyType::search},
       A::primary(KeyboardReturnKeyType::search()), standardBottomRow()},
      {"done field", {.returnKeyType = ReturnKeyType::done}, A::primary(KeyboardReturnKeyType::done()),
       standardBottomRow()},
      {"e-mail field changes nothing",
       {.fieldKeyboardType = platform::KeyboardType::emailAddress, .returnKeyType = ReturnKeyType::go},
       A::primary(KeyboardReturnKeyType::go()), standardBottomRow()},
      {"URL field", {.fieldKeyboardType = platform::KeyboardType::URL}, newLine, standardBottomRow()},
      {"dictation after next-keyboard",
       {.orientation = O::landscapeRight, .dictationReplacement = A::dictation()},
       newLine,
       row({key(toNumeric, input), key(A::nextKeyboard(), input), key(A::dictation(), input),
            key(A::space(), available), key(toNumeric, input), key(A::dismissKeyboard(), input)})},
      {"no dictation without the input-mode switch key",
       {.needsInputModeSwitchKey = false, .dictationReplacement = A::dictation()},
       newLine,
       standardBottomRow()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(keysOf(*padLayout(c.setup)), lowercaseLettersAbove(c.returnAction, c.bottom));
  }
}

TEST_F(iPadKeyboardLayoutProviderTest, CapsLockedLetters) {
  const A shift = A::shift(KeyboardCase::capsLocked);
  EXPECT_EQ(keysOf(*padLayout({.keyboardType = KeyboardType::alphabetic(KeyboardCase::capsLocked)})),
            (LayoutKeys{
                row({chars("QWERTYUIOP"), key(A::backspace(), input)}),
                row({key(A::none(), W::inputPercentage(0.4)), chars("ASDFGHJKL"), key(newLine, available)}),
                row({key(shift, input), chars("ZXCVBNM,."), key(shift, available)}),
                standardBottomRow(),
            }));
}

TEST_F(iPadKeyboardLayoutProviderTest, Numeric) {
  EXPECT_EQ(keysOf(*padLayout({.keyboardType = KeyboardType::numeric()})),
            (LayoutKeys{
                row({chars("1234567890"), key(A::backspace(), input)}),
                row({key(A::none(), W::inputPercentage(0.4)), chars("@#$&*()\u2019\u201D"), key(newLine, available)}),
                row({key(toSymbolic, input), chars("%-+=/;:!?"), key(toSymbolic, available)}),
                standardBottomRow(toLetters),
            }));
}

TEST_F(iPadKeyboardLayoutProviderTest, SymbolicInLandscapeWithSearch) {
  const A search = A::primary(KeyboardReturnKeyType::search());
  EXPECT_EQ(keysOf(*padLayout({.orientation = O::landscapeLeft,
                               .keyboardType = KeyboardType::symbolic(),
                               .returnKeyType = ReturnKeyType::search})),
            (LayoutKeys{
                row({chars("1234567890"), key(A::backspace(), input)}),
                row({key(A::none(), W::inputPercentage(0.4)), chars("\u20AC\u00A3\u00A5_^[]{}"), key(search, available)}),
                row({key(toNumeric, input), chars("\u00A7|~\u2026\\<>!?"), key(toNumeric, available)}),
                standardBottomRow(toLetters),
            }));
}

TEST_F(iPadKeyboardLayoutProviderTest, HeightsAndInsetsFollowTheOrientation) {
  const auto config = KeyboardLayoutConfiguration::standardPadLandscape();
  const auto layout = padLayout({.orientation = O::landscapeLeft});
  for (const auto& r : layout->itemRows()) {
    for (const auto& item : r) {
      EXPECT_EQ(item.size.height, config.rowHeight);
      EXPECT_EQ(item.insets, item.action == A::none() ? platform::EdgeInsets() : config.buttonInsets) << item;
    }
  }
}

TEST_F(iPadKeyboardLayoutProviderTest, InputWidthOfTheLetters) {
  // The top row decides: ten letters and backspace, each one input key
  // wide. The middle row's 9.4 units and the lower row's 10 are wider.
  const auto layout = padLayout({});
  EXPECT_DOUBLE_EQ(layout->inputWidth(1000), 1000 / 11.0);
}

TEST_F(iPadKeyboardLayoutProviderTest, InputSetsWithoutThreeRowsGetNoEdges) {
  iPadKeyboardLayoutProvider provider(std::make_shared<StaticInputSetProvider>(
      AlphabeticInputSet{{inputSetRow("ab"), inputSetRow("c")}}, NumericInputSet{}, SymbolicInputSet{}));
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*makeContext({.device = DeviceType::pad}))),
            (LayoutKeys{chars("ab"), chars("c")}));
  EXPECT_TRUE(provider.keyboardLayout(*makeContext({.device = DeviceType::pad, .keyboardType = KeyboardType::email()}))
                  ->itemRows()
                  .empty());
}

}  // namespace
}  // namespace keyloom
