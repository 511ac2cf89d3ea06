#include "keyloom/state/StaticKeyboardBehavior.h"

#include <utility>

namespace keyloom {

StaticKeyboardBehavior::StaticKeyboardBehavior(std::shared_ptr<KeyboardContext> keyboardContext)
    : keyboardContext_(std::move(keyboardContext)) {}

DeleteBackwardRange StaticKeyboardBehavior::backspaceRange() const { return DeleteBackwardRange::character; }

KeyboardType StaticKeyboardBehavior::preferredKeyboardType(KeyboardGesture, const KeyboardAction&) {
  return keyboardContext_->keyboardType.get();
}

bool StaticKeyboardBehavior::shouldEndSentence(KeyboardGesture, const KeyboardAction&) { return false; }

bool StaticKeyboardBehavior::shouldSwitchToCapsLock(KeyboardGesture, const KeyboardAction&) { return false; }

bool StaticKeyboardBehavior::shouldSwitchToPreferredKeyboardType(KeyboardGesture, const KeyboardAction&) {
  return false;
}

bool StaticKeyboardBehavior::shouldSwitchToPreferredKeyboardTypeAfterTextDidChange() { return false; }

}  // namespace keyloom
