#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "keyloom/core/CaseValue.h"
#include "keyloom/state/KeyboardCase.h"
#include "keyloom/state/KeyboardImage.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

namespace keyloom {

// The cases of KeyboardType, in declaration order.
namespace keyboard_type {
struct Alphabetic {
  static constexpr std::string_view name = "alphabetic";
  KeyboardCase casing;
  bool operator==(const Alphabetic&) const = default;
};
struct Numeric {
  static constexpr std::string_view name = "numeric";
  bool operator==(const Numeric&) const = default;
};
struct Symbolic {
  static constexpr std::string_view name = "symbolic";
  bool operator==(const Symbolic&) const = default;
};
struct Email {
  static constexpr std::string_view name = "email";
  bool operator==(const Email&) const = default;
};
struct Emojis {
  static constexpr std::string_view name = "emojis";
  bool operator==(const Emojis&) const = default;
};
struct Images {
  static constexpr std::string_view name = "images";
  bool operator==(const Images&) const = default;
};
struct Custom {
  static constexpr std::string_view name = "custom";
  std::string named;
  bool operator==(const Custom&) const = default;
};
}  // namespace keyboard_type

// Which keyboard is shown: letters in some casing, numbers, symbols, or one of
// the special keyboards.
class KeyboardType
    : public CaseValue<std::variant<keyboard_type::Alphabetic, keyboard_type::Numeric,
                                    keyboard_type::Symbolic, keyboard_type::Email, keyboard_type::Emojis,
                                    keyboard_type::Images, keyboard_type::Custom>> {
 public:
  static KeyboardType alphabetic(KeyboardCase casing) {
    return KeyboardType(keyboard_type::Alphabetic{casing});
  }
  static KeyboardType numeric() { return KeyboardType(keyboard_type::Numeric{}); }
  static KeyboardType symbolic() { return KeyboardType(keyboard_type::Symbolic{}); }
  static KeyboardType email() { return KeyboardType(keyboard_type::Email{}); }
  static KeyboardType emojis() { return KeyboardType(keyboard_type::Emojis{}); }
  static KeyboardType images() { return KeyboardType(keyboard_type::Images{}); }
  static KeyboardType custom(std::string named) {
    return KeyboardType(keyboard_type::Custom{std::move(named)});
  }

  // The casing's raw value for alphabetic types, the bare name for custom
  // ones, else the case name; so ids are not unique across all types.
  std::string id() const;

  bool isAlphabetic() const { return is<keyboard_type::Alphabetic>(); }
  // Alphabetic with exactly this casing.
  bool isAlphabetic(KeyboardCase casing) const;
  // Alphabetic upper-cased or caps-locked.
  bool isAlphabeticUppercased() const;

  // The picture of a key that switches to this type: email, emojis and images only.
  std::optional<KeyboardImage> standardButtonImage() const;

  // Whether suggestions are wanted: not for email, emojis and images.
  bool prefersAutocomplete() const;

  // Same case, and for alphabetic the same casing, for custom the same name.
  bool operator==(const KeyboardType&) const = default;

 private:
  explicit KeyboardType(Value value) : CaseValue(std::move(value)) {}
};

std::ostream& operator<<(std::ostream& out, const KeyboardType& type);

// The one-key form: {"alphabetic": {"_0": "<casing>"}}, {"numeric": {}},
// {"custom": {"named": "<name>"}}.
void encodeValue(platform::Encoder& encoder, const KeyboardType& type);
KeyboardType decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardType>);

}  // namespace keyloom
