// The standard behaviour of every action per gesture. Closures copy what they
// need of the payload; they never keep the controller.

#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardController.h"

namespace keyloom {

namespace ka = keyboard_action;

namespace {

// A closure that runs `operation` on the controller, or does nothing without one.
template <class Operation>
KeyboardActionClosure onController(Operation operation) {
  return [operation = std::move(operation)](KeyboardController* controller) {
    if (controller) operation(*controller);
  };
}

KeyboardActionClosure insertText(std::string text) {
  return onController(
      [text = std::move(text)](KeyboardController& controller) { controller.insertText(text); });
}

KeyboardActionClosure deleteBackward() {
  return onController([](KeyboardController& controller) { controller.deleteBackward(); });
}

KeyboardActionClosure setKeyboardType(KeyboardType type) {
  return onController(
      [type = std::move(type)](KeyboardController& controller) { controller.setKeyboardType(type); });
}

KeyboardActionClosure adjustTextPosition(int offset) {
  return onController([offset](KeyboardController& controller) { controller.adjustTextPosition(offset); });
}

KeyboardActionClosure openUrl(std::optional<platform::URL> url) {
  return onController([url = std::move(url)](KeyboardController& controller) { controller.openUrl(url); });
}

// Read when the closure runs, not when it is made.
KeyboardActionClosure openSystemSettings() {
  return onController([](KeyboardController& controller) {
    controller.openUrl(platform::URL::fromString(platform::settingsURLString()));
  });
}

KeyboardCase casingAfterShift(KeyboardCase currentCasing) {
  return currentCasing == KeyboardCase::lowercased ? KeyboardCase::uppercased : KeyboardCase::lowercased;
}

}  // namespace

KeyboardActionClosure KeyboardAction::standardPressAction() const {
  if (is<ka::Backspace>()) return deleteBackward();
  if (auto keyboardType = get<ka::KeyboardType>()) return setKeyboardType(keyboardType->type);
  return {};
}

KeyboardActionClosure KeyboardAction::standardReleaseAction() const {
  if (auto character = get<ka::Character>()) return insertText(character->text);
  if (auto margin = get<ka::CharacterMargin>()) return insertText(margin->text);
  if (auto emoji = get<ka::Emoji>()) return insertText(emoji->emoji.char_());
  // Every return key type breaks the line; the host field decides what it means.
  if (is<ka::Primary>()) return insertText("\n");
  if (auto shift = get<ka::Shift>()) {
    return setKeyboardType(KeyboardType::alphabetic(casingAfterShift(shift->currentCasing)));
  }
  if (auto url = get<ka::Url>()) return openUrl(url->url);
  if (is<ka::Dictation>()) return onController([](KeyboardController& c) { c.performDictation(); });
  if (is<ka::DismissKeyboard>()) return onController([](KeyboardController& c) { c.dismissKeyboard(); });
  if (is<ka::MoveCursorBackward>()) return adjustTextPosition(-1);
  if (is<ka::MoveCursorForward>()) return adjustTextPosition(1);
  if (is<ka::NextKeyboard>()) return onController([](KeyboardController& c) { c.selectNextKeyboard(); });
  if (is<ka::NextLocale>()) return onController([](KeyboardController& c) { c.selectNextLocale(); });
  if (is<ka::Space>()) return insertText(" ");
  if (is<ka::SystemSettings>()) return openSystemSettings();
  if (is<ka::Tab>()) return insertText("\t");
  return {};
}

KeyboardActionClosure KeyboardAction::standardLongPressAction() const {
  // Present but empty, so the handler's later steps (the space drag) still run.
  if (is<ka::Space>()) return [](KeyboardController*) {};
  return {};
}

KeyboardActionClosure KeyboardAction::standardRepeatAction() const {
  if (is<ka::Backspace>()) return deleteBackward();
  return {};
}

KeyboardActionClosure KeyboardAction::standardDoubleTapAction() const { return {}; }

KeyboardActionClosure KeyboardAction::standardAction() const {
  if (auto release = standardReleaseAction()) return release;
  return standardPressAction();
}

KeyboardActionClosure KeyboardAction::standardAction(KeyboardGesture gesture) const {
  switch (gesture) {
    case KeyboardGesture::doubleTap:
      return standardDoubleTapAction();
    case KeyboardGesture::press:
      return standardPressAction();
    case KeyboardGesture::release:
      return standardReleaseAction();
    case KeyboardGesture::longPress:
      return standardLongPressAction();
    case KeyboardGesture::repeatPress:
      return standardRepeatAction();
  }
  return {};
}

}  // namespace keyloom
