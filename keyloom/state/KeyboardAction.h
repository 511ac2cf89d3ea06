#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "keyloom/core/CaseValue.h"
#include "keyloom/state/Emoji.h"
#include "keyloom/state/EmojiCategory.h"
#include "keyloom/state/KeyboardCase.h"
#include "keyloom/state/KeyboardGesture.h"
#include "keyloom/state/KeyboardReturnKeyType.h"
#include "keyloom/state/KeyboardType.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/foundation/URL.h"

namespace keyloom {

class KeyboardController;

// The standard behaviour of a key for one gesture. It is given the controller
// for the duration of the call only (null when there is none, and then it does
// nothing). An empty function means the key has no behaviour for the gesture,
// which is not the same as a function that does nothing.
using KeyboardActionClosure = std::function<void(KeyboardController*)>;

// The cases of KeyboardAction, in declaration order (the order of their
// serialized names too). Each carries its payload and its case name.
namespace keyboard_action {
struct Backspace {
  static constexpr std::string_view name = "backspace";
  bool operator==(const Backspace&) const = default;
};
struct Character {
  static constexpr std::string_view name = "character";
  std::string text;
  bool operator==(const Character&) const = default;
};
struct CharacterMargin {
  static constexpr std::string_view name = "characterMargin";
  std::string text;
  bool operator==(const CharacterMargin&) const = default;
};
struct Command {
  static constexpr std::string_view name = "command";
  bool operator==(const Command&) const = default;
};
struct Control {
  static constexpr std::string_view name = "control";
  bool operator==(const Control&) const = default;
};
struct Custom {
  static constexpr std::string_view name = "custom";
  std::string named;
  bool operator==(const Custom&) const = default;
};
struct Dictation {
  static constexpr std::string_view name = "dictation";
  bool operator==(const Dictation&) const = default;
};
struct DismissKeyboard {
  static constexpr std::string_view name = "dismissKeyboard";
  bool operator==(const DismissKeyboard&) const = default;
};
struct Emoji {
  static constexpr std::string_view name = "emoji";
  keyloom::Emoji emoji;
  bool operator==(const Emoji&) const = default;
};
struct EmojiCategory {
  static constexpr std::string_view name = "emojiCategory";
  keyloom::EmojiCategory category;
  bool operator==(const EmojiCategory&) const = default;
};
struct Escape {
  static constexpr std::string_view name = "escape";
  bool operator==(const Escape&) const = default;
};
struct Function {
  static constexpr std::string_view name = "function";
  bool operator==(const Function&) const = default;
};
struct Image {
  static constexpr std::string_view name = "image";
  std::string description;
  std::string keyboardImageName;
  std::string imageName;
  bool operator==(const Image&) const = default;
};
struct KeyboardType {
  static constexpr std::string_view name = "keyboardType";
  keyloom::KeyboardType type;
  bool operator==(const KeyboardType&) const = default;
};
struct MoveCursorBackward {
  static constexpr std::string_view name = "moveCursorBackward";
  bool operator==(const MoveCursorBackward&) const = default;
};
struct MoveCursorForward {
  static constexpr std::string_view name = "moveCursorForward";
  bool operator==(const MoveCursorForward&) const = default;
};
struct NextKeyboard {
  static constexpr std::string_view name = "nextKeyboard";
  bool operator==(const NextKeyboard&) const = default;
};
struct NextLocale {
  static constexpr std::string_view name = "nextLocale";
  bool operator==(const NextLocale&) const = default;
};
struct None {
  static constexpr std::string_view name = "none";
  bool operator==(const None&) const = default;
};
struct Option {
  static constexpr std::string_view name = "option";
  bool operator==(const Option&) const = default;
};
struct Primary {
  static constexpr std::string_view name = "primary";
  KeyboardReturnKeyType returnKeyType;
  bool operator==(const Primary&) const = default;
};
struct Settings {
  static constexpr std::string_view name = "settings";
  bool operator==(const Settings&) const = default;
};
struct Shift {
  static constexpr std::string_view name = "shift";
  KeyboardCase currentCasing;
  bool operator==(const Shift&) const = default;
};
struct Space {
  static constexpr std::string_view name = "space";
  bool operator==(const Space&) const = default;
};
struct SystemImage {
  static constexpr std::string_view name = "systemImage";
  std::string description;
  std::string keyboardImageName;
  std::string imageName;
  bool operator==(const SystemImage&) const = default;
};
struct SystemSettings {
  static constexpr std::string_view name = "systemSettings";
  bool operator==(const SystemSettings&) const = default;
};
struct Tab {
  static constexpr std::string_view name = "tab";
  bool operator==(const Tab&) const = default;
};
struct Url {
  static constexpr std::string_view name = "url";
  std::optional<platform::URL> url;
  std::optional<std::string> id;
  bool operator==(const Url&) const = default;
};
}  // namespace keyboard_action

// What a key does. Every key of a layout carries one.
class KeyboardAction
    : public CaseValue<std::variant<
          keyboard_action::Backspace, keyboard_action::Character, keyboard_action::CharacterMargin,
          keyboard_action::Command, keyboard_action::Control, keyboard_action::Custom,
          keyboard_action::Dictation, keyboard_action::DismissKeyboard, keyboard_action::Emoji,
          keyboard_action::EmojiCategory, keyboard_action::Escape, keyboard_action::Function,
          keyboard_action::Image, keyboard_action::KeyboardType, keyboard_action::MoveCursorBackward,
          keyboard_action::MoveCursorForward, keyboard_action::NextKeyboard, keyboard_action::NextLocale,
          keyboard_action::None, keyboard_action::Option, keyboard_action::Primary, keyboard_action::Settings,
          keyboard_action::Shift, keyboard_action::Space, keyboard_action::SystemImage,
          keyboard_action::SystemSettings, keyboard_action::Tab, keyboard_action::Url>> {
 public:
  static KeyboardAction backspace() { return KeyboardAction(keyboard_action::Backspace{}); }
  static KeyboardAction command() { return KeyboardAction(keyboard_action::Command{}); }
  static KeyboardAction control() { return KeyboardAction(keyboard_action::Control{}); }
  static KeyboardAction dictation() { return KeyboardAction(keyboard_action::Dictation{}); }
  static KeyboardAction dismissKeyboard() { return KeyboardAction(keyboard_action::DismissKeyboard{}); }
  static KeyboardAction escape() { return KeyboardAction(keyboard_action::Escape{}); }
  static KeyboardAction function() { return KeyboardAction(keyboard_action::Function{}); }
  static KeyboardAction moveCursorBackward() { return KeyboardAction(keyboard_action::MoveCursorBackward{}); }
  static KeyboardAction moveCursorForward() { return KeyboardAction(keyboard_action::MoveCursorForward{}); }
  static KeyboardAction nextKeyboard() { return KeyboardAction(keyboard_action::NextKeyboard{}); }
  static KeyboardAction nextLocale() { return KeyboardAction(keyboard_action::NextLocale{}); }
  static KeyboardAction none() { return KeyboardAction(keyboard_action::None{}); }
  static KeyboardAction option() { return KeyboardAction(keyboard_action::Option{}); }
  static KeyboardAction settings() { return KeyboardAction(keyboard_action::Settings{}); }
  static KeyboardAction space() { return KeyboardAction(keyboard_action::Space{}); }
  static KeyboardAction systemSettings() { return KeyboardAction(keyboard_action::SystemSettings{}); }
  static KeyboardAction tab() { return KeyboardAction(keyboard_action::Tab{}); }

  static KeyboardAction character(std::string text) {
    return KeyboardAction(keyboard_action::Character{std::move(text)});
  }
  static KeyboardAction characterMargin(std::string text) {
    return KeyboardAction(keyboard_action::CharacterMargin{std::move(text)});
  }
  static KeyboardAction custom(std::string named) {
    return KeyboardAction(keyboard_action::Custom{std::move(named)});
  }
  static KeyboardAction emoji(Emoji emoji) {
    return KeyboardAction(keyboard_action::Emoji{std::move(emoji)});
  }
  static KeyboardAction emojiCategory(EmojiCategory category) {
    return KeyboardAction(keyboard_action::EmojiCategory{category});
  }
  static KeyboardAction image(std::string description, std::string keyboardImageName, std::string imageName) {
    return KeyboardAction(
        keyboard_action::Image{std::move(description), std::move(keyboardImageName), std::move(imageName)});
  }
  static KeyboardAction keyboardType(KeyboardType type) {
    return KeyboardAction(keyboard_action::KeyboardType{std::move(type)});
  }
  static KeyboardAction primary(KeyboardReturnKeyType returnKeyType) {
    return KeyboardAction(keyboard_action::Primary{std::move(returnKeyType)});
  }
  static KeyboardAction shift(KeyboardCase currentCasing) {
    return KeyboardAction(keyboard_action::Shift{currentCasing});
  }
  static KeyboardAction systemImage(std::string description, std::string keyboardImageName,
                                    std::string imageName) {
    return KeyboardAction(keyboard_action::SystemImage{std::move(description), std::move(keyboardImageName),
                                                       std::move(imageName)});
  }
  static KeyboardAction url(std::optional<platform::URL> url, std::optional<std::string> id = std::nullopt) {
    return KeyboardAction(keyboard_action::Url{std::move(url), std::move(id)});
  }

  // Keys that type something: character, characterMargin, emoji, image,
  // systemImage and space.
  bool isInputAction() const;
  // Keys drawn as system keys; primary only when its return key type is one.
  // No action is both an input and a system action.
  bool isSystemAction() const;
  bool isCharacterAction() const { return is<keyboard_action::Character>(); }
  bool isEmojiAction() const { return is<keyboard_action::Emoji>(); }
  bool isPrimaryAction() const { return is<keyboard_action::Primary>(); }
  bool isShiftAction() const { return is<keyboard_action::Shift>(); }
  // Shift drawn in capsLocked or uppercased casing.
  bool isUppercasedShiftAction() const;
  // Gaps in a row: characterMargin and none.
  bool isSpacer() const;
  // Switches to an alphabetic keyboard of any casing.
  bool isAlphabeticKeyboardTypeAction() const;
  // Switches to exactly this keyboard type.
  bool isKeyboardTypeAction(const KeyboardType& type) const;

  // What the input callout shows while the key is down: the character or the
  // emoji; absent for every other action.
  std::optional<std::string> inputCalloutText() const;

  // The standard behaviour per gesture; see KeyboardActionClosure. Each call
  // makes a new closure that copies what it needs of the payload.
  KeyboardActionClosure standardPressAction() const;
  KeyboardActionClosure standardReleaseAction() const;
  KeyboardActionClosure standardLongPressAction() const;
  KeyboardActionClosure standardRepeatAction() const;
  KeyboardActionClosure standardDoubleTapAction() const;
  // The release behaviour when there is one, else the press behaviour.
  KeyboardActionClosure standardAction() const;
  KeyboardActionClosure standardAction(KeyboardGesture gesture) const;

  bool operator==(const KeyboardAction&) const = default;

 private:
  explicit KeyboardAction(Value value) : CaseValue(std::move(value)) {}
};

std::ostream& operator<<(std::ostream& out, const KeyboardAction& action);

// The primary action of a return key of this platform type.
KeyboardAction keyboardAction(platform::ReturnKeyType type);

// The one-key form: {"<case>": {<payload>}}, with an unlabelled payload value
// under "_0", a labelled one under its label, and the optional URL and id of
// `url` only when present.
void encodeValue(platform::Encoder& encoder, const KeyboardAction& action);
KeyboardAction decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardAction>);

}  // namespace keyloom
