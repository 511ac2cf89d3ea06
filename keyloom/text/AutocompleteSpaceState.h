#pragma once

namespace keyloom {

// What happened to the space typed automatically after an applied suggestion.
enum class AutocompleteSpaceState {
  none,
  autoInserted,  // applying the last suggestion inserted a space after it
  autoRemoved    // that space was just removed before a key action and may be put back
};

}  // namespace keyloom
