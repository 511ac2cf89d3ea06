#include "keyloom/autocomplete/AutocompleteContext.h"

namespace keyloom {

AutocompleteContext::AutocompleteContext()
    : forgetsPlaceOfDirectlySetSuggestions_(suggestions.didSet().sink([this](const auto& set) {
        if (!set.empty()) suggestionsPlace_.reset();
      })) {}

void AutocompleteContext::reset() {
  if (isLoading.get()) isLoading = false;
  if (lastError.get()) lastError = nullptr;
  if (!suggestions.get().empty()) suggestions = std::vector<AutocompleteSuggestion>{};
}

void AutocompleteContext::publish(std::vector<AutocompleteSuggestion> suggestions, CursorPlace place) {
  this->suggestions = std::move(suggestions);
  suggestionsPlace_ = std::move(place);
}

bool AutocompleteContext::suggestionsApplyAt(const std::shared_ptr<platform::TextDocumentProxy>& proxy) const {
  return !suggestionsPlace_ || suggestionsPlace_->isCurrentIn(proxy);
}

}  // namespace keyloom
