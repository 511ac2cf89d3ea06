#pragma once

#include "keyloom/text/AutocompleteSpaceState.h"

// The two values that every text document proxy shares for the whole process.
// Main thread only; reset between tests.
namespace keyloom {

// Whether the last applied suggestion inserted a space, and whether a key
// action has just removed it. Initially none.
AutocompleteSpaceState autocompleteSpaceState();
void setAutocompleteSpaceState(AutocompleteSpaceState state);

// Set by code that walks the whole document through the proxy; while it is
// true the controller skips its context syncs and autocomplete. Initially false.
bool isReadingFullDocumentContext();
void setReadingFullDocumentContext(bool reading);

}  // namespace keyloom
