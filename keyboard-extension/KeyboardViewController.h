#pragma once

#include "keyloom/autocomplete/AutocompleteSuggestion.h"
#include "keyloom/controller/KeyboardInputViewController.h"

namespace zandorelle {

// The product keyboard's principal controller, made by the platform when the
// user picks the keyboard (see KeyboardExtension.h). Every time the keyboard
// is about to be shown it reads the theme the host app chose from the shared
// app-group store.
class KeyboardViewController : public keyloom::KeyboardInputViewController {
 public:
  void viewWillAppear(bool animated) override;

  // Suggestions and dictation are not offered yet: these do nothing until
  // the library's controller carries them out.
  void insertAutocompleteSuggestion(const keyloom::AutocompleteSuggestion&) override {}
  void performAutocomplete() override {}
  void performDictation() override {}
  void resetAutocomplete() override {}

  // Takes the host app's theme choice into KeyboardSelection: the stored
  // index (theme 0 when the host app has stored none); when the store cannot
  // be opened, the index stays as it was.
  static void readSelectedTheme();
};

}  // namespace zandorelle
