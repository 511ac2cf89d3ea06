#include "keyboard-extension/MyKeyboardAppearance.h"

#include "keyboard-extension/KeyboardSelection.h"
#include "keyboard-extension/ThemePalette.h"
#include "keyloom/state/KeyboardAction.h"

namespace zandorelle {
namespace {

const Theme* selectedTheme() { return themeAt(KeyboardSelection::themeIndex()); }

}  // namespace

keyloom::KeyboardBackgroundStyle MyKeyboardAppearance::backgroundStyle() const {
  auto style = StandardKeyboardAppearance::backgroundStyle();
  if (const Theme* theme = selectedTheme()) {
    style.backgroundGradient = keyloom::KeyboardBackgroundStyle::Colors{
        themeColor(*theme, 0), themeColor(*theme, 1), themeColor(*theme, 2)};
  }
  return style;
}

std::optional<platform::ui::Color> MyKeyboardAppearance::foregroundColor() const {
  if (const Theme* theme = selectedTheme()) return themeLabelColor(*theme);
  return StandardKeyboardAppearance::foregroundColor();
}

keyloom::KeyboardButtonStyle MyKeyboardAppearance::buttonStyle(const keyloom::KeyboardAction& action,
                                                               bool isPressed) const {
  auto style = StandardKeyboardAppearance::buttonStyle(action, isPressed);
  if (const Theme* theme = selectedTheme()) {
    const bool input = action.isInputAction();
    style.setBackgroundColor(themeColor(*theme, input ? 3 : 4));
    style.setForegroundColor(themeColor(*theme, input ? 5 : 6));
  }
  return style;
}

keyloom::KeyboardInputCalloutStyle MyKeyboardAppearance::inputCalloutStyle() const {
  auto style = StandardKeyboardAppearance::inputCalloutStyle();
  if (const Theme* theme = selectedTheme()) {
    style.callout.backgroundColor = themeColor(*theme, 3);
    style.callout.textColor = themeColor(*theme, 5);
  }
  return style;
}

}  // namespace zandorelle
