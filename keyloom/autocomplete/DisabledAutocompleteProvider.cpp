#include "keyloom/autocomplete/DisabledAutocompleteProvider.h"

namespace keyloom {

DisabledAutocompleteProvider::DisabledAutocompleteProvider() : locale_(platform::Locale::current()) {}

void DisabledAutocompleteProvider::autocompleteSuggestions(const std::string&,
                                                           const AutocompleteCompletion& completion) {
  if (completion) completion(std::vector<AutocompleteSuggestion>{});
}

}  // namespace keyloom
