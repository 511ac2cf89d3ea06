#pragma once

#include <memory>

#include "keyloom/views/KeyboardInputComponent.h"
#include "platform/ui/State.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewRepresentable.h"

namespace keyloom {

// A view that shows an in-keyboard text input (KeyboardTextField,
// KeyboardTextView).
class KeyboardInputView {
 public:
  virtual ~KeyboardInputView();

  // This view, taking focus while `focus` is true and losing it when it turns
  // false, and writing its own focus changes into `focus`.
  virtual platform::ui::View focusedView(platform::ui::Binding<bool> focus) const = 0;

  // This view bound to `focus`, with a Done button beside it, in a centred
  // horizontal stack without spacing. The button shows only while `focus` is
  // true: zero width and no padding otherwise, 3 points of padding on each
  // side when shown; both children animate focus changes. Tapping the button
  // clears `focus`, which resigns the input.
  platform::ui::View focused(platform::ui::Binding<bool> focus, platform::ui::View doneButtonLabel) const;
};

// Where a representable puts the input it made, so that a tap on its node
// can reach the input: the view value is built before the input exists.
struct KeyboardInputSlot {
  std::weak_ptr<KeyboardInputComponent> component;
};

// The representable's node; a tap on it makes its input first responder.
platform::ui::View tapToFocus(std::shared_ptr<const platform::ui::ViewRepresentable> representable,
                              std::shared_ptr<KeyboardInputSlot> slot);

}  // namespace keyloom
