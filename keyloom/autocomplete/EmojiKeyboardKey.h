#pragma once

#include <functional>
#include <memory>

#include "keyloom/controller/KeyboardActionHandler.h"
#include "keyloom/state/KeyboardAction.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/View.h"

namespace keyloom {

// A key of the emoji keyboards: its label, bound to the action handler.
// Press, release, double tap, long press and repeat become `handle(gesture,
// action)` calls and every drag change a `handleDrag` call. A release up to
// `releaseOutsideTolerance` key sizes beside, above or below the key still
// counts as a release of the key. Inside a scroll view the key uses the
// scroll-view gesture button, so the scroll view can take the touch over.
struct EmojiKeyboardKey {
  KeyboardAction action;
  std::shared_ptr<KeyboardActionHandler> actionHandler;
  // Drawn not pressed: the key's pressed look is left to its content.
  std::function<platform::ui::View(bool isPressed)> label;
  bool isInScrollView = false;
  double releaseOutsideTolerance = 1.0;

  platform::ui::View body(platform::ui::BodyContext& context) const;

  // Whether `point`, in the key's coordinates, is within the tolerance
  // around a key of `size`.
  static bool isWithinTolerance(platform::Point point, platform::Size size, double tolerance);
};

}  // namespace keyloom
