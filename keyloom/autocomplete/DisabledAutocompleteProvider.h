#pragma once

#include "keyloom/autocomplete/AutocompleteProvider.h"

namespace keyloom {

// The default provider: never suggests anything and never learns or ignores.
class DisabledAutocompleteProvider : public AutocompleteProvider {
 public:
  // Starts with the device's current locale.
  DisabledAutocompleteProvider();

  platform::Locale locale() const override { return locale_; }
  void setLocale(platform::Locale locale) override { locale_ = std::move(locale); }

  // Completes at once with an empty list, whatever the text.
  void autocompleteSuggestions(const std::string& text, const AutocompleteCompletion& completion) override;

  bool canIgnoreWords() const override { return false; }
  bool canLearnWords() const override { return false; }
  std::vector<std::string> ignoredWords() const override { return ignoredWords_; }
  std::vector<std::string> learnedWords() const override { return learnedWords_; }
  void setIgnoredWords(std::vector<std::string> words) { ignoredWords_ = std::move(words); }
  void setLearnedWords(std::vector<std::string> words) { learnedWords_ = std::move(words); }

  // The stored lists are never consulted nor changed.
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

}  // namespace keyloom
