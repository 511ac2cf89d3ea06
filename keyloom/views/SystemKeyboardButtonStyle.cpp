#include "keyloom/views/SystemKeyboardButtonStyle.h"

#include "keyloom/views/SystemKeyboardButtonBody.h"

namespace keyloom {

namespace ui = platform::ui;

ui::View systemKeyboardButtonStyle(ui::View content, const KeyboardButtonStyle& style, bool isPressed) {
  ui::View view = std::move(content).background(ui::View(SystemKeyboardButtonBody(style, isPressed)));
  if (style.foregroundColor()) view = std::move(view).foregroundColor(*style.foregroundColor());
  if (style.font()) view = std::move(view).font(style.font()->font());
  return view;
}

}  // namespace keyloom
