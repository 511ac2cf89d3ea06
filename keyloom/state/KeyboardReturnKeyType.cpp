#include "keyloom/state/KeyboardReturnKeyType.h"

#include "keyloom/state/KeyboardImageReader.h"

namespace keyloom {

std::array<KeyboardReturnKeyType, 9> KeyboardReturnKeyType::allCases() {
  return {return_(), done(), go(), join(), newLine(), next(), ok(), search(), send()};
}

std::string KeyboardReturnKeyType::id() const {
  if (auto custom = get<keyboard_return_key_type::Custom>()) return custom->title;
  return std::string(caseName());
}

bool KeyboardReturnKeyType::isSystemAction() const {
  return is<keyboard_return_key_type::Return>() || is<keyboard_return_key_type::NewLine>();
}

std::optional<KeyboardImage> KeyboardReturnKeyType::standardButtonImage(
    const platform::Locale& locale) const {
  if (!is<keyboard_return_key_type::NewLine>()) return std::nullopt;
  return KeyboardImageReader::keyboardNewline(locale);
}

std::ostream& operator<<(std::ostream& out, const KeyboardReturnKeyType& type) {
  out << type.caseName();
  if (auto custom = type.get<keyboard_return_key_type::Custom>())
    out << "(title: \"" << custom->title << "\")";
  return out;
}

KeyboardReturnKeyType keyboardReturnKeyType(platform::ReturnKeyType type) {
  using Platform = platform::ReturnKeyType;
  switch (type) {
    case Platform::default_:
      return KeyboardReturnKeyType::return_();
    case Platform::go:
      return KeyboardReturnKeyType::go();
    case Platform::google:
      return KeyboardReturnKeyType::custom("Google");
    case Platform::join:
      return KeyboardReturnKeyType::join();
    case Platform::next:
      return KeyboardReturnKeyType::next();
    case Platform::route:
      return KeyboardReturnKeyType::custom("route");
    case Platform::search:
      return KeyboardReturnKeyType::search();
    case Platform::send:
      return KeyboardReturnKeyType::send();
    case Platform::yahoo:
      return KeyboardReturnKeyType::custom("Yahoo");
    case Platform::done:
      return KeyboardReturnKeyType::done();
    case Platform::emergencyCall:
      return KeyboardReturnKeyType::custom("emergencyCall");
    case Platform::continue_:
      return KeyboardReturnKeyType::custom("continue");
  }
  return KeyboardReturnKeyType::custom("unknown");
}

}  // namespace keyloom
