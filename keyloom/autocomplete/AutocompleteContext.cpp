#include "keyloom/autocomplete/AutocompleteContext.h"

namespace keyloom {

void AutocompleteContext::reset() {
  isLoading = false;
  lastError = nullptr;
  suggestions = std::vector<AutocompleteSuggestion>{};
}

}  // namespace keyloom
