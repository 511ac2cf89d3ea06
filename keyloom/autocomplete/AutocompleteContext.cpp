#include "keyloom/autocomplete/AutocompleteContext.h"

namespace keyloom {

void AutocompleteContext::reset() {
  if (isLoading.get()) isLoading = false;
  if (lastError.get()) lastError = nullptr;
  if (!suggestions.get().empty()) suggestions = std::vector<AutocompleteSuggestion>{};
}

}  // namespace keyloom
