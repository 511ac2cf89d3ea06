#pragma once

#include "keyloom/autocomplete/AutocompleteSuggestion.h"
#include "keyloom/controller/KeyboardInputViewController.h"

namespace keyboard_simulator {

// The keyboard controller the simulator presents: the library's controller,
// with the operations the simulator does not drive (suggestions, dictation)
// doing nothing.
class SimulatorKeyboardController : public keyloom::KeyboardInputViewController {
 public:
  void insertAutocompleteSuggestion(const keyloom::AutocompleteSuggestion&) override {}
  void performAutocomplete() override {}
  void performDictation() override {}
  void resetAutocomplete() override {}
};

}  // namespace keyboard_simulator
