#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "keyloom/autocomplete/AutocompleteProvider.h"

namespace zandorelle {

// The words MyAutocompleteProvider suggests from. Beside each word it keeps
// the lower-cased, composed form that typed text is compared with, so a key
// press never has to prepare the whole list again; every edit goes through
// this class and updates both.
class AutocompleteWordList {
 public:
  AutocompleteWordList& operator=(std::vector<std::string> words);
  void push_back(std::string word);
  void clear();

  const std::vector<std::string>& words() const { return words_; }
  std::size_t size() const { return words_.size(); }
  bool empty() const { return words_.empty(); }

  // Indices of the words that start with the same one or two characters as
  // `typed` and contain it, in list order; `typed` must already be in the
  // compared form. The answer stays valid until the next call or edit.
  const std::vector<std::size_t>& matching(const std::string& typed);

 private:
  // A text in the compared form, and the byte lengths of its first one and
  // first two characters (equal when it has only one).
  struct Comparable {
    std::string text;
    std::size_t first = 0;
    std::size_t firstTwo = 0;

    explicit Comparable(std::string compared);
    std::string_view firstCharacter() const { return std::string_view(text).substr(0, first); }
    std::string_view secondCharacter() const {
      return std::string_view(text).substr(first, firstTwo - first);
    }
    bool hasTwoCharacters() const { return firstTwo > first; }
  };

  // An answer of matching(). Typing on in a word only narrows it, so a later
  // answer is picked from it instead of from the whole list.
  struct Matches {
    Comparable typed;
    std::vector<std::size_t> indices;
  };
  // Answers kept for the texts a typed word went through: at most this many.
  static constexpr std::size_t maximumKeptAnswers = 32;

  static bool matches(const Comparable& word, const Comparable& typed);
  // Whether every word matching `typed` also matches `earlier`.
  static bool narrows(const Comparable& typed, const Comparable& earlier);
  // Answers for `typed` from the last kept answer (which it must narrow) or
  // the whole list, and keeps the answer.
  void keep(Comparable typed);
  void add(std::string word);

  std::vector<std::string> words_;
  std::vector<Comparable> compared_;
  // Indices of the words by their first compared character, in list order.
  std::unordered_map<std::string, std::vector<std::size_t>> byFirstCharacter_;
  // The answers for the texts the last one continues, shortest first: after
  // a backspace, or another last character, the next answer is picked from
  // the longest text it continues.
  std::vector<Matches> kept_;
};

// The one word list for the whole process (main thread only). Empty until a
// keyboard that installs the provider fills it.
AutocompleteWordList& autocompleteWordList();

// Suggests words of autocompleteWordList() that start like the typed text.
// It neither learns nor ignores words.
class MyAutocompleteProvider : public keyloom::AutocompleteProvider {
 public:
  explicit MyAutocompleteProvider(platform::Locale locale = platform::Locale("en"));

  platform::Locale locale() const override { return locale_; }
  void setLocale(platform::Locale locale) override { locale_ = std::move(locale); }

  // Completes at once: nothing for an empty text or no match; otherwise the
  // typed text, then the first and (when there is one) second listed word
  // that shares the typed text's first two characters and contains it,
  // ignoring case and comparing characters by canonical equivalence. Each
  // text is suggested once: a listed word that is the typed text as typed
  // (canonically equivalent), or a word listed again, is passed over.
  void autocompleteSuggestions(const std::string& text,
                               const keyloom::AutocompleteCompletion& completion) override;

  bool canIgnoreWords() const override { return false; }
  bool canLearnWords() const override { return false; }
  std::vector<std::string> ignoredWords() const override { return ignoredWords_; }
  std::vector<std::string> learnedWords() const override { return learnedWords_; }
  bool hasIgnoredWord(const std::string&) const override { return false; }
  bool hasLearnedWord(const std::string&) const override { return false; }
  void ignoreWord(const std::string&) override {}
  void learnWord(const std::string&) override {}
  void removeIgnoredWord(const std::string&) override {}
  void unlearnWord(const std::string&) override {}

 private:
  platform::Locale locale_;
  std::vector<std::string> ignoredWords_;
  std::vector<std::string> learnedWords_;
};

}  // namespace zandorelle
