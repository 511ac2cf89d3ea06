#include "keyloom/views/SystemKeyboardButtonStyle.h"

#include "keyloom/views/SystemKeyboardButtonBody.h"

namespace keyloom {

namespace ui = platform::ui;

ui::View systemKeyboardButtonStyle(const ui::View& content, const KeyboardButtonStyle& style,
                                   bool isPressed) {
  ui::View view = content.background(ui::View(SystemKeyboardButtonBody(style, isPressed)));
  if (style.foregroundColor()) view = view.foregroundColor(*style.foregroundColor());
  if (style.font()) view = view.font(style.font()->font());
  return view;
}

}  // namespace keyloom
