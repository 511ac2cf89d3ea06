#include "keyloom/layout/KeyboardLayout.h"

#include <gtest/gtest.h>

#include <memory>

#include "keyloom/layout/InputSetItem.h"
#include "keyloom/layout/KeyboardRowEditing.h"

namespace keyloom {
namespace {

using Width = KeyboardLayoutItemWidth;

KeyboardLayoutItem key(KeyboardAction action, Width width = Width::input(), double height = 50,
                       platform::EdgeInsets insets = platform::EdgeInsets(3)) {
  return KeyboardLayoutItem{std::move(action), KeyboardLayoutItemSize{width, height}, insets};
}

KeyboardLayoutItem letter(const char* text, Width width = Width::input()) {
  return key(KeyboardAction::character(text), width);
}

KeyboardLayoutItemRow letters(int count, Width width = Width::input()) {
  KeyboardLayoutItemRow row;
  for (int i = 0; i < count; ++i) row.push_back(letter("x", width));
  return row;
}

TEST(KeyboardLayoutItemWidth, EqualityComparesCaseAndPayload) {
  EXPECT_EQ(Width::percentage(0.25), Width::percentage(0.25));
  EXPECT_NE(Width::percentage(0.25), Width::percentage(0.5));
  EXPECT_NE(Width::percentage(0.25), Width::inputPercentage(0.25));
  EXPECT_NE(Width::points(1), Width::percentage(1));
  EXPECT_EQ(Width::available(), Width::available());
  EXPECT_NE(Width::available(), Width::input());
}

TEST(KeyboardLayoutItemWidth, FrameWidthLessInsets) {
  EXPECT_EQ(frameWidth(Width::inputPercentage(0.5), 400, 30, 6), 9);
  EXPECT_EQ(frameWidth(Width::percentage(0.25), 400, 30, 6), 94);
  EXPECT_EQ(frameWidth(Width::points(41), 400, 30, 6), 35);
  EXPECT_EQ(frameWidth(Width::input(), 400, 30, 6), 24);
  EXPECT_EQ(frameWidth(Width::available(), 400, 30, 6), std::nullopt);
}

TEST(KeyboardLayoutItem, EqualityComparesActionSizeAndInsets) {
  const auto a = key(KeyboardAction::space(), Width::available(), 40, platform::EdgeInsets(1, 2, 3, 4));
  auto b = a;
  EXPECT_EQ(a, b);
  b.insets.trailing = 5;
  EXPECT_NE(a, b);
  b = a;
  b.size.height = 41;
  EXPECT_NE(a, b);
  EXPECT_EQ(a.rowId(), KeyboardAction::space());
}

TEST(KeyboardLayout, IdealValuesComeFromTheFirstItem) {
  const KeyboardLayout layout({{}, {key(KeyboardAction::space(), Width::available(), 42, platform::EdgeInsets(7))}});
  EXPECT_EQ(layout.idealItemHeight(), 42);
  EXPECT_EQ(layout.idealItemInsets(), platform::EdgeInsets(7));

  const KeyboardLayout empty({});
  EXPECT_EQ(empty.idealItemHeight(), 0);
  EXPECT_EQ(empty.idealItemInsets(), platform::EdgeInsets());

  const KeyboardLayout given({{letter("a")}}, 10.0, platform::EdgeInsets(1));
  EXPECT_EQ(given.idealItemHeight(), 10);
  EXPECT_EQ(given.idealItemInsets(), platform::EdgeInsets(1));
}

TEST(KeyboardLayout, InputWidthIsTheNarrowestRow) {
  auto second = letters(9);
  second.push_back(key(KeyboardAction::backspace(), Width::points(41)));
  const KeyboardLayout layout({letters(10), second});
  EXPECT_DOUBLE_EQ(layout.inputWidth(320), 31);

  const KeyboardLayout tenKeys({letters(10)});
  EXPECT_DOUBLE_EQ(tenKeys.inputWidth(320), 32);
}

TEST(KeyboardLayout, InputWidthCountsPercentagesAndInputPercentages) {
  auto row = letters(3);
  row.push_back(key(KeyboardAction::space(), Width::percentage(0.25)));
  EXPECT_DOUBLE_EQ(KeyboardLayout({row}).inputWidth(400), 100);

  auto units = letters(2);
  units.push_back(letter("y", Width::inputPercentage(0.5)));
  units.push_back(letter("z", Width::inputPercentage(0.5)));
  EXPECT_DOUBLE_EQ(KeyboardLayout({units}).inputWidth(300), 100);
}

TEST(KeyboardLayout, RowsWithoutInputKeysTakeNoPart) {
  const KeyboardLayout layout({letters(2, Width::inputPercentage(1)), {key(KeyboardAction::space(), Width::available())}});
  EXPECT_EQ(layout.inputWidth(300), 0);
  EXPECT_EQ(KeyboardLayout({}).inputWidth(300), 0);
  // A narrow row of percentage-only keys does not limit the input rows.
  const KeyboardLayout mixed({letters(3), letters(10, Width::inputPercentage(1))});
  EXPECT_DOUBLE_EQ(mixed.inputWidth(300), 100);
}

TEST(KeyboardLayout, ChangedRowsAreMeasuredAgain) {
  KeyboardLayout layout({letters(10)});
  EXPECT_DOUBLE_EQ(layout.inputWidth(320), 32);
  EXPECT_DOUBLE_EQ(layout.inputWidth(-0.0), 0);
  layout.setItemRows({letters(8)});
  EXPECT_DOUBLE_EQ(layout.inputWidth(320), 40);
  layout.editItemRows([](KeyboardLayoutItemRows& rows) { rows[0].push_back(letter("y")); rows[0].push_back(letter("z")); });
  EXPECT_DOUBLE_EQ(layout.inputWidth(320), 32);
}

TEST(KeyboardLayout, BottomRowQueries) {
  const KeyboardLayout none({});
  EXPECT_EQ(none.bottomRowIndex(), -1);
  EXPECT_TRUE(none.bottomRowSystemItems().empty());
  EXPECT_FALSE(none.hasKeyboardSwitcher(KeyboardType::numeric()));
  EXPECT_EQ(none.tryCreateBottomRowItem(KeyboardAction::space()), std::nullopt);

  const auto numeric = key(KeyboardAction::keyboardType(KeyboardType::numeric()), Width::percentage(0.123), 54,
                           platform::EdgeInsets(6, 3, 6, 3));
  const auto emojis = key(KeyboardAction::keyboardType(KeyboardType::emojis()), Width::percentage(0.123));
  const KeyboardLayout layout(
      {letters(10), {numeric, emojis, key(KeyboardAction::space(), Width::available()),
                     key(KeyboardAction::primary(KeyboardReturnKeyType::done()))}});
  EXPECT_EQ(layout.bottomRowIndex(), 1);
  EXPECT_EQ(layout.bottomRowSystemItems(), (KeyboardLayoutItemRow{numeric, emojis}));
  for (const auto& type : {KeyboardType::alphabetic(KeyboardCase::auto_), KeyboardType::emojis(),
                           KeyboardType::custom("x")}) {
    EXPECT_TRUE(layout.hasKeyboardSwitcher(type));
  }
  EXPECT_EQ(layout.tryCreateBottomRowItem(KeyboardAction::dictation()),
            (KeyboardLayoutItem{KeyboardAction::dictation(), numeric.size, numeric.insets}));

  const KeyboardLayout lettersOnly({letters(3)});
  EXPECT_EQ(lettersOnly.tryCreateBottomRowItem(KeyboardAction::space()), std::nullopt);
  EXPECT_FALSE(lettersOnly.hasKeyboardSwitcher(KeyboardType::emojis()));
}

// ---- Row editing ----

const KeyboardAction a = KeyboardAction::character("a");
const KeyboardAction b = KeyboardAction::character("b");
const KeyboardAction n = KeyboardAction::none();

KeyboardLayoutItemRow row(std::initializer_list<KeyboardAction> actions) {
  KeyboardLayoutItemRow result;
  for (const auto& action : actions) result.push_back(key(action));
  return result;
}

TEST(KeyboardRowEditing, OneRowById) {
  auto r = row({a, b, a, b, a});
  EXPECT_EQ(indexOf(r, b), 1u);
  EXPECT_EQ(indexOf(r, n), std::nullopt);

  insertAfter(r, key(n), b);
  EXPECT_EQ(r, row({a, b, n, a, b, a}));
  insertBefore(r, key(n), a);
  EXPECT_EQ(r, row({n, a, b, n, a, b, a}));
  insertAfter(r, key(b), KeyboardAction::space());  // no match: nothing
  EXPECT_EQ(r.size(), 7u);

  replace(r, a, key(KeyboardAction::space()));
  EXPECT_EQ(r, row({n, KeyboardAction::space(), b, n, a, b, a}));

  remove(r, a);
  EXPECT_EQ(r, row({n, KeyboardAction::space(), b, n, b}));
  remove(r, r[0].rowId());  // an id that lives in the row itself
  EXPECT_EQ(r, row({KeyboardAction::space(), b, b}));
}

TEST(KeyboardRowEditing, ReplacingAnItemRemovesEveryOtherMatch) {
  auto r = row({b, a, n, a});
  replace(r, key(a), key(KeyboardAction::space()));
  EXPECT_EQ(r, row({b, KeyboardAction::space(), n}));
}

TEST(KeyboardRowEditing, ReplacingAKeyWithANewVersionOfItselfKeepsIt) {
  auto r = row({b, a, n, a});
  const auto wider = key(a, Width::percentage(0.2));
  replace(r, key(a), wider);
  EXPECT_EQ(r, (KeyboardLayoutItemRow{key(b), wider, key(n)}));
}

TEST(KeyboardRowEditing, ItemFormsUseTheRowId) {
  auto r = row({a, b});
  // Items with another size are still the same key.
  const auto otherA = key(a, Width::points(3));
  EXPECT_EQ(indexOf(r, otherA), 0u);
  insertAfter(r, key(n), otherA);
  insertBefore(r, key(KeyboardAction::space()), key(b, Width::available()));
  EXPECT_EQ(r, row({a, n, KeyboardAction::space(), b}));
  remove(r, otherA);
  EXPECT_EQ(r, row({n, KeyboardAction::space(), b}));
}

TEST(KeyboardRowEditing, ListOfRows) {
  KeyboardLayoutItemRows rows{row({a, b}), row({b, a, a}), row({}), row({a})};
  EXPECT_EQ(rowAt(rows, -1), std::nullopt);
  EXPECT_EQ(rowAt(rows, 4), std::nullopt);
  EXPECT_EQ(rowAt(rows, 1), row({b, a, a}));

  const auto before = rows;
  insertAfter(rows, key(n), a, 5);
  insertBefore(rows, key(n), a, -1);
  remove(rows, a, 4);
  replace(rows, a, key(n), 9);
  EXPECT_EQ(rows, before);

  insertAfter(rows, key(n), a, 1);
  EXPECT_EQ(rows[1], row({b, a, n, a}));
  insertBefore(rows, key(n), a, 0);
  EXPECT_EQ(rows[0], row({n, a, b}));
  remove(rows, n, 0);
  EXPECT_EQ(rows[0], row({a, b}));

  // Given an item, the list-of-rows replace takes its id: first match per row.
  replace(rows, key(a), key(KeyboardAction::space()));
  EXPECT_EQ(rows, (KeyboardLayoutItemRows{row({KeyboardAction::space(), b}),
                                          row({b, KeyboardAction::space(), n, a}), row({}),
                                          row({KeyboardAction::space()})}));
  remove(rows, KeyboardAction::space());
  EXPECT_EQ(rows, (KeyboardLayoutItemRows{row({b}), row({b, n, a}), row({}), row({})}));
  insertAfter(rows, key(a), key(b));
  insertBefore(rows, key(n), b);
  EXPECT_EQ(rows, (KeyboardLayoutItemRows{row({n, b, a}), row({n, b, a, n, a}), row({}), row({})}));
}

}  // namespace
}  // namespace keyloom

namespace keyloom {
namespace {

// Input set items are their own ids.
TEST(KeyboardRowEditing, InputSetRows) {
  InputSetRows rows{inputSetRow("abca"), inputSetRow("xa")};
  const InputSetItem a("a");
  EXPECT_EQ(indexOf(rows[0], a), 0u);
  replace(rows, a, InputSetItem("b"));
  EXPECT_EQ(rows, (InputSetRows{inputSetRow("bbca"), inputSetRow("xb")}));
  insertAfter(rows, InputSetItem("y"), InputSetItem("x"), 1);
  EXPECT_EQ(rows[1], inputSetRow("xyb"));
  remove(rows, InputSetItem("b"));
  EXPECT_EQ(rows, (InputSetRows{inputSetRow("ca"), inputSetRow("xy")}));
  EXPECT_EQ(rowAt(rows, 1), inputSetRow("xy"));
}

}  // namespace
}  // namespace keyloom
