#pragma once

#include <memory>

#include "keyloom/state/KeyboardBehavior.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/RepeatGestureTimer.h"
#include "platform/foundation/Date.h"

namespace keyloom {

// The keyboard's standard rules: a held backspace deletes words after a
// while, a quick double space ends the sentence, a quick double shift locks
// capitals, and the keyboard returns to the type the text at the cursor
// prefers. Subclasses may override single rules; preferredKeyboardType asks
// the two switch rules through virtual calls, so overriding them changes it
// too.
//
// Times come from the process clock, which is monotonic. Both tap times start
// in the distant past, so the first shift or space after the keyboard
// appears is always a single tap.
class StandardKeyboardBehavior : public KeyboardBehavior {
 public:
  // Seconds a backspace must repeat before it deletes whole words.
  static constexpr platform::TimeInterval wordDeletionDelay = 3.0;

  explicit StandardKeyboardBehavior(
      std::shared_ptr<KeyboardContext> keyboardContext, platform::TimeInterval doubleTapThreshold = 0.5,
      platform::TimeInterval endSentenceThreshold = 3.0,
      std::shared_ptr<RepeatGestureTimer> repeatGestureTimer = RepeatGestureTimer::shared());

  const std::shared_ptr<KeyboardContext>& keyboardContext() const { return keyboardContext_; }
  platform::TimeInterval doubleTapThreshold() const { return doubleTapThreshold_; }
  platform::TimeInterval endSentenceThreshold() const { return endSentenceThreshold_; }
  const std::shared_ptr<RepeatGestureTimer>& repeatGestureTimer() const { return repeatGestureTimer_; }

  // When shift last counted as a tap (moved a second back after a double
  // tap, so a third quick tap is not another one).
  platform::Date lastShiftCheck() const { return lastShiftCheck_; }
  void setLastShiftCheck(platform::Date date) { lastShiftCheck_ = date; }
  // When space was last released.
  platform::Date lastSpaceTap() const { return lastSpaceTap_; }
  void setLastSpaceTap(platform::Date date) { lastSpaceTap_ = date; }

  // A character, or a word once the repeat has run longer than wordDeletionDelay.
  DeleteBackwardRange backspaceRange() const override;
  KeyboardType preferredKeyboardType(KeyboardGesture gesture, const KeyboardAction& action) override;
  // A released space that leaves two spaces after a word, within
  // endSentenceThreshold of the previous released space.
  bool shouldEndSentence(KeyboardGesture gesture, const KeyboardAction& action) override;
  // Every shift on a letter keyboard counts as a tap; two within
  // doubleTapThreshold lock capitals.
  bool shouldSwitchToCapsLock(KeyboardGesture gesture, const KeyboardAction& action) override;
  bool shouldSwitchToPreferredKeyboardType(KeyboardGesture gesture, const KeyboardAction& action) override;
  bool shouldSwitchToPreferredKeyboardTypeAfterTextDidChange() override;

 private:
  // Reads the current type before the preferred one: reading the preferred
  // type may switch the current one.
  bool differsFromPreferredKeyboardType();

  const std::shared_ptr<KeyboardContext> keyboardContext_;
  const platform::TimeInterval doubleTapThreshold_;
  const platform::TimeInterval endSentenceThreshold_;
  const std::shared_ptr<RepeatGestureTimer> repeatGestureTimer_;
  platform::Date lastShiftCheck_ = platform::Date::distantPast();
  platform::Date lastSpaceTap_ = platform::Date::distantPast();
};

}  // namespace keyloom
