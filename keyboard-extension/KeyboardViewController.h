#pragma once

#include "keyloom/controller/KeyboardInputViewController.h"
#include "platform/ui/View.h"

namespace zandorelle {

// The product keyboard's principal controller, made by the platform when the
// user picks the keyboard (see KeyboardExtension.h). It paints the standard
// keyboard in the theme the host app chose, types in the font picked from a
// bar of font names above the keys, and never shows suggestions.
class KeyboardViewController : public keyloom::KeyboardInputViewController {
 public:
  // Installs the themed appearance and the font input sets, then lets the
  // base class load, so the base and every view it builds use them.
  void viewDidLoad() override;
  // Every time the keyboard is about to be shown: the standard view first,
  // then the host app's theme is read and the product view replaces it.
  void viewWillSetupKeyboard() override;

  // Makes `font` the letters' font for the whole process and redraws the
  // keys in it at once; the language stays as it is.
  void selectFont(int font);

  // Takes the host app's theme choice into KeyboardSelection: the stored
  // index (theme 0 when the host app has stored none); when the store cannot
  // be opened, the index stays as it was.
  static void readSelectedTheme();

 private:
  // The font bar in the selected theme above the system keyboard, which has
  // no suggestion toolbar.
  platform::ui::View productView();
};

}  // namespace zandorelle
