#pragma once

#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "keyloom/autocomplete/AutocompleteContext.h"
#include "keyloom/text/AutocompleteSuggestion.h"
#include "platform/foundation/Locale.h"

namespace keyloom {

// Either the suggestions for a text or why there are none.
using AutocompleteResult = std::variant<std::vector<AutocompleteSuggestion>, AutocompleteError>;
// Called exactly once, before the provider returns; not kept.
using AutocompleteCompletion = std::function<void(AutocompleteResult)>;

// The replaceable source of word suggestions.
class AutocompleteProvider {
 public:
  virtual ~AutocompleteProvider() = default;

  // Set by the controller whenever the keyboard's locale changes.
  virtual platform::Locale locale() const = 0;
  virtual void setLocale(platform::Locale locale) = 0;

  virtual void autocompleteSuggestions(const std::string& text, const AutocompleteCompletion& completion) = 0;

  // Providers that learn or ignore words; nothing in the keyboard calls these.
  virtual bool canIgnoreWords() const = 0;
  virtual bool canLearnWords() const = 0;
  virtual std::vector<std::string> ignoredWords() const = 0;
  virtual std::vector<std::string> learnedWords() const = 0;
  virtual bool hasIgnoredWord(const std::string& word) const = 0;
  virtual bool hasLearnedWord(const std::string& word) const = 0;
  virtual void ignoreWord(const std::string& word) = 0;
  virtual void learnWord(const std::string& word) = 0;
  virtual void removeIgnoredWord(const std::string& word) = 0;
  virtual void unlearnWord(const std::string& word) = 0;
};

}  // namespace keyloom
