#include "keyloom/state/StandardKeyboardBehavior.h"

#include <utility>

#include "keyloom/text/TextDocumentProxyOperations.h"
#include "platform/foundation/Text.h"

namespace keyloom {

using platform::Date;

StandardKeyboardBehavior::StandardKeyboardBehavior(std::shared_ptr<KeyboardContext> keyboardContext,
                                                   platform::TimeInterval doubleTapThreshold,
                                                   platform::TimeInterval endSentenceThreshold,
                                                   std::shared_ptr<RepeatGestureTimer> repeatGestureTimer)
    : keyboardContext_(std::move(keyboardContext)),
      doubleTapThreshold_(doubleTapThreshold),
      endSentenceThreshold_(endSentenceThreshold),
      repeatGestureTimer_(std::move(repeatGestureTimer)) {}

DeleteBackwardRange StandardKeyboardBehavior::backspaceRange() const {
  const auto repeating = repeatGestureTimer_ ? repeatGestureTimer_->duration() : std::nullopt;
  if (!repeating) return DeleteBackwardRange::character;
  return *repeating > wordDeletionDelay ? DeleteBackwardRange::word : DeleteBackwardRange::character;
}

KeyboardType StandardKeyboardBehavior::preferredKeyboardType(KeyboardGesture gesture,
                                                             const KeyboardAction& action) {
  // Evaluated on every call: every shift on a letter keyboard is a tap.
  if (shouldSwitchToCapsLock(gesture, action)) return KeyboardType::alphabetic(KeyboardCase::capsLocked);
  if (const auto* character = action.get<keyboard_action::Character>()) {
    const platform::Locale& locale = keyboardContext_->locale.get();
    if (character->text == locale.alternateQuotationBeginDelimiter() ||
        character->text == locale.alternateQuotationEndDelimiter()) {
      return KeyboardType::alphabetic(KeyboardCase::lowercased);
    }
  }
  // The shift key's own action has already set the type.
  if (action.isShiftAction()) return keyboardContext_->keyboardType.get();
  if (shouldSwitchToPreferredKeyboardType(gesture, action)) return keyboardContext_->preferredKeyboardType();
  return keyboardContext_->keyboardType.get();
}

bool StandardKeyboardBehavior::shouldEndSentence(KeyboardGesture gesture, const KeyboardAction& action) {
  if (gesture != KeyboardGesture::release || !action.is<keyboard_action::Space>()) return false;
  const platform::TextDocumentProxy& proxy = *keyboardContext_->textDocumentProxy.get();
  const bool atNewWord = isCursorAtNewWord(proxy);
  const bool atNewSentence = isCursorAtNewSentence(proxy);
  // The two spaces must follow the word they end: after a line break or
  // more spaces, a full stop would open the line instead of ending a sentence.
  const std::u32string last =
      platform::text::toScalars(platform::text::lastGraphemes(proxy.documentContextBeforeInput().value_or(""), 3));
  const bool closable = last.size() >= 3 && last.substr(last.size() - 2) == U"  " &&
                        !platform::text::isUnicodeWhiteSpace(last[last.size() - 3]);
  const Date now = Date::now();
  const bool inTime = now.timeIntervalSince(lastSpaceTap_) < endSentenceThreshold_;
  lastSpaceTap_ = now;
  return inTime && atNewWord && !atNewSentence && closable;
}

bool StandardKeyboardBehavior::shouldSwitchToCapsLock(KeyboardGesture, const KeyboardAction& action) {
  if (!action.isShiftAction()) return false;
  if (!keyboardContext_->keyboardType->isAlphabetic()) return false;
  const Date now = Date::now();
  const bool isDoubleTap = now.timeIntervalSince(lastShiftCheck_) < doubleTapThreshold_;
  lastShiftCheck_ = isDoubleTap ? now.addingTimeInterval(-1.0) : now;
  return isDoubleTap;
}

bool StandardKeyboardBehavior::shouldSwitchToPreferredKeyboardType(KeyboardGesture gesture,
                                                                   const KeyboardAction& action) {
  if (action.isShiftAction()) return true;
  if (const auto* switching = action.get<keyboard_action::KeyboardType>()) {
    return switching->type.isAlphabetic(KeyboardCase::auto_);
  }
  if (gesture != KeyboardGesture::release) return false;
  return differsFromPreferredKeyboardType();
}

bool StandardKeyboardBehavior::shouldSwitchToPreferredKeyboardTypeAfterTextDidChange() {
  return differsFromPreferredKeyboardType();
}

bool StandardKeyboardBehavior::differsFromPreferredKeyboardType() {
  const KeyboardType current = keyboardContext_->keyboardType.get();
  return current != keyboardContext_->preferredKeyboardType();
}

}  // namespace keyloom
