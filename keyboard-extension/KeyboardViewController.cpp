#include "keyboard-extension/KeyboardViewController.h"

#include <string>

#include "keyboard-extension/KeyboardSelection.h"
#include "keyboard-extension/ProductConfiguration.h"
#include "keyboard-extension/ThemePalette.h"
#include "platform/foundation/UserDefaults.h"

namespace zandorelle {

void KeyboardViewController::viewWillAppear(bool animated) {
  readSelectedTheme();
  KeyboardInputViewController::viewWillAppear(animated);
}

void KeyboardViewController::readSelectedTheme() {
  if (auto store = platform::UserDefaults::suite(std::string(appGroupIdentifier)))
    KeyboardSelection::setThemeIndex(themeIndexFromStore(*store));
}

}  // namespace zandorelle
