#pragma once

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "keyloom/core/CaseValue.h"
#include "keyloom/state/KeyboardImage.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/foundation/Locale.h"
#include "platform/input/InputTraits.h"

namespace keyloom {

// The cases of KeyboardReturnKeyType, in declaration order.
namespace keyboard_return_key_type {
struct Return {
  static constexpr std::string_view name = "return";
  bool operator==(const Return&) const = default;
};
struct Done {
  static constexpr std::string_view name = "done";
  bool operator==(const Done&) const = default;
};
struct Go {
  static constexpr std::string_view name = "go";
  bool operator==(const Go&) const = default;
};
struct Join {
  static constexpr std::string_view name = "join";
  bool operator==(const Join&) const = default;
};
struct NewLine {
  static constexpr std::string_view name = "newLine";
  bool operator==(const NewLine&) const = default;
};
struct Next {
  static constexpr std::string_view name = "next";
  bool operator==(const Next&) const = default;
};
struct Ok {
  static constexpr std::string_view name = "ok";
  bool operator==(const Ok&) const = default;
};
struct Search {
  static constexpr std::string_view name = "search";
  bool operator==(const Search&) const = default;
};
struct Send {
  static constexpr std::string_view name = "send";
  bool operator==(const Send&) const = default;
};
struct Custom {
  static constexpr std::string_view name = "custom";
  std::string title;
  bool operator==(const Custom&) const = default;
};
}  // namespace keyboard_return_key_type

// The kind of the return key, taken from the focused text field.
class KeyboardReturnKeyType
    : public CaseValue<std::variant<keyboard_return_key_type::Return, keyboard_return_key_type::Done,
                                    keyboard_return_key_type::Go, keyboard_return_key_type::Join,
                                    keyboard_return_key_type::NewLine, keyboard_return_key_type::Next,
                                    keyboard_return_key_type::Ok, keyboard_return_key_type::Search,
                                    keyboard_return_key_type::Send, keyboard_return_key_type::Custom>> {
 public:
  static KeyboardReturnKeyType return_() { return KeyboardReturnKeyType(keyboard_return_key_type::Return{}); }
  static KeyboardReturnKeyType done() { return KeyboardReturnKeyType(keyboard_return_key_type::Done{}); }
  static KeyboardReturnKeyType go() { return KeyboardReturnKeyType(keyboard_return_key_type::Go{}); }
  static KeyboardReturnKeyType join() { return KeyboardReturnKeyType(keyboard_return_key_type::Join{}); }
  static KeyboardReturnKeyType newLine() {
    return KeyboardReturnKeyType(keyboard_return_key_type::NewLine{});
  }
  static KeyboardReturnKeyType next() { return KeyboardReturnKeyType(keyboard_return_key_type::Next{}); }
  static KeyboardReturnKeyType ok() { return KeyboardReturnKeyType(keyboard_return_key_type::Ok{}); }
  static KeyboardReturnKeyType search() { return KeyboardReturnKeyType(keyboard_return_key_type::Search{}); }
  static KeyboardReturnKeyType send() { return KeyboardReturnKeyType(keyboard_return_key_type::Send{}); }
  static KeyboardReturnKeyType custom(std::string title) {
    return KeyboardReturnKeyType(keyboard_return_key_type::Custom{std::move(title)});
  }

  // The nine plain cases in declaration order; custom is not listed.
  static std::array<KeyboardReturnKeyType, 9> allCases();

  // The case name, or a custom type's title (so custom "done" shares the id of done).
  std::string id() const;

  // Drawn as a system key: return and newLine only.
  bool isSystemAction() const;

  // Only newLine has a picture, an arrow pointing against the writing direction.
  std::optional<KeyboardImage> standardButtonImage(const platform::Locale& locale) const;

  bool operator==(const KeyboardReturnKeyType&) const = default;

 private:
  explicit KeyboardReturnKeyType(Value value) : CaseValue(std::move(value)) {}
};

std::ostream& operator<<(std::ostream& out, const KeyboardReturnKeyType& type);

// The platform's return key type as this keyboard's return key type. Kinds the
// keyboard has no case for get a custom title; unknown raw values get "unknown".
KeyboardReturnKeyType keyboardReturnKeyType(platform::ReturnKeyType type);

// The one-key form: {"done": {}}, {"custom": {"title": "<title>"}}.
void encodeValue(platform::Encoder& encoder, const KeyboardReturnKeyType& type);
KeyboardReturnKeyType decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardReturnKeyType>);

}  // namespace keyloom
