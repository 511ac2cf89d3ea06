#include "keyloom/views/SystemKeyboardButtonBody.h"

#include "keyloom/views/SystemKeyboardButtonShadow.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

namespace ui = platform::ui;

double SystemKeyboardButtonBody::cornerRadius() const { return style.cornerRadius().value_or(0); }

ui::Color SystemKeyboardButtonBody::backgroundColor() const {
  return style.backgroundColor().value_or(ui::Color::clear());
}

ui::Color SystemKeyboardButtonBody::borderColor() const {
  if (!style.borderColor() || !style.borderSize()) return ui::Color::clear();
  return *style.borderColor();
}

double SystemKeyboardButtonBody::borderLineWidth() const {
  if (!style.borderColor() || !style.borderSize()) return 0;
  return *style.borderSize();
}

ui::View SystemKeyboardButtonBody::body() const {
  const auto shape = ui::RoundedRectangle(cornerRadius(), ui::RoundedCornerStyle::continuous);
  const ui::Color overlay = isPressed ? style.pressedOverlayColor().value_or(ui::Color::clear()) : ui::Color::clear();
  // The border is stroked inside the edge, so it never widens the key.
  return shape.strokeBorder(borderColor(), ui::StrokeStyle{.lineWidth = borderLineWidth()})
      .background(ui::View(backgroundColor()))
      .overlay(ui::View(overlay))
      .clipShape(shape, ui::FillStyle{.evenOdd = false, .antialiased = true})
      .background(ui::View(SystemKeyboardButtonShadow(style)));
}

}  // namespace keyloom
