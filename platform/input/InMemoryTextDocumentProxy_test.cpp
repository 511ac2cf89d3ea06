#include "platform/input/InMemoryTextDocumentProxy.h"

#include <gtest/gtest.h>

#include "platform/foundation/Text.h"

namespace platform {
namespace {

const std::string kHello = "h\u00E9llo";
const std::string kThumbsUpMedium = "\U0001F44D\U0001F3FD";

TEST(InMemoryTextDocumentProxyTest, MovingBackOverAnEmojiLandsBeforeItNeverInsideIt) {
  InMemoryTextDocumentProxy proxy;
  proxy.insertText(kHello + kThumbsUpMedium);
  proxy.adjustTextPosition(-1);
  EXPECT_EQ(proxy.documentContextBeforeInput(), kHello);
  EXPECT_EQ(proxy.documentContextAfterInput(), kThumbsUpMedium);
  proxy.adjustTextPosition(-2);
  EXPECT_EQ(proxy.documentContextBeforeInput(), "h\u00E9l");
  proxy.insertText("|");
  EXPECT_EQ(proxy.input().text(), "h\u00E9l|lo" + kThumbsUpMedium);
}

TEST(InMemoryTextDocumentProxyTest, DeleteBackwardRemovesAWholeCluster) {
  InMemoryTextDocumentProxy proxy;
  proxy.insertText(kHello + kThumbsUpMedium);
  proxy.deleteBackward();
  EXPECT_EQ(proxy.documentContextBeforeInput(), kHello);
  proxy.adjustTextPosition(-3);
  proxy.deleteBackward();
  EXPECT_EQ(proxy.input().text(), "hllo");
}

TEST(InMemoryTextDocumentProxyTest, CursorMovesClampAtTheEnds) {
  auto proxy = InMemoryTextDocumentProxy::make("ab", "cd");
  proxy->adjustTextPosition(-10);
  EXPECT_EQ(proxy->documentContextBeforeInput(), "");
  EXPECT_EQ(proxy->documentContextAfterInput(), "abcd");
  proxy->adjustTextPosition(10);
  EXPECT_EQ(proxy->documentContextBeforeInput(), "abcd");
  EXPECT_EQ(proxy->documentContextAfterInput(), "");
}

TEST(InMemoryTextDocumentProxyTest, MovingCollapsesASelectionFromItsStart) {
  struct Case {
    int offset;
    std::string before;
  };
  // "hello world" with "lo wo" selected (characters 3 to 8).
  for (const auto& c : {Case{0, "hel"}, Case{1, "hell"}, Case{-1, "he"}, Case{-5, ""}, Case{20, "hello world"}}) {
    auto proxy = InMemoryTextDocumentProxy::make("hello world");
    proxy->input().select(3, 5);
    EXPECT_EQ(proxy->selectedText(), "lo wo");
    proxy->adjustTextPosition(c.offset);
    EXPECT_EQ(proxy->selectedText(), std::nullopt) << c.offset;
    EXPECT_EQ(proxy->documentContextBeforeInput(), c.before) << c.offset;
  }
}

TEST(InMemoryTextDocumentProxyTest, TheSelectionIsInNeitherContext) {
  auto proxy = InMemoryTextDocumentProxy::make("one two three");
  proxy->input().select(4, 3);
  EXPECT_EQ(proxy->documentContextBeforeInput(), "one ");
  EXPECT_EQ(proxy->selectedText(), "two");
  EXPECT_EQ(proxy->documentContextAfterInput(), " three");
}

TEST(InMemoryTextDocumentProxyTest, AnInputWithoutSelectionGivesNoContext) {
  auto proxy = InMemoryTextDocumentProxy::make("abc");
  proxy->input().setSelectedTextRange(std::nullopt);
  EXPECT_EQ(proxy->documentContextBeforeInput(), std::nullopt);
  EXPECT_EQ(proxy->documentContextAfterInput(), std::nullopt);
  proxy->adjustTextPosition(-1);
  EXPECT_EQ(proxy->input().selectedTextRange(), std::nullopt);
}

TEST(InMemoryTextDocumentProxyTest, MakeSplitsTheTextAtTheCaret) {
  auto proxy = InMemoryTextDocumentProxy::make("Hello, ", "world");
  EXPECT_EQ(proxy->documentContextBeforeInput(), "Hello, ");
  EXPECT_EQ(proxy->documentContextAfterInput(), "world");
  EXPECT_TRUE(proxy->hasText());
  EXPECT_FALSE(InMemoryTextDocumentProxy::make()->hasText());
}

TEST(InMemoryTextDocumentProxyTest, TraitsAndInputModeAreTheInputsAnswers) {
  auto proxy = InMemoryTextDocumentProxy::make();
  EXPECT_EQ(proxy->keyboardType(), std::nullopt);
  EXPECT_EQ(proxy->documentInputMode(), std::nullopt);
  TextInputTraits traits;
  traits.keyboardType = KeyboardType::emailAddress;
  traits.returnKeyType = ReturnKeyType::continue_;
  traits.autocapitalizationType = AutocapitalizationType::none;
  proxy->input().setTraits(traits);
  proxy->input().setTextInputMode(TextInputMode{"de-CH", {}});
  EXPECT_EQ(proxy->answeredTraits(), traits);
  EXPECT_EQ(proxy->documentInputMode(), (TextInputMode{"de-CH", {}}));
}

TEST(InMemoryTextDocumentProxyTest, EachProxyIsItsOwnDocument) {
  InMemoryTextDocumentProxy first;
  InMemoryTextDocumentProxy second;
  EXPECT_NE(first.documentIdentifier(), second.documentIdentifier());
  EXPECT_EQ(first.documentIdentifier(), first.documentIdentifier());
  const UUID before = first.documentIdentifier();
  first.renewDocumentIdentifier();
  EXPECT_NE(first.documentIdentifier(), before);
}

TEST(InMemoryTextDocumentProxyTest, MarkedTextGoesThroughToTheInput) {
  InMemoryTextDocumentProxy proxy;
  proxy.setMarkedText("ni", CharacterRange{2, 0});
  EXPECT_EQ(proxy.input().markedText(), "ni");
  proxy.unmarkText();
  EXPECT_EQ(proxy.input().markedText(), std::nullopt);
  EXPECT_EQ(proxy.documentContextBeforeInput(), "ni");
}

// Like the platform's proxies, the context reveals a bounded stretch around
// the caret, whole characters only, so its readers cost the same in a long
// document as in a short one.
TEST(InMemoryTextDocumentProxy, TheContextRevealsABoundedStretchOfWholeCharacters) {
  const std::size_t reach = InMemoryTextDocumentProxy::contextLength;
  std::string flags;
  for (std::size_t i = 0; i < reach + 1; ++i) flags += "\U0001F1E9\U0001F1EA";  // one flag a character
  auto proxy = InMemoryTextDocumentProxy::make(flags + "ab", "cd" + flags);
  const auto before = proxy->documentContextBeforeInput();
  const auto after = proxy->documentContextAfterInput();
  ASSERT_TRUE(before && after);
  EXPECT_EQ(text::graphemeCount(*before), reach);
  EXPECT_EQ(text::graphemeCount(*after), reach);
  EXPECT_EQ(before->substr(before->size() - 2), "ab");
  EXPECT_EQ(after->substr(0, 2), "cd");
  EXPECT_EQ(text::lastGrapheme(before->substr(0, 8)), "\U0001F1E9\U0001F1EA") << "the cut falls between flags";

  auto shortProxy = InMemoryTextDocumentProxy::make("Hello ", "world");
  EXPECT_EQ(shortProxy->documentContextBeforeInput(), "Hello ");
  EXPECT_EQ(shortProxy->documentContextAfterInput(), "world");
}

}  // namespace
}  // namespace platform
