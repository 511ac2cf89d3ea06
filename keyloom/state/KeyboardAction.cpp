#include "keyloom/state/KeyboardAction.h"

namespace keyloom {

namespace ka = keyboard_action;

namespace {

template <class... Cases>
bool isAny(const KeyboardAction& action) {
  return (action.is<Cases>() || ...);
}

}  // namespace

bool KeyboardAction::isInputAction() const {
  return isAny<ka::Character, ka::CharacterMargin, ka::Emoji, ka::Image, ka::SystemImage, ka::Space>(*this);
}

bool KeyboardAction::isSystemAction() const {
  if (auto primary = get<ka::Primary>()) return primary->returnKeyType.isSystemAction();
  return isAny<ka::Backspace, ka::Command, ka::Control, ka::Dictation, ka::DismissKeyboard, ka::EmojiCategory,
               ka::Escape, ka::Function, ka::KeyboardType, ka::MoveCursorBackward, ka::MoveCursorForward,
               ka::NextKeyboard, ka::NextLocale, ka::Option, ka::Settings, ka::Shift, ka::Tab>(*this);
}

bool KeyboardAction::isUppercasedShiftAction() const {
  auto shift = get<ka::Shift>();
  return shift && isUppercased(shift->currentCasing);
}

bool KeyboardAction::isSpacer() const { return isAny<ka::CharacterMargin, ka::None>(*this); }

bool KeyboardAction::isAlphabeticKeyboardTypeAction() const {
  auto keyboardType = get<ka::KeyboardType>();
  return keyboardType && keyboardType->type.isAlphabetic();
}

bool KeyboardAction::isKeyboardTypeAction(const KeyboardType& type) const {
  auto keyboardType = get<ka::KeyboardType>();
  return keyboardType && keyboardType->type == type;
}

std::optional<std::string> KeyboardAction::inputCalloutText() const {
  if (auto character = get<ka::Character>()) return character->text;
  if (auto emoji = get<ka::Emoji>()) return emoji->emoji.char_();
  return std::nullopt;
}

std::ostream& operator<<(std::ostream& out, const KeyboardAction& action) {
  out << action.caseName();
  std::visit(
      [&out](const auto& kase) {
        using Case = std::decay_t<decltype(kase)>;
        if constexpr (std::is_same_v<Case, ka::Character> || std::is_same_v<Case, ka::CharacterMargin>) {
          out << "(\"" << kase.text << "\")";
        } else if constexpr (std::is_same_v<Case, ka::Custom>) {
          out << "(named: \"" << kase.named << "\")";
        } else if constexpr (std::is_same_v<Case, ka::Emoji>) {
          out << "(" << kase.emoji << ")";
        } else if constexpr (std::is_same_v<Case, ka::EmojiCategory>) {
          out << "(" << rawValue(kase.category) << ")";
        } else if constexpr (std::is_same_v<Case, ka::Image> || std::is_same_v<Case, ka::SystemImage>) {
          out << "(\"" << kase.description << "\", \"" << kase.keyboardImageName << "\", \"" << kase.imageName
              << "\")";
        } else if constexpr (std::is_same_v<Case, ka::KeyboardType>) {
          out << "(" << kase.type << ")";
        } else if constexpr (std::is_same_v<Case, ka::Primary>) {
          out << "(" << kase.returnKeyType << ")";
        } else if constexpr (std::is_same_v<Case, ka::Shift>) {
          out << "(currentCasing: " << rawValue(kase.currentCasing) << ")";
        } else if constexpr (std::is_same_v<Case, ka::Url>) {
          out << "(" << (kase.url ? kase.url->absoluteString() : "nil") << ", id: " << kase.id.value_or("nil")
              << ")";
        }
      },
      action.value());
  return out;
}

KeyboardAction keyboardAction(platform::ReturnKeyType type) {
  return KeyboardAction::primary(keyboardReturnKeyType(type));
}

}  // namespace keyloom
