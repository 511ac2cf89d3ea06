#include "keyboard-extension/MyAutocompleteProvider.h"

#include <algorithm>

#include "platform/foundation/ProcessState.h"
#include "platform/foundation/Text.h"

namespace zandorelle {
namespace {

// Lower-cased and composed, so that equal bytes mean canonically equivalent
// text: a typed "e" plus combining acute matches a stored precomposed one.
std::string comparable(std::string_view text) {
  return platform::text::nfc(platform::text::lowercased(text));
}

keyloom::AutocompleteSuggestion suggestion(const std::string& text) {
  return keyloom::AutocompleteSuggestion(text, text, false, false, std::nullopt, {});
}

}  // namespace

// ---- AutocompleteWordList

AutocompleteWordList::Comparable::Comparable(std::string compared)
    : text(std::move(compared)),
      first(platform::text::byteOffsetOfGrapheme(text, 1)),
      firstTwo(platform::text::byteOffsetOfGrapheme(text, 2)) {}

AutocompleteWordList& AutocompleteWordList::operator=(std::vector<std::string> words) {
  clear();
  words_.reserve(words.size());
  compared_.reserve(words.size());
  for (auto& word : words) add(std::move(word));
  return *this;
}

void AutocompleteWordList::push_back(std::string word) {
  kept_.clear();
  add(std::move(word));
}

void AutocompleteWordList::clear() {
  words_.clear();
  compared_.clear();
  byFirstCharacter_.clear();
  kept_.clear();
}

void AutocompleteWordList::add(std::string word) {
  const Comparable& compared = compared_.emplace_back(comparable(word));
  // A word without characters starts like nothing.
  if (compared.first > 0) byFirstCharacter_[std::string(compared.firstCharacter())].push_back(words_.size());
  words_.push_back(std::move(word));
}

// The word's first character equals the typed one's, and so does its second
// when both have one; and the word contains the typed text.
bool AutocompleteWordList::matches(const Comparable& word, const Comparable& typed) {
  if (word.first == 0 || typed.first == 0 || word.firstCharacter() != typed.firstCharacter()) return false;
  const bool bothHaveTwo = word.hasTwoCharacters() && typed.hasTwoCharacters();
  if (bothHaveTwo && word.secondCharacter() != typed.secondCharacter()) return false;
  return word.text.find(typed.text) != std::string::npos;
}

// A word that matches the longer text also matched the earlier one when the
// longer text begins with it and keeps the characters compared at the start.
bool AutocompleteWordList::narrows(const Comparable& typed, const Comparable& earlier) {
  return typed.text.starts_with(earlier.text) && typed.firstCharacter() == earlier.firstCharacter() &&
         (!earlier.hasTwoCharacters() || typed.secondCharacter() == earlier.secondCharacter());
}

const std::vector<std::size_t>& AutocompleteWordList::matching(const std::string& typedText) {
  if (!kept_.empty() && kept_.back().typed.text == typedText) return kept_.back().indices;
  Comparable typed(typedText);
  // Another last character (a correction) leaves the text both begin with:
  // answered once, the next ending is picked from it too.
  std::string shared;
  if (!kept_.empty() && !narrows(typed, kept_.back().typed)) {
    const std::string& last = kept_.back().typed.text;
    const auto differ = std::mismatch(typedText.begin(), typedText.end(), last.begin(), last.end());
    shared.assign(typedText.begin(), differ.first);
  }
  while (!kept_.empty() && !narrows(typed, kept_.back().typed)) kept_.pop_back();
  if (!kept_.empty() && kept_.back().typed.text == typedText) return kept_.back().indices;
  if (!shared.empty() && shared != typedText && (kept_.empty() || kept_.back().typed.text.size() < shared.size())) {
    Comparable base(shared);
    if (narrows(typed, base)) keep(std::move(base));
  }
  keep(std::move(typed));
  return kept_.back().indices;
}

void AutocompleteWordList::keep(Comparable typed) {
  static const std::vector<std::size_t> none;
  const std::vector<std::size_t>* candidates = &none;
  if (!kept_.empty()) {
    candidates = &kept_.back().indices;
  } else if (auto found = byFirstCharacter_.find(std::string(typed.firstCharacter()));
             found != byFirstCharacter_.end()) {
    candidates = &found->second;
  }
  std::vector<std::size_t> indices;
  for (std::size_t index : *candidates) {
    if (matches(compared_[index], typed)) indices.push_back(index);
  }
  if (kept_.size() == maximumKeptAnswers) kept_.erase(kept_.begin());
  kept_.push_back(Matches{std::move(typed), std::move(indices)});
}

AutocompleteWordList& autocompleteWordList() {
  static AutocompleteWordList& words = []() -> AutocompleteWordList& {
    static AutocompleteWordList stored;
    platform::registerProcessReset([] { stored.clear(); });
    return stored;
  }();
  return words;
}

// ---- MyAutocompleteProvider

MyAutocompleteProvider::MyAutocompleteProvider(platform::Locale locale) : locale_(std::move(locale)) {}

void MyAutocompleteProvider::autocompleteSuggestions(const std::string& text,
                                                     const keyloom::AutocompleteCompletion& completion) {
  std::vector<keyloom::AutocompleteSuggestion> suggestions;
  if (!text.empty()) {
    auto& list = autocompleteWordList();
    const auto& matches = list.matching(comparable(text));
    if (!matches.empty()) {
      suggestions.push_back(suggestion(text));
      // The bar shows each word once: a listed word that is the typed text,
      // or one listed twice, gives its place to the next match. Words seen
      // as stored are passed over before any is composed, so a list of many
      // copies costs no more than the match itself.
      std::vector<std::string> seen{text};
      std::vector<std::string> shown{platform::text::nfc(text)};
      for (std::size_t i = 0; i < matches.size() && suggestions.size() < 3; ++i) {
        const std::string& word = list.words()[matches[i]];
        if (std::find(seen.begin(), seen.end(), word) != seen.end()) continue;
        seen.push_back(word);
        std::string composed = platform::text::nfc(word);
        if (std::find(shown.begin(), shown.end(), composed) != shown.end()) continue;
        shown.push_back(std::move(composed));
        suggestions.push_back(suggestion(word));
      }
    }
  }
  completion(std::move(suggestions));
}

}  // namespace zandorelle
