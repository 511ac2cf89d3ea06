#pragma once

#include <memory>

#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/gestures/KeyboardGesture.h"
#include "keyloom/state/KeyboardAction.h"

namespace keyboard_simulator {

// Runs a key gesture the way the keyboard's action handler does, reduced to
// what typing needs: the action's standard closure for the gesture against
// the controller (nothing more when it has none), then the behaviour's end of
// sentence, then its switch of keyboard type (caps lock included), then the
// controller's autocomplete and text context sync. Feedback, autocomplete
// suggestions, quotation replacements and space dragging are left to the
// full handler, which replaces this one.
class SimulatorActionHandler {
 public:
  explicit SimulatorActionHandler(std::shared_ptr<keyloom::KeyboardInputViewController> controller)
      : controller_(std::move(controller)) {}

  void handle(keyloom::KeyboardGesture gesture, const keyloom::KeyboardAction& action);

 private:
  std::shared_ptr<keyloom::KeyboardInputViewController> controller_;
};

}  // namespace keyboard_simulator
