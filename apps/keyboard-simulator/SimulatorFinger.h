#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "keyloom/gestures/KeyboardGesture.h"
#include "keyloom/state/KeyboardAction.h"
#include "platform/foundation/Date.h"

namespace keyboard_simulator {

// One finger on the keys, reporting gestures as a key's gesture button does:
// press when it goes down; a long press after the long-press delay and
// repeat presses on the shared repeat timer from the repeat delay on while
// it stays down; on lifting, a double tap when the same key was released
// within the double-tap timeout, then the release (none after a long press
// on the space bar). Delays are read from GestureButtonDefaults and run on
// the main queue, so they follow the main queue's clock.
class SimulatorFinger {
 public:
  using GestureHandler = std::function<void(keyloom::KeyboardGesture, const keyloom::KeyboardAction&)>;

  explicit SimulatorFinger(GestureHandler handler);
  ~SimulatorFinger();
  SimulatorFinger(const SimulatorFinger&) = delete;
  SimulatorFinger& operator=(const SimulatorFinger&) = delete;

  // Down and up again at once.
  void tap(const keyloom::KeyboardAction& key);
  // Down, `seconds` of main-queue time, up.
  void hold(const keyloom::KeyboardAction& key, platform::TimeInterval seconds);

  void press(const keyloom::KeyboardAction& key);
  void lift();

 private:
  // Shared with the delayed checks on the main queue, which may outlive the finger.
  struct Touch {
    GestureHandler handler;
    std::optional<keyloom::KeyboardAction> key;  // the key under the finger
    std::uint64_t number = 0;                    // identifies the touch a delayed check belongs to
    bool applyRelease = true;
    std::optional<keyloom::KeyboardAction> lastReleasedKey;
    platform::Date lastRelease = platform::Date::distantPast();
  };

  std::shared_ptr<Touch> touch_;
};

}  // namespace keyboard_simulator
