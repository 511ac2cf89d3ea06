#include "keyboard-extension/MyAutocompleteProvider.h"

#include <gtest/gtest.h>

namespace zandorelle {
namespace {

// The texts suggested for `text`, checking the completion runs once, before
// the call returns, with plain suggestions.
std::vector<std::string> suggest(const std::string& text) {
  MyAutocompleteProvider provider;
  int calls = 0;
  std::vector<std::string> texts;
  provider.autocompleteSuggestions(text, [&](keyloom::AutocompleteResult result) {
    ++calls;
    const auto* suggestions = std::get_if<std::vector<keyloom::AutocompleteSuggestion>>(&result);
    ASSERT_NE(suggestions, nullptr);
    for (const auto& s : *suggestions) {
      EXPECT_EQ(s.title, s.text);
      EXPECT_FALSE(s.isAutocomplete);
      EXPECT_FALSE(s.isUnknown);
      EXPECT_FALSE(s.subtitle);
      EXPECT_TRUE(s.additionalInfo.empty());
      texts.push_back(s.text);
    }
  });
  EXPECT_EQ(calls, 1);
  return texts;
}

using Texts = std::vector<std::string>;

TEST(MyAutocompleteProvider, EmptyWordListSuggestsNothing) {
  for (const char* text : {"", "a", "hel", "HEl"}) EXPECT_EQ(suggest(text), Texts{}) << text;
}

TEST(MyAutocompleteProvider, SuggestsTheTypedTextAndTheFirstTwoMatches) {
  autocompleteWordList() = {"hello", "help", "world", "helium"};
  EXPECT_EQ(suggest("HEl"), (Texts{"HEl", "hello", "help"}));
  EXPECT_EQ(suggest("wor"), (Texts{"wor", "world"}));
  EXPECT_EQ(suggest("w"), (Texts{"w", "world"}));
  EXPECT_EQ(suggest("hex"), Texts{});
  EXPECT_EQ(suggest(""), Texts{});
}

TEST(MyAutocompleteProvider, MatchesNeedTheSameFirstTwoCharacters) {
  // "ohello" contains "hel" but starts differently; "h" is too short to contain "he".
  autocompleteWordList() = {"ohello", "h", "help"};
  EXPECT_EQ(suggest("he"), (Texts{"he", "help"}));
  EXPECT_EQ(suggest("h"), (Texts{"h", "help"}));
}

TEST(MyAutocompleteProvider, ListWordsMatchWhateverTheirCase) {
  autocompleteWordList() = {"Paris", "PARTY"};
  EXPECT_EQ(suggest("par"), (Texts{"par", "Paris", "PARTY"}));
}

TEST(MyAutocompleteProvider, ComparesCharactersNotBytes) {
  // Both start with "e" plus a combining acute accent: one character.
  autocompleteWordList() = {"e\u0301clair", "\u00e9t\u00e9"};
  EXPECT_EQ(suggest("E\u0301c"), (Texts{"E\u0301c", "e\u0301clair"}));
}

TEST(MyAutocompleteProvider, ComparesCharactersByCanonicalEquivalence) {
  // Stored precomposed, typed decomposed, and the other way round.
  autocompleteWordList() = {"\u00e9t\u00e9", "e\u0301te\u0301s", "etre"};
  EXPECT_EQ(suggest("e\u0301t"), (Texts{"e\u0301t", "\u00e9t\u00e9", "e\u0301te\u0301s"}));
  EXPECT_EQ(suggest("\u00c9t\u00e9s"), (Texts{"\u00c9t\u00e9s", "e\u0301te\u0301s"}));
  // A plain "e" is not an accented one.
  EXPECT_EQ(suggest("et"), (Texts{"et", "etre"}));
  // Composition applies to the whole text: a typed "n" plus tilde is "\u00f1".
  autocompleteWordList() = {"ma\u00f1ana"};
  EXPECT_EQ(suggest("man\u0303"), (Texts{"man\u0303", "ma\u00f1ana"}));
}

TEST(MyAutocompleteProvider, AnswersFromTheListAsItIsNow) {
  autocompleteWordList() = {"hello", "help"};
  EXPECT_EQ(suggest("hel"), (Texts{"hel", "hello", "help"}));
  autocompleteWordList() = {"Helsinki"};
  EXPECT_EQ(suggest("hel"), (Texts{"hel", "Helsinki"}));
  autocompleteWordList().push_back("helm");
  EXPECT_EQ(suggest("hel"), (Texts{"hel", "Helsinki", "helm"}));
  autocompleteWordList().clear();
  EXPECT_EQ(suggest("hel"), Texts{});
}

TEST(MyAutocompleteProvider, TypingOnAndBackAnswersAsAfreshQuestion) {
  autocompleteWordList() = {"often", "ohm", "o", "hello", "help", "shell", "hehel", "helium", "h"};
  const std::vector<std::pair<std::string, Texts>> steps = {
      {"h", {"h", "hello", "help"}},
      {"he", {"he", "hello", "help"}},
      {"hel", {"hel", "hello", "help"}},
      {"hell", {"hell", "hello"}},
      {"hello", {"hello"}},
      {"hellos", {}},
      {"hel", {"hel", "hello", "help"}},
      {"heli", {"heli", "helium"}},
      {"HELI", {"HELI", "helium"}},
      {"h", {"h", "hello", "help"}},
      {"o", {"o", "often", "ohm"}},
      // The typed text's first character changes when a mark joins it.
      {"h\u0301", {}},
      {"hel", {"hel", "hello", "help"}},
      {"he\u0301l", {}},
      // Another last character, again and again, as when a word is corrected.
      {"hell", {"hell", "hello"}},
      {"help", {"help"}},
      {"hell", {"hell", "hello"}},
      {"heli", {"heli", "helium"}},
      {"he", {"he", "hello", "help"}},
      {"hex", {}},
      {"shel", {"shel", "shell"}},
  };
  for (const auto& [typed, expected] : steps) EXPECT_EQ(suggest(typed), expected) << typed;
}

TEST(MyAutocompleteProvider, EachTextIsSuggestedOnce) {
  // The typed text comes first; a listed word that is the same text, or a
  // word listed twice, gives its place to the next match.
  autocompleteWordList() = {"help", "help", "helps", "Help", "helper", "\u00e9t\u00e9", "e\u0301te\u0301"};
  const std::vector<std::pair<std::string, Texts>> cases = {
      {"help", {"help", "helps", "Help"}},
      {"hel", {"hel", "help", "helps"}},
      // Another casing is another text: applied, it changes the word.
      {"Help", {"Help", "help", "helps"}},
      {"helper", {"helper"}},
      // Canonically equivalent texts are one text, however composed.
      {"e\u0301te\u0301", {"e\u0301te\u0301"}},
      {"\u00e9t", {"\u00e9t", "\u00e9t\u00e9"}},
  };
  for (const auto& [typed, expected] : cases) EXPECT_EQ(suggest(typed), expected) << typed;
}

TEST(MyAutocompleteProvider, ACharacterThatGainsAMarkIsComparedAgain) {
  // A combining mark without a precomposed form extends the typed bytes but
  // changes the first or second character, so earlier matches say nothing.
  autocompleteWordList() = {"hat", "h\u0301a", "aqa", "aq\u0301b"};
  EXPECT_EQ(suggest("h"), (Texts{"h", "hat"}));
  EXPECT_EQ(suggest("h\u0301"), (Texts{"h\u0301", "h\u0301a"}));
  EXPECT_EQ(suggest("aq"), (Texts{"aq", "aqa"}));
  EXPECT_EQ(suggest("aq\u0301"), (Texts{"aq\u0301", "aq\u0301b"}));
}

TEST(MyAutocompleteProvider, NeitherLearnsNorIgnores) {
  MyAutocompleteProvider provider;
  provider.learnWord("keyloom");
  provider.ignoreWord("teh");
  EXPECT_FALSE(provider.canLearnWords());
  EXPECT_FALSE(provider.canIgnoreWords());
  EXPECT_FALSE(provider.hasLearnedWord("keyloom"));
  EXPECT_TRUE(provider.learnedWords().empty());
  EXPECT_TRUE(provider.ignoredWords().empty());
  provider.setLocale(platform::Locale("sv"));
  EXPECT_EQ(provider.locale().identifier(), "sv");
}

}  // namespace
}  // namespace zandorelle
