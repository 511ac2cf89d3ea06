#include "keyloom/previews/PreviewAutocompleteProvider.h"

#include <utility>

namespace keyloom {

PreviewAutocompleteProvider::PreviewAutocompleteProvider(std::vector<AutocompleteSuggestion> suggestions)
    : suggestions_(std::move(suggestions)) {}

std::shared_ptr<PreviewAutocompleteProvider> PreviewAutocompleteProvider::preview() { return preview({}); }

std::shared_ptr<PreviewAutocompleteProvider> PreviewAutocompleteProvider::preview(
    std::vector<AutocompleteSuggestion> suggestions) {
  return std::make_shared<PreviewAutocompleteProvider>(std::move(suggestions));
}

std::vector<AutocompleteSuggestion> PreviewAutocompleteProvider::previewSuggestions() {
  return {AutocompleteSuggestion("Hallo", std::nullopt, false, true),
          AutocompleteSuggestion("Hello", std::nullopt, true),
          AutocompleteSuggestion("Help", std::nullopt, false, false, "verb")};
}

void PreviewAutocompleteProvider::autocompleteSuggestions(const std::string&,
                                                          const AutocompleteCompletion& completion) {
  completion(suggestions_);
}

}  // namespace keyloom
