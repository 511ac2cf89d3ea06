#pragma once

#include "keyloom/appearance/KeyboardButtonStyle.h"
#include "platform/ui/Color.h"
#include "platform/ui/View.h"

namespace keyloom {

// The drawn body of a key: the rounded background with its border, the
// pressed overlay over them while pressed, and the key's shadow behind it
// all. It takes the size it is offered.
struct SystemKeyboardButtonBody {
  KeyboardButtonStyle style;
  bool isPressed = false;

  SystemKeyboardButtonBody(KeyboardButtonStyle style, bool isPressed)
      : style(std::move(style)), isPressed(isPressed) {}

  double cornerRadius() const;
  platform::ui::Color backgroundColor() const;
  // A border needs both its colour and its size; either alone draws none.
  platform::ui::Color borderColor() const;
  double borderLineWidth() const;

  bool operator==(const SystemKeyboardButtonBody&) const = default;

  platform::ui::View body() const;
};

}  // namespace keyloom
