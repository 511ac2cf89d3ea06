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
  // The background and the pressed overlay are filled in the rounded shape,
  // so they need no clip. Every key is drawn at every redraw: layers that
  // would draw nothing are left out.
  ui::View body = shape.fill(backgroundColor());
  // The border is stroked inside the edge, so it never widens the key.
  if (borderLineWidth() > 0) {
    body = std::move(body).overlay(
        shape.strokeBorder(borderColor(), ui::StrokeStyle{.lineWidth = borderLineWidth()}));
  }
  if (isPressed && style.pressedOverlayColor()) {
    body = std::move(body).overlay(shape.fill(*style.pressedOverlayColor()));
  }
  return std::move(body).background(ui::View(SystemKeyboardButtonShadow(style)));
}

}  // namespace keyloom
