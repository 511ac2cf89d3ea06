#include "keyloom/views/SystemKeyboardButton.h"

#include "keyloom/views/KeyboardButtonGestures.h"
#include "keyloom/views/SystemKeyboardButtonStyle.h"
#include "platform/ui/State.h"

namespace keyloom {

namespace ui = platform::ui;

ui::View SystemKeyboardButton::body(ui::BodyContext& context) const {
  auto isPressed = context.state(false);
  const SystemKeyboardButtonContent standard(action, appearance, keyboardContext);
  ui::View content = contentConfig ? contentConfig(standard) : ui::View(standard);
  const bool pressed = isPressed.get();
  ui::View styled = systemKeyboardButtonStyle(content, appearance->buttonStyle(action, pressed), pressed);
  return keyboardButtonGestures(styled, action, actionHandler, calloutContext, isPressed.binding(), false,
                                1.0);
}

}  // namespace keyloom
