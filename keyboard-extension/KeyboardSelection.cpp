#include "keyboard-extension/KeyboardSelection.h"

#include "platform/foundation/ProcessState.h"

namespace zandorelle {
namespace {

struct Values {
  int themeIndex = KeyboardSelection::noTheme;
  int fontIndex = 0;
};

Values& values() {
  static Values& instance = []() -> Values& {
    static Values stored;
    platform::registerProcessReset([] { stored = Values{}; });
    return stored;
  }();
  return instance;
}

}  // namespace

int KeyboardSelection::themeIndex() { return values().themeIndex; }
void KeyboardSelection::setThemeIndex(int index) { values().themeIndex = index; }
int KeyboardSelection::fontIndex() { return values().fontIndex; }
void KeyboardSelection::setFontIndex(int index) { values().fontIndex = index; }

}  // namespace zandorelle
