#pragma once

#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardGesture.h"
#include "keyloom/state/KeyboardType.h"
#include "keyloom/text/DeleteBackwardRange.h"

namespace keyloom {

// The rules the action pipeline and the controller consult after each key
// gesture and each change of the host's text. A behaviour only decides; its
// callers act on the answers.
class KeyboardBehavior {
 public:
  virtual ~KeyboardBehavior() = default;

  // How much one backspace deletes at this moment.
  virtual DeleteBackwardRange backspaceRange() const = 0;
  // The keyboard type to show after `action` ran for `gesture`.
  virtual KeyboardType preferredKeyboardType(KeyboardGesture gesture, const KeyboardAction& action) = 0;
  // Whether the action handler should end the sentence (a quick double space).
  virtual bool shouldEndSentence(KeyboardGesture gesture, const KeyboardAction& action) = 0;
  // Whether the keyboard should lock its capitals (a quick double shift).
  virtual bool shouldSwitchToCapsLock(KeyboardGesture gesture, const KeyboardAction& action) = 0;
  // Whether the action handler should ask preferredKeyboardType and show it.
  virtual bool shouldSwitchToPreferredKeyboardType(KeyboardGesture gesture, const KeyboardAction& action) = 0;
  // Whether the controller should show the context's preferred keyboard type
  // after the host's text changed.
  virtual bool shouldSwitchToPreferredKeyboardTypeAfterTextDidChange() = 0;
};

}  // namespace keyloom
