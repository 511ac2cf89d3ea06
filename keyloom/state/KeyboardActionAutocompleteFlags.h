#pragma once

#include "keyloom/state/KeyboardAction.h"

// What the action handler does with autocomplete around a key action.
namespace keyloom {

// Space, a typed word delimiter and a system return key apply the current
// autocomplete suggestion before the action runs.
bool shouldApplyAutocompleteSuggestion(const KeyboardAction& action);
// A typed word delimiter lands right after the completed word: the space that
// autocomplete inserted is removed before it and put back after it.
bool shouldRemoveAutocompleteInsertedSpace(const KeyboardAction& action);
bool shouldReinsertAutocompleteInsertedSpace(const KeyboardAction& action);

}  // namespace keyloom
