#include "keyboard-extension/KeyboardViewController.h"

#include <memory>
#include <optional>
#include <string>

#include "keyboard-extension/FontBar.h"
#include "keyboard-extension/KeyboardSelection.h"
#include "keyboard-extension/MyInputSetProvider.h"
#include "keyboard-extension/MyKeyboardAppearance.h"
#include "keyboard-extension/ProductConfiguration.h"
#include "keyboard-extension/ThemePalette.h"
#include "keyboard-extension/UnicodeFont.h"
#include "keyloom/views/SystemKeyboard.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/ui/Primitives.h"

namespace zandorelle {

void KeyboardViewController::viewDidLoad() {
  setKeyboardAppearance(std::make_shared<MyKeyboardAppearance>(keyboardContext()));
  setInputSetProvider(std::make_shared<MyInputSetProvider>());
  KeyboardInputViewController::viewDidLoad();
}

void KeyboardViewController::viewWillSetupKeyboard() {
  KeyboardInputViewController::viewWillSetupKeyboard();
  readSelectedTheme();
  // Only this controller installs this builder, on itself.
  setup([](const std::shared_ptr<keyloom::KeyboardInputViewController>& controller) {
    return std::static_pointer_cast<KeyboardViewController>(controller)->productView();
  });
}

void KeyboardViewController::selectFont(int font) {
  KeyboardSelection::setFontIndex(font);
  setInputSetProvider(std::make_shared<MyInputSetProvider>());
  // Publishing the current locale again rebuilds the keys from the new
  // provider without moving on to another language.
  auto context = keyboardContext();
  context->locale.set(context->locale.get());
}

void KeyboardViewController::readSelectedTheme() {
  if (auto store = platform::UserDefaults::suite(std::string(appGroupIdentifier)))
    KeyboardSelection::setThemeIndex(themeIndexFromStore(*store));
}

platform::ui::View KeyboardViewController::productView() {
  const auto& names = unicode_font::fontBarNames();
  const Theme* theme = themeAt(KeyboardSelection::themeIndex());
  std::weak_ptr<KeyboardViewController> weakSelf = std::static_pointer_cast<KeyboardViewController>(sharedController());
  FontBar bar({names.begin(), names.end()}, theme ? std::optional(*theme) : std::nullopt, [weakSelf](int font) {
    if (auto self = weakSelf.lock()) self->selectFont(font);
  });
  keyloom::SystemKeyboard keyboard(sharedController(), keyloom::SystemKeyboard::AutocompleteToolbarMode::none,
                                   nullptr, std::nullopt, true);
  return platform::ui::VStack(platform::ui::HorizontalAlignment::center, 0, {bar, keyboard});
}

}  // namespace zandorelle
