#pragma once

#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardGesture.h"
#include "platform/foundation/Geometry.h"

namespace keyloom {

// Where every key gesture ends: decides what a gesture on an action does.
class KeyboardActionHandler {
 public:
  virtual ~KeyboardActionHandler() = default;

  // Whether a gesture on the action does anything.
  virtual bool canHandle(KeyboardGesture gesture, const KeyboardAction& action) = 0;
  // Runs the action's standard behaviour and nothing else.
  virtual void handle(const KeyboardAction& action) = 0;
  virtual void handle(KeyboardGesture gesture, const KeyboardAction& action) = 0;
  // A drag on the key of `on`, from its start point to its current point, in
  // the key's own coordinates.
  virtual void handleDrag(const KeyboardAction& on, platform::Point from, platform::Point to) = 0;
};

}  // namespace keyloom
