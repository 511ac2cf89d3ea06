#pragma once

#include <memory>

#include "platform/input/InputViewController.h"

namespace keyloom {

// Where the next-keyboard keys find the controller that switches input modes:
// the keyboard controller registers itself when its view loads. Held weakly,
// so it reads empty once that controller is released.
class NextKeyboardController {
 public:
  static std::shared_ptr<platform::InputViewController> shared();
  static void setShared(std::weak_ptr<platform::InputViewController> controller);
};

}  // namespace keyloom
