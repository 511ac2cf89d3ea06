#pragma once

#include "keyloom/appearance/KeyboardButtonStyle.h"
#include "platform/ui/View.h"

namespace keyloom {

// Dresses a key's content in its style: the key body behind it, then the
// style's text colour and font, each only when the style has one, so that an
// empty style leaves the inherited ones. The content keeps its size.
platform::ui::View systemKeyboardButtonStyle(platform::ui::View content, const KeyboardButtonStyle& style,
                                             bool isPressed);

}  // namespace keyloom
