#include "keyloom/text/TextDocumentProxyOperations.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "keyloom/state/PreviewTextDocumentProxy.h"
#include "keyloom/text/KeyboardCharacters.h"
#include "keyloom/text/ProxyState.h"
#include "keyloom/text/QuotationAnalyzer.h"
#include "keyloom/text/SentenceAnalyzer.h"
#include "keyloom/text/WordAnalyzer.h"
#include "platform/foundation/Text.h"
#include "platform/input/InMemoryTextDocumentProxy.h"

namespace keyloom {
namespace {

// A real in-memory document that records the edits it receives. It can also
// leave either side absent, or stop reflecting edits like a stale host.
class RecordingProxy : public platform::TextDocumentProxy {
 public:
  explicit RecordingProxy(std::optional<std::string> before, std::optional<std::string> after = std::nullopt)
      : document_(platform::InMemoryTextDocumentProxy::make(before.value_or(""), after.value_or(""))),
        beforeAbsent_(!before),
        afterAbsent_(!after) {}

  int deletions = 0;
  std::vector<int> moves;
  std::vector<std::string> insertions;
  bool reflectsEdits = true;

  std::string before() const { return document_->documentContextBeforeInput().value_or(""); }
  std::string after() const { return document_->documentContextAfterInput().value_or(""); }

  std::optional<std::string> documentContextBeforeInput() const override {
    if (beforeAbsent_) return std::nullopt;
    return document_->documentContextBeforeInput();
  }
  std::optional<std::string> documentContextAfterInput() const override {
    if (afterAbsent_) return std::nullopt;
    return document_->documentContextAfterInput();
  }
  std::optional<std::string> selectedText() const override { return document_->selectedText(); }
  bool hasText() const override { return document_->hasText(); }
  std::optional<platform::TextInputMode> documentInputMode() const override { return std::nullopt; }
  platform::UUID documentIdentifier() const override { return document_->documentIdentifier(); }

  void insertText(const std::string& text) override {
    insertions.push_back(text);
    if (reflectsEdits) document_->insertText(text);
  }
  void deleteBackward() override {
    ++deletions;
    if (reflectsEdits) document_->deleteBackward();
  }
  void adjustTextPosition(int offset) override {
    moves.push_back(offset);
    if (reflectsEdits) document_->adjustTextPosition(offset);
  }
  void setMarkedText(const std::string& text, platform::CharacterRange range) override {
    document_->setMarkedText(text, range);
  }
  void unmarkText() override { document_->unmarkText(); }

 private:
  std::shared_ptr<platform::InMemoryTextDocumentProxy> document_;
  bool beforeAbsent_;
  bool afterAbsent_;
};

using std::nullopt;
using OptionalText = std::optional<std::string>;

// ---- Reading

TEST(ProxyReading, DocumentContextIsAlwaysPresent) {
  EXPECT_EQ(documentContext(RecordingProxy("Hello ", "world")), "Hello world");
  EXPECT_EQ(documentContext(RecordingProxy(nullopt, "world")), "world");
  EXPECT_EQ(documentContext(RecordingProxy(nullopt, nullopt)), "");
}

TEST(ProxyReading, CurrentWord) {
  struct Case {
    OptionalText before, after, pre, post, word;
  } cases[] = {
      {"Hello wor", "ld again", "wor", "ld", "world"},
      {"Hello ", nullopt, "", nullopt, ""},
      {nullopt, nullopt, nullopt, nullopt, nullopt},
      {nullopt, "abc def", nullopt, "abc", "abc"},
      {"Hi caf", "e\u0301!", "caf", "e\u0301", "cafe\u0301"},
      {"\U0001F44B\U0001F3FD", nullopt, "\U0001F44B\U0001F3FD", nullopt, "\U0001F44B\U0001F3FD"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.before) + " | " + testing::PrintToString(c.after));
    const RecordingProxy proxy(c.before, c.after);
    EXPECT_EQ(currentWordPreCursorPart(proxy), c.pre);
    EXPECT_EQ(currentWordPostCursorPart(proxy), c.post);
    EXPECT_EQ(currentWord(proxy), c.word);
    EXPECT_EQ(hasCurrentWord(proxy), c.word.has_value());
  }
}

TEST(ProxyReading, CurrentWordUpToALength) {
  struct Case {
    OptionalText before, after, word;
  } cases[] = {
      {"Hi wonde", nullopt, "wonde"},   {"Hi wonder", nullopt, nullopt}, {nullopt, "wonde, r", "wonde"},
      {nullopt, "wonder", nullopt},     {"Hi won", "de!", "wonde"},      {"Hi won", "der", nullopt},
      {"Hi ", nullopt, ""},             {nullopt, nullopt, nullopt},     {"\U0001F44B\U0001F3FD!", nullopt, ""},
      {"a\U0001F44B\U0001F3FD", "b", "a\U0001F44B\U0001F3FDb"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.before) + " | " + testing::PrintToString(c.after));
    EXPECT_EQ(currentWord(RecordingProxy(c.before, c.after), 5), c.word);
  }
}

TEST(ProxyReading, CursorTests) {
  struct Case {
    OptionalText before, after;
    bool newWord, newSentence, newSentenceWithWhitespace, endOfWord;
  } cases[] = {
      {"Hi ", nullopt, true, false, false, true},
      {"Hi,", nullopt, true, false, false, true},
      {"Hi", nullopt, false, false, false, true},
      {"", nullopt, true, true, true, true},
      {nullopt, nullopt, true, true, true, false},
      {"Hi. ", nullopt, true, true, true, true},
      {"Hi.", nullopt, true, true, false, true},
      {"Hi", "gh", false, false, false, false},
      {"Hi", " there", false, false, false, true},  // the post-cursor part is empty
      {"Hi", "  ", false, false, false, true},
      {nullopt, "x", true, true, true, false},  // no pre-cursor part
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.before) + " | " + testing::PrintToString(c.after));
    const RecordingProxy proxy(c.before, c.after);
    EXPECT_EQ(isCursorAtNewWord(proxy), c.newWord);
    EXPECT_EQ(isCursorAtNewSentence(proxy), c.newSentence);
    EXPECT_EQ(isCursorAtNewSentenceWithTrailingWhitespace(proxy), c.newSentenceWithWhitespace);
    EXPECT_EQ(isCursorAtTheEndOfTheCurrentWord(proxy), c.endOfWord);
  }
}

TEST(ProxyReading, SentenceAndWordBeforeInput) {
  struct Case {
    OptionalText before, sentence, word;
  } cases[] = {
      {"Hello world ", nullopt, "world"},  {"Hello. ", nullopt, nullopt},  // a new sentence
      {"Hello world, ", nullopt, nullopt},  // the piece between comma and space is empty
      {"Hello world", nullopt, nullopt},    // inside a word
      {"One. Two?", " Two", nullopt},      {"\U0001F600 ok ", nullopt, "ok"}, {nullopt, nullopt, nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.before));
    const RecordingProxy proxy(c.before);
    EXPECT_EQ(sentenceBeforeInput(proxy), c.sentence);
    EXPECT_EQ(wordBeforeInput(proxy), c.word);
  }
}

TEST(ProxyReading, QuotationBeforeInput) {
  const auto locale =
      platform::Locale("fr").withQuotationDelimiters({"\u201C", "\u201D", "\u2018", "\u2019"});
  EXPECT_TRUE(hasUnclosedQuotationBeforeInput(RecordingProxy("He said \u201Chi"), locale));
  EXPECT_TRUE(hasUnclosedAlternateQuotationBeforeInput(RecordingProxy("x \u2018y"), locale));
  EXPECT_EQ(preferredQuotationReplacement(RecordingProxy("He said "), "\u201D", locale), "\u201C");
  // No text before the cursor: nothing is open and nothing is replaced.
  const RecordingProxy absent(nullopt);
  EXPECT_FALSE(hasUnclosedQuotationBeforeInput(absent, locale));
  EXPECT_FALSE(hasUnclosedAlternateQuotationBeforeInput(absent, locale));
  EXPECT_EQ(preferredQuotationReplacement(absent, "\u201D", locale), nullopt);
  EXPECT_EQ(preferredQuotationReplacement(absent, "\u2018", locale), nullopt);
}

// ---- Deleting

TEST(ProxyDeleting, ByCount) {
  RecordingProxy proxy("Hello");
  deleteBackward(proxy, 3);
  EXPECT_EQ(proxy.before(), "He");
  deleteBackward(proxy, 0);
  deleteBackward(proxy, -2);  // a negative count deletes nothing
  EXPECT_EQ(proxy.deletions, 3);
  EXPECT_EQ(proxy.before(), "He");
}

struct RangeCase {
  OptionalText before;
  DeleteBackwardRange range;
  int deletions;
  std::string result;
  const char* why;
};

TEST(ProxyDeleting, ByRange) {
  using enum DeleteBackwardRange;
  const RangeCase cases[] = {
      {"Ab", character, 1, "A", ""},
      {"", character, 1, "", "no character, still one delete"},
      {nullopt, character, 1, "", "absent text deletes one character"},
      {nullopt, word, 1, "", ""},
      {nullopt, sentence, 1, "", ""},
      {"", word, 0, "", ""},
      {"Hello world ", word, 6, "Hello ", "the space before the cursor and the word"},
      {"Hello", word, 5, "", ""},
      {"Hello world", word, 5, "Hello ", "no whitespace stands before the cursor, so only the word goes"},
      {"Hello world.", word, 6, "Hello ", "a delimiter that ends the word goes with it"},
      {"Hello  ", word, 7, "", "both spaces and the word, not a letter of the word before them"},
      {"Hello\n", word, 6, "", "the line feed and the word, nothing before the visible text"},
      {"Hello, ", word, 7, "", ""},
      {"One. Two three", sentence, 10, "One.", "the previous sentence keeps its period"},
      {"One. Two. ", sentence, 6, "One.", ""},
      {"  Hello", sentence, 7, "", ""},
      // Characters, not bytes or scalars.
      {"Hi \U0001F469\u200D\U0001F4BB", word, 1, "Hi ", "one emoji"},
      {"Hi \U0001F1FA\U0001F1F8\U0001F1E9\U0001F1EA", word, 2, "Hi ", "two flags"},
      {"Hi cafe\u0301", word, 4, "Hi ", "a combining mark stays with its letter"},
      {"Hello\r\n", word, 6, "", "\\r\\n is one whitespace character"},
      {"Hi e\u0301", character, 1, "Hi ", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.before) + " " + std::string(rawValue(c.range)) + ": " + c.why);
    RecordingProxy proxy(c.before);
    deleteBackward(proxy, c.range);
    EXPECT_EQ(proxy.deletions, c.deletions);
    EXPECT_EQ(proxy.before(), c.result);
  }
}

TEST(ProxyDeleting, NeverMoreThanTheTextBeforeTheCursor) {
  for (const char* text : {"a", " ", "\n", "Hello  ", "Hello\n", " \n \t", "...", "Hi!\n\n"}) {
    for (const auto range : {DeleteBackwardRange::word, DeleteBackwardRange::sentence}) {
      SCOPED_TRACE(testing::PrintToString(std::string(text)));
      EXPECT_LE(deleteBackwardLength(text, range), platform::text::graphemeCount(text));
    }
  }
}

TEST(ProxyDeleting, IllFormedTextIsReadWithoutHarm) {
  // Hosts should send UTF-8, but a stray byte must not hang or overrun a key press.
  for (const char* text : {"abc\xFF", "\xE2\x82", "\x80\x80 word", "x \xF0\x9F\x98", "\xC3"}) {
    SCOPED_TRACE(testing::PrintToString(std::string(text)));
    for (const auto range :
         {DeleteBackwardRange::character, DeleteBackwardRange::word, DeleteBackwardRange::sentence}) {
      RecordingProxy proxy(text);
      deleteBackward(proxy, range);
      EXPECT_LE(static_cast<std::size_t>(proxy.deletions), std::string(text).size());
    }
    const std::string_view raw = text;
    EXPECT_LE(deleteBackwardLength(raw, DeleteBackwardRange::word), raw.size());
    EXPECT_LE(wordFragmentAtEnd(raw).size(), raw.size());
    EXPECT_LE(wordFragmentAtStart(raw).size(), raw.size());
    (void)isLastSentenceEnded(raw);
    (void)isLastSentenceEndedWithTrailingWhitespace(raw);
    (void)lastSentence(raw);
    (void)hasUnclosedQuotation(raw, "\u201C", "\u201D");
    RecordingProxy proxy(text);
    endSentence(proxy);
    EXPECT_LE(currentWord(proxy)->size(), std::string(text).size() + 2);
    (void)isCursorAtNewSentence(proxy);
    (void)wordBeforeInput(proxy);
    (void)sentenceBeforeInput(proxy);
  }
}

TEST(ProxyDeleting, ReadsTheCurrentDelimiterLists) {
  wordDelimiters() = {"-"};
  RecordingProxy proxy("one two-three");
  deleteBackward(proxy, DeleteBackwardRange::word);
  EXPECT_EQ(proxy.before(), "one two-");
}

// ---- Ending a sentence

TEST(ProxyEndSentence, ReplacesTheSpacesWithAPeriodAndASpace) {
  struct Case {
    OptionalText before, after;
    std::string result;
  } cases[] = {
      {"Hi  ", nullopt, "Hi. "}, {"Hi ", nullopt, "Hi. "},
      {"Hi", nullopt, "Hi. "},   {"Hi", "gh", "Hi"},  // not at the end of the word
      {"Hi", " there", "Hi. "},  {"\U0001F600  ", nullopt, "\U0001F600. "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.before) + " | " + testing::PrintToString(c.after));
    RecordingProxy proxy(c.before, c.after);
    endSentence(proxy);
    EXPECT_EQ(proxy.before(), c.result);
  }
}

TEST(ProxyEndSentence, EndsOnProxiesThatDoNotReflectDeletions) {
  auto preview = PreviewTextDocumentProxy::preview();
  preview->setDocumentContextBeforeInput("Hi  ");
  endSentence(*preview);
  EXPECT_EQ(preview->documentContextBeforeInput(), "Hi  ");

  RecordingProxy stale("Hi  ");
  stale.reflectsEdits = false;
  endSentence(stale);
  EXPECT_EQ(stale.deletions, 2);
  EXPECT_EQ(stale.insertions, std::vector<std::string>{". "});
}

// ---- Replacing the current word

TEST(ProxyReplaceWord, MovesToTheWordEndDeletesTheWordAndInserts) {
  RecordingProxy proxy("Hello wo", "rd!");
  replaceCurrentWord(proxy, "world");
  EXPECT_EQ(proxy.moves, std::vector<int>{2});
  EXPECT_EQ(proxy.deletions, 4);
  EXPECT_EQ(proxy.before(), "Hello world");
  EXPECT_EQ(proxy.after(), "!");
}

TEST(ProxyReplaceWord, CountsCharacters) {
  RecordingProxy proxy("Hi caf", "e\u0301 ok");
  replaceCurrentWord(proxy, "caf\u00E9s");
  EXPECT_EQ(proxy.moves, std::vector<int>{1});
  EXPECT_EQ(proxy.deletions, 4);
  EXPECT_EQ(proxy.before(), "Hi caf\u00E9s");
  EXPECT_EQ(proxy.after(), " ok");
}

TEST(ProxyReplaceWord, EmptyOrAbsentWord) {
  RecordingProxy empty("Hello ");
  replaceCurrentWord(empty, "x");
  EXPECT_EQ(empty.deletions, 0);
  EXPECT_EQ(empty.before(), "Hello x");

  RecordingProxy absent(nullopt, nullopt);
  replaceCurrentWord(absent, "x");
  EXPECT_TRUE(absent.insertions.empty());
  EXPECT_TRUE(absent.moves.empty());
}

// ---- Autocomplete and its space

TEST(ProxyAutocomplete, InsertSuggestionWithAndWithoutSpace) {
  RecordingProxy proxy("Hel");
  insertAutocompleteSuggestion(proxy, AutocompleteSuggestion("Hello"), false);
  EXPECT_EQ(proxy.before(), "Hello");
  EXPECT_EQ(autocompleteSpaceState(), AutocompleteSpaceState::none);

  RecordingProxy spaced("Hel");
  insertAutocompleteSuggestion(spaced, AutocompleteSuggestion("Hello"), true);
  EXPECT_EQ(spaced.before(), "Hello ");
  EXPECT_EQ(autocompleteSpaceState(), AutocompleteSpaceState::autoInserted);
  EXPECT_TRUE(hasAutocompleteInsertedSpace(spaced));
}

TEST(ProxyAutocomplete, ATypedDelimiterLandsBeforeTheInsertedSpace) {
  RecordingProxy proxy("Hello");
  tryInsertSpaceAfterAutocomplete(proxy);
  EXPECT_EQ(proxy.before(), "Hello ");

  tryRemoveAutocompleteInsertedSpace(proxy);
  EXPECT_EQ(proxy.before(), "Hello");
  EXPECT_EQ(autocompleteSpaceState(), AutocompleteSpaceState::autoRemoved);
  EXPECT_TRUE(hasAutocompleteRemovedSpace(proxy));

  proxy.insertText(".");
  tryReinsertAutocompleteRemovedSpace(proxy);
  EXPECT_EQ(proxy.before(), "Hello. ");
  EXPECT_EQ(autocompleteSpaceState(), AutocompleteSpaceState::none);
}

TEST(ProxyAutocomplete, AMovedCursorResetsTheState) {
  RecordingProxy proxy("Hello");
  setAutocompleteSpaceState(AutocompleteSpaceState::autoInserted);
  EXPECT_FALSE(hasAutocompleteInsertedSpace(proxy));
  tryRemoveAutocompleteInsertedSpace(proxy);
  EXPECT_EQ(proxy.deletions, 0);
  EXPECT_EQ(autocompleteSpaceState(), AutocompleteSpaceState::none);
}

TEST(ProxyAutocomplete, NoSecondSpace) {
  for (const auto& [before, after] :
       {std::pair<OptionalText, OptionalText>{"Hello ", nullopt}, {"Hello", " world"}}) {
    RecordingProxy proxy(before, after);
    setAutocompleteSpaceState(AutocompleteSpaceState::autoRemoved);
    tryInsertSpaceAfterAutocomplete(proxy);
    EXPECT_TRUE(proxy.insertions.empty());
    EXPECT_EQ(autocompleteSpaceState(), AutocompleteSpaceState::autoRemoved);  // unchanged
  }
}

TEST(ProxyAutocomplete, ReinsertOnlyAfterARemoval) {
  RecordingProxy proxy("Hello");
  setAutocompleteSpaceState(AutocompleteSpaceState::autoInserted);
  tryReinsertAutocompleteRemovedSpace(proxy);
  EXPECT_TRUE(proxy.insertions.empty());
  EXPECT_EQ(autocompleteSpaceState(), AutocompleteSpaceState::none);
}

TEST(ProxyAutocomplete, TheStateIsSharedByEveryProxy) {
  RecordingProxy host("Hello");
  RecordingProxy field("typed by hand ");
  tryInsertSpaceAfterAutocomplete(host);
  EXPECT_TRUE(hasAutocompleteInsertedSpace(field));
}

TEST(ProxyAutocomplete, FullDocumentFlagIsProcessWide) {
  EXPECT_FALSE(isReadingFullDocumentContext());
  setReadingFullDocumentContext(true);
  EXPECT_TRUE(isReadingFullDocumentContext());
}

TEST(ProxyAutocomplete, FlagAndStateAreResetBetweenTests) {
  EXPECT_FALSE(isReadingFullDocumentContext());
  EXPECT_EQ(autocompleteSpaceState(), AutocompleteSpaceState::none);
}

}  // namespace
}  // namespace keyloom
