#include "keyloom/text/TextInputProxy.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "keyloom/text/TextDocumentProxyOperations.h"
#include "platform/input/TextInput.h"

namespace keyloom {
namespace {

using platform::TextInput;

std::shared_ptr<TextInput> inputWith(const std::string& text, std::size_t start, std::size_t length = 0) {
  auto input = std::make_shared<TextInput>();
  input->setText(text);
  input->select(start, length);
  return input;
}

struct AroundCase {
  std::string text;
  std::size_t start;
  std::size_t length;
  std::string before;
  std::string selected;
  std::string after;
};

TEST(TextInputProxy, TextAroundTheSelectionLeavesTheSelectionOut) {
  const AroundCase cases[] = {
      {"Hello world", 0, 0, "", "", "Hello world"},
      {"Hello world", 11, 0, "Hello world", "", ""},
      {"Hello world", 5, 0, "Hello", "", " world"},
      {"Hello world", 2, 3, "He", "llo", " world"},
      {"Hello world", 0, 11, "", "Hello world", ""},
      {"", 0, 0, "", "", ""},
      // Counted in characters: a flag, a family and a combining accent are one each.
      {"a\U0001F1FA\U0001F1F8b\U0001F468\u200D\U0001F469\u200D\U0001F467e\u0301", 2, 2,
       "a\U0001F1FA\U0001F1F8", "b\U0001F468\u200D\U0001F469\u200D\U0001F467", "e\u0301"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text + " @" + std::to_string(c.start) + "+" + std::to_string(c.length));
    auto input = inputWith(c.text, c.start, c.length);
    TextInputProxy proxy(input);
    EXPECT_EQ(proxy.documentContextBeforeInput(), c.before);
    EXPECT_EQ(proxy.selectedText(), c.selected);
    EXPECT_EQ(proxy.documentContextAfterInput(), c.after);
    EXPECT_EQ(proxy.hasText(), !c.text.empty());
  }
}

TEST(TextInputProxy, AnInputThatIsNotEditingGivesNoContext) {
  auto input = inputWith("abc", 1);
  input->setSelectedTextRange(std::nullopt);
  TextInputProxy proxy(input);
  EXPECT_EQ(proxy.documentContextBeforeInput(), std::nullopt);
  EXPECT_EQ(proxy.documentContextAfterInput(), std::nullopt);
  EXPECT_EQ(proxy.selectedText(), std::nullopt);
  EXPECT_TRUE(proxy.hasText());
  proxy.adjustTextPosition(1);
  EXPECT_EQ(input->selectedTextRange(), std::nullopt);
}

TEST(TextInputProxy, MovingTheCursorCountsFromTheSelectionStartAndCollapsesIt) {
  struct Case {
    std::size_t start;
    std::size_t length;
    int offset;
    std::size_t caret;  // expected caret, or unchanged selection when out of range
    bool moves;
  };
  const Case cases[] = {
      {2, 2, 0, 2, true},    // a selection collapses to its start
      {2, 2, 1, 3, true},    // the length does not count
      {2, 0, -2, 0, true},   // to the very start
      {2, 0, 4, 6, true},    // to the very end ("a🇺🇸bcdé" has 6 characters)
      {2, 2, -3, 0, false},  // before the start: nothing changes
      {2, 0, 5, 0, false},   // past the end: nothing changes
  };
  const std::string text = "a\U0001F1FA\U0001F1F8bcde\u0301";
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.start) + "+" + std::to_string(c.length) + " by " + std::to_string(c.offset));
    auto input = inputWith(text, c.start, c.length);
    TextInputProxy proxy(input);
    proxy.adjustTextPosition(c.offset);
    const auto selection = input->selectedTextRange();
    ASSERT_TRUE(selection);
    if (c.moves) {
      EXPECT_TRUE(selection->isEmpty());
      EXPECT_EQ(selection->start.offset, c.caret);
    } else {
      EXPECT_EQ(selection->start.offset, c.start);
      EXPECT_EQ(selection->length(), c.length);
    }
  }
}

TEST(TextInputProxy, EditsGoToTheInput) {
  auto input = inputWith("ab", 1);
  TextInputProxy proxy(input);
  proxy.insertText("X");
  EXPECT_EQ(input->text(), "aXb");
  proxy.deleteBackward();
  proxy.deleteBackward();
  EXPECT_EQ(input->text(), "b");
  proxy.setMarkedText("ka", {2, 0});
  EXPECT_EQ(input->markedText(), "ka");
  EXPECT_EQ(proxy.documentContextBeforeInput(), "ka");
  proxy.unmarkText();
  EXPECT_EQ(input->markedText(), std::nullopt);
  EXPECT_EQ(input->text(), "kab");
}

TEST(TextInputProxy, TheProxyOperationsWorkOnTheInput) {
  // The keyboard's own editing (here: delete a word) runs unchanged on the proxy.
  auto input = inputWith("Hello there", 11);
  TextInputProxy proxy(input);
  keyloom::deleteBackward(proxy, DeleteBackwardRange::word);
  EXPECT_EQ(input->text(), "Hello ");
}

TEST(TextInputProxy, TraitsAreCopiedOnceAndUnansweredOnesGetTheirZeroValue) {
  auto input = std::make_shared<TextInput>();
  TextInputProxy bare(input);
  EXPECT_EQ(bare.autocapitalizationType(), platform::AutocapitalizationType::none);
  EXPECT_EQ(bare.autocorrectionType(), platform::AutocorrectionType::default_);
  EXPECT_EQ(bare.enablesReturnKeyAutomatically(), false);
  EXPECT_EQ(bare.isSecureTextEntry(), false);
  EXPECT_EQ(bare.keyboardAppearance(), platform::KeyboardAppearance::default_);
  EXPECT_EQ(bare.keyboardType(), platform::KeyboardType::default_);
  EXPECT_EQ(bare.returnKeyType(), platform::ReturnKeyType::default_);
  EXPECT_EQ(bare.spellCheckingType(), platform::SpellCheckingType::default_);
  EXPECT_EQ(bare.smartDashesType(), platform::SmartDashesType::default_);
  EXPECT_EQ(bare.smartInsertDeleteType(), platform::SmartInsertDeleteType::default_);
  EXPECT_EQ(bare.smartQuotesType(), platform::SmartQuotesType::default_);

  platform::TextInputTraits traits;
  traits.autocapitalizationType = platform::AutocapitalizationType::words;
  traits.keyboardType = platform::KeyboardType::emailAddress;
  traits.returnKeyType = platform::ReturnKeyType::search;
  traits.isSecureTextEntry = true;
  traits.smartQuotesType = platform::SmartQuotesType::no;
  input->setTraits(traits);
  TextInputProxy proxy(input);
  EXPECT_EQ(proxy.autocapitalizationType(), platform::AutocapitalizationType::words);
  EXPECT_EQ(proxy.keyboardType(), platform::KeyboardType::emailAddress);
  EXPECT_EQ(proxy.returnKeyType(), platform::ReturnKeyType::search);
  EXPECT_EQ(proxy.isSecureTextEntry(), true);
  EXPECT_EQ(proxy.smartQuotesType(), platform::SmartQuotesType::no);

  // A write changes only the proxy's copy, and a later change of the input
  // does not reach the proxy.
  proxy.setKeyboardType(platform::KeyboardType::numberPad);
  proxy.setSecureTextEntry(false);
  EXPECT_EQ(proxy.keyboardType(), platform::KeyboardType::numberPad);
  EXPECT_EQ(proxy.isSecureTextEntry(), false);
  EXPECT_EQ(input->keyboardType(), platform::KeyboardType::emailAddress);
  EXPECT_EQ(input->isSecureTextEntry(), true);
  traits.returnKeyType = platform::ReturnKeyType::go;
  input->setTraits(traits);
  EXPECT_EQ(proxy.returnKeyType(), platform::ReturnKeyType::search);
}

TEST(TextInputProxy, AGoneInputAnswersNothingAndIgnoresCommands) {
  auto input = inputWith("abc", 1);
  platform::TextInputTraits traits;
  traits.keyboardType = platform::KeyboardType::URL;
  input->setTraits(traits);
  input->setTextInputMode(platform::TextInputMode{"de-DE", {}});
  TextInputProxy proxy(input);
  EXPECT_EQ(proxy.documentInputMode()->primaryLanguage, "de-DE");
  const auto identifier = proxy.documentIdentifier();
  input.reset();

  EXPECT_EQ(proxy.input(), nullptr);
  EXPECT_EQ(proxy.documentContextBeforeInput(), std::nullopt);
  EXPECT_EQ(proxy.documentContextAfterInput(), std::nullopt);
  EXPECT_EQ(proxy.selectedText(), std::nullopt);
  EXPECT_EQ(proxy.documentInputMode(), std::nullopt);
  EXPECT_FALSE(proxy.hasText());
  proxy.insertText("x");
  proxy.deleteBackward();
  proxy.adjustTextPosition(1);
  proxy.setMarkedText("x", {0, 1});
  proxy.unmarkText();
  EXPECT_EQ(proxy.documentIdentifier(), identifier);
  EXPECT_EQ(proxy.keyboardType(), platform::KeyboardType::URL);
}

TEST(TextInputProxy, EveryProxyIsANewDocument) {
  auto input = inputWith("abc", 0);
  TextInputProxy first(input);
  TextInputProxy second(input);
  EXPECT_EQ(first.documentIdentifier(), first.documentIdentifier());
  EXPECT_NE(first.documentIdentifier(), second.documentIdentifier());
}

}  // namespace
}  // namespace keyloom
