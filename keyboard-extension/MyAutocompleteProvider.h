#pragma once

#include <string>
#include <vector>

#include "keyloom/autocomplete/AutocompleteProvider.h"

namespace zandorelle {

// The words MyAutocompleteProvider suggests from, one list for the whole
// process (main thread only). Empty until a keyboard that installs the
// provider fills it.
std::vector<std::string>& autocompleteWordList();

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
  // ignoring case and comparing characters by canonical equivalence.
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
