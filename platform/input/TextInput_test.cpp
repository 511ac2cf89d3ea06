#include "platform/input/TextInput.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace platform {
namespace {

// "é" as e + combining acute, so one character of two scalars.
const std::string kDecomposedE = "e\u0301";
const std::string kThumbsUpMedium = "\U0001F44D\U0001F3FD";
const std::string kPolarBear = "\U0001F43B\u200D\u2744\uFE0F";

TEST(TextInputTest, PositionsCountCharactersNotBytes) {
  TextInput input;
  input.setText("a" + kPolarBear + kDecomposedE);
  EXPECT_EQ(input.characterCount(), 3u);
  EXPECT_EQ(input.endOfDocument().offset, 3u);
  EXPECT_EQ(input.text(TextRange{{1}, {2}}), kPolarBear);
  EXPECT_EQ(input.text(TextRange{{2}, {3}}), kDecomposedE);
  EXPECT_EQ(input.text(TextRange{{2}, {4}}), std::nullopt);
}

TEST(TextInputTest, PositionOutsideTheDocumentIsAbsent) {
  TextInput input;
  input.setText("abc");
  EXPECT_EQ(input.position({1}, -1), TextPosition{0});
  EXPECT_EQ(input.position({1}, 2), TextPosition{3});
  EXPECT_EQ(input.position({1}, -2), std::nullopt);
  EXPECT_EQ(input.position({1}, 3), std::nullopt);
  EXPECT_EQ(input.textRange({3}, {1}), (TextRange{{1}, {3}}));
  EXPECT_EQ(input.textRange({0}, {4}), std::nullopt);
}

TEST(TextInputTest, BoundariesCharactersAwayCountWholeCharactersAndStopAtTheEnds) {
  TextInput input;
  // Boundaries at bytes 0, 1, 14, 17 and 18.
  input.setText("a" + kPolarBear + kDecomposedE + "b");
  const struct {
    std::size_t boundary;
    std::size_t characters;
    std::size_t before;
    std::size_t after;
  } cases[] = {
      {14, 0, 14, 14}, {14, 1, 1, 17}, {14, 2, 0, 18}, {14, 5, 0, 18},       {0, 1, 0, 1},
      {18, 1, 17, 18}, {18, 3, 1, 18}, {18, 9, 0, 18}, {1, SIZE_MAX, 0, 18},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.characters) + " from byte " + std::to_string(c.boundary));
    EXPECT_EQ(input.characterBoundaryBefore(c.boundary, c.characters), c.before);
    EXPECT_EQ(input.characterBoundaryAfter(c.boundary, c.characters), c.after);
  }
  // After an edit, across it: boundaries at 0, 1, 14, 22, 25 and 26.
  input.select(2);
  input.insertText(kThumbsUpMedium);
  EXPECT_EQ(input.characterBoundaryBefore(22, 2), 1u);
  EXPECT_EQ(input.characterBoundaryAfter(1, 3), 25u);
  EXPECT_EQ(input.characterBoundaryAfter(22, 2), 26u);
}

TEST(TextInputTest, InsertReplacesTheSelectionAndPutsTheCaretAfter) {
  TextInput input;
  input.setText("hello world");
  input.select(6, 5);
  input.insertText("there");
  EXPECT_EQ(input.text(), "hello there");
  EXPECT_EQ(input.selectedTextRange(), (TextRange{{11}, {11}}));
}

TEST(TextInputTest, DeleteBackwardRemovesAWholeCluster) {
  TextInput input;
  input.setText("ok" + kThumbsUpMedium);
  input.deleteBackward();
  EXPECT_EQ(input.text(), "ok");
  input.setText("x" + kPolarBear + "y");
  input.select(2);
  input.deleteBackward();
  EXPECT_EQ(input.text(), "xy");
  EXPECT_EQ(input.cursorOffset(), 1u);
}

TEST(TextInputTest, DeleteBackwardAtTheStartDoesNothing) {
  TextInput input;
  input.setText("abc");
  input.select(0);
  int edits = 0;
  auto token = input.editingChanged().sink([&] { ++edits; });
  input.deleteBackward();
  EXPECT_EQ(input.text(), "abc");
  EXPECT_EQ(edits, 0);
}

TEST(TextInputTest, DeleteBackwardWithASelectionDeletesOnlyTheSelection) {
  TextInput input;
  input.setText("abcdef");
  input.select(1, 3);
  input.deleteBackward();
  EXPECT_EQ(input.text(), "aef");
  EXPECT_EQ(input.cursorOffset(), 1u);
}

TEST(TextInputTest, AModifierTypedAfterItsBaseJoinsItAndTheCaretStaysOnABoundary) {
  TextInput input;
  input.insertText("\U0001F44D");
  input.insertText("\U0001F3FD");
  EXPECT_EQ(input.text(), kThumbsUpMedium);
  EXPECT_EQ(input.characterCount(), 1u);
  EXPECT_EQ(input.cursorOffset(), 1u);

  // A base typed before a lone combining mark merges with it; the caret moves
  // past the merged character rather than into it.
  input.setText("\u0301x");
  input.select(0);
  input.insertText("e");
  EXPECT_EQ(input.text(), kDecomposedE + "x");
  EXPECT_EQ(input.cursorOffset(), 1u);
}

TEST(TextInputTest, SelectionIsClampedToTheDocument) {
  TextInput input;
  input.setText("abc");
  input.setSelectedTextRange(TextRange{{2}, {9}});
  EXPECT_EQ(input.selectedTextRange(), (TextRange{{2}, {3}}));
}

TEST(TextInputTest, WithoutASelectionEditsDoNothing) {
  TextInput input;
  input.setText("abc");
  input.setSelectedTextRange(std::nullopt);
  input.insertText("x");
  input.deleteBackward();
  EXPECT_EQ(input.text(), "abc");
  EXPECT_EQ(input.selectedTextRange(), std::nullopt);
}

TEST(TextInputTest, MarkedTextIsReplacedUntilUnmarked) {
  TextInput input;
  input.setText("ab");
  input.setMarkedText("k", CharacterRange{1, 0});
  input.setMarkedText("ka", CharacterRange{2, 0});
  EXPECT_EQ(input.text(), "abka");
  EXPECT_EQ(input.markedText(), "ka");
  EXPECT_EQ(input.markedTextRange(), (TextRange{{2}, {4}}));
  EXPECT_EQ(input.selectedTextRange(), (TextRange{{4}, {4}}));

  input.insertText("\u304B");  // the composed character replaces the marked text
  EXPECT_EQ(input.text(), "ab\u304B");
  EXPECT_EQ(input.markedText(), std::nullopt);

  input.setMarkedText("x", CharacterRange{0, 1});
  input.unmarkText();
  EXPECT_EQ(input.text(), "ab\u304Bx");
  EXPECT_EQ(input.selectedTextRange(), (TextRange{{3}, {4}}));
}

TEST(TextInputTest, EmptyMarkedTextRemovesIt) {
  TextInput input;
  input.setText("ab");
  input.setMarkedText("xyz", CharacterRange{3, 0});
  input.setMarkedText(std::nullopt, CharacterRange{});
  EXPECT_EQ(input.text(), "ab");
  EXPECT_EQ(input.markedTextRange(), std::nullopt);
  EXPECT_EQ(input.cursorOffset(), 2u);
}

TEST(TextInputTest, EditingChangedFiresForKeyInputButNotForSetText) {
  TextInput input;
  int edits = 0;
  auto token = input.editingChanged().sink([&] { ++edits; });
  input.setText("abc");
  EXPECT_EQ(edits, 0);
  input.insertText("d");
  input.deleteBackward();
  input.setMarkedText("m", CharacterRange{1, 0});
  EXPECT_EQ(edits, 3);
}

TEST(TextInputTest, UnansweredTraitsStayAbsent) {
  TextInput input;
  EXPECT_EQ(input.answeredTraits(), TextInputTraits{});
  TextInputTraits traits;
  traits.keyboardType = KeyboardType::numberPad;
  traits.isSecureTextEntry = false;
  input.setTraits(traits);
  const TextInputTraitsSource& source = input;
  EXPECT_EQ(source.keyboardType(), KeyboardType::numberPad);
  EXPECT_EQ(source.isSecureTextEntry(), false);
  EXPECT_EQ(source.returnKeyType(), std::nullopt);
}

TEST(TextInputTest, AFieldThatCannotBecomeFirstResponderRefuses) {
  TextInput input;
  EXPECT_TRUE(input.becomeFirstResponder());
  EXPECT_TRUE(input.isFirstResponder());
  EXPECT_TRUE(input.resignFirstResponder());
  input.setCanBecomeFirstResponder(false);
  EXPECT_FALSE(input.becomeFirstResponder());
  EXPECT_FALSE(input.isFirstResponder());
}

}  // namespace
}  // namespace platform
