#pragma once

#include <memory>

#include "keyloom/state/KeyboardBehavior.h"
#include "keyloom/state/KeyboardContext.h"

namespace keyloom {

// A behaviour with fixed answers: it never changes the text or the keyboard
// type and always deletes one character.
class StaticKeyboardBehavior : public KeyboardBehavior {
 public:
  explicit StaticKeyboardBehavior(std::shared_ptr<KeyboardContext> keyboardContext);

  const std::shared_ptr<KeyboardContext>& keyboardContext() const { return keyboardContext_; }

  DeleteBackwardRange backspaceRange() const override;
  // The context's current keyboard type.
  KeyboardType preferredKeyboardType(KeyboardGesture gesture, const KeyboardAction& action) override;
  bool shouldEndSentence(KeyboardGesture gesture, const KeyboardAction& action) override;
  bool shouldSwitchToCapsLock(KeyboardGesture gesture, const KeyboardAction& action) override;
  bool shouldSwitchToPreferredKeyboardType(KeyboardGesture gesture, const KeyboardAction& action) override;
  bool shouldSwitchToPreferredKeyboardTypeAfterTextDidChange() override;

 private:
  const std::shared_ptr<KeyboardContext> keyboardContext_;
};

}  // namespace keyloom
