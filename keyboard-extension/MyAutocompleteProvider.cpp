#include "keyboard-extension/MyAutocompleteProvider.h"

#include "platform/foundation/ProcessState.h"
#include "platform/foundation/Text.h"

namespace zandorelle {
namespace {

// Whether `word` starts with the same one or two characters as `typed` (both
// lower-cased); the second is only compared when both have one.
bool startsAlike(const std::vector<std::string>& word, const std::vector<std::string>& typed) {
  if (word.empty() || typed.empty() || word[0] != typed[0]) return false;
  return word.size() < 2 || typed.size() < 2 || word[1] == typed[1];
}

// Lower-cased and composed, so that equal bytes mean canonically equivalent
// text: a typed "e" plus combining acute matches a stored precomposed one.
std::string comparable(std::string_view text) {
  return platform::text::nfc(platform::text::lowercased(text));
}

keyloom::AutocompleteSuggestion suggestion(const std::string& text) {
  return keyloom::AutocompleteSuggestion(text, text, false, false, std::nullopt, {});
}

}  // namespace

std::vector<std::string>& autocompleteWordList() {
  static std::vector<std::string>& words = []() -> std::vector<std::string>& {
    static std::vector<std::string> stored;
    platform::registerProcessReset([] { stored.clear(); });
    return stored;
  }();
  return words;
}

MyAutocompleteProvider::MyAutocompleteProvider(platform::Locale locale) : locale_(std::move(locale)) {}

void MyAutocompleteProvider::autocompleteSuggestions(const std::string& text,
                                                     const keyloom::AutocompleteCompletion& completion) {
  std::vector<keyloom::AutocompleteSuggestion> suggestions;
  if (!text.empty()) {
    const std::string typed = comparable(text);
    const auto typedCharacters = platform::text::graphemes(typed);
    std::vector<std::string> matches;
    for (const auto& word : autocompleteWordList()) {
      const std::string lowered = comparable(word);
      if (startsAlike(platform::text::graphemes(lowered), typedCharacters) &&
          lowered.find(typed) != std::string::npos) {
        matches.push_back(word);
        if (matches.size() == 2) break;
      }
    }
    if (!matches.empty()) {
      suggestions.push_back(suggestion(text));
      for (const auto& word : matches) suggestions.push_back(suggestion(word));
    }
  }
  completion(std::move(suggestions));
}

}  // namespace zandorelle
