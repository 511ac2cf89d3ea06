#pragma once

#include "platform/foundation/Date.h"

namespace keyloom {

// Process-wide time limits of the key gesture buttons, in seconds. They are
// read each time a key's gesture button is built, so a change reaches a key at
// its next evaluation; a long press or repeat already scheduled keeps its delay.
struct GestureButtonDefaults {
  // Longest time between two releases that still makes a double tap (strict).
  static platform::TimeInterval& doubleTapTimeout();
  // How long a key must stay down before its long press runs.
  static platform::TimeInterval& longPressDelay();
  // How long a key must stay down before it starts repeating.
  static platform::TimeInterval& repeatDelay();
};

}  // namespace keyloom
