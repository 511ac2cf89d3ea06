#include "keyloom/state/KeyboardType.h"

#include "keyloom/state/KeyboardImageReader.h"

namespace keyloom {

std::string KeyboardType::id() const {
  if (auto alphabetic = get<keyboard_type::Alphabetic>()) return std::string(rawValue(alphabetic->casing));
  if (auto custom = get<keyboard_type::Custom>()) return custom->named;
  return std::string(caseName());
}

bool KeyboardType::isAlphabetic(KeyboardCase casing) const {
  auto alphabetic = get<keyboard_type::Alphabetic>();
  return alphabetic && alphabetic->casing == casing;
}

bool KeyboardType::isAlphabeticUppercased() const {
  return isAlphabetic(KeyboardCase::uppercased) || isAlphabetic(KeyboardCase::capsLocked);
}

std::optional<KeyboardImage> KeyboardType::standardButtonImage() const {
  if (is<keyboard_type::Email>()) return KeyboardImageReader::keyboardEmail();
  if (is<keyboard_type::Emojis>()) return KeyboardImageReader::keyboardEmoji();
  if (is<keyboard_type::Images>()) return KeyboardImageReader::keyboardImages();
  return std::nullopt;
}

bool KeyboardType::prefersAutocomplete() const {
  return !(is<keyboard_type::Email>() || is<keyboard_type::Emojis>() || is<keyboard_type::Images>());
}

std::ostream& operator<<(std::ostream& out, const KeyboardType& type) {
  out << type.caseName();
  if (auto alphabetic = type.get<keyboard_type::Alphabetic>())
    out << "(" << rawValue(alphabetic->casing) << ")";
  if (auto custom = type.get<keyboard_type::Custom>()) out << "(named: \"" << custom->named << "\")";
  return out;
}

}  // namespace keyloom
