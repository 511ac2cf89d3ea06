#pragma once

#include <memory>
#include <string>
#include <vector>

#include "keyloom/autocomplete/DisabledAutocompleteProvider.h"
#include "keyloom/text/AutocompleteSuggestion.h"

namespace keyloom {

// Suggests the same fixed words for every text, at once.
class PreviewAutocompleteProvider : public DisabledAutocompleteProvider {
 public:
  explicit PreviewAutocompleteProvider(std::vector<AutocompleteSuggestion> suggestions);

  // A new provider with no suggestions.
  static std::shared_ptr<PreviewAutocompleteProvider> preview();
  // A new provider with these suggestions.
  static std::shared_ptr<PreviewAutocompleteProvider> preview(
      std::vector<AutocompleteSuggestion> suggestions);
  // A few suggestions as a toolbar shows them: the typed text unknown, an
  // autocorrection and a plain word.
  static std::vector<AutocompleteSuggestion> previewSuggestions();

  const std::vector<AutocompleteSuggestion>& suggestions() const { return suggestions_; }

  // Completes with the stored suggestions, in order, before returning.
  void autocompleteSuggestions(const std::string& text, const AutocompleteCompletion& completion) override;

 private:
  std::vector<AutocompleteSuggestion> suggestions_;
};

}  // namespace keyloom
