#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The input traits a text field announces to the keyboard. Each enumeration
// keeps the platform's integer raw values, and any other raw value is still
// representable (static_cast from int), because hosts may send kinds newer
// than this list; such a value simply has no name.
namespace platform {

template <class E>
struct EnumCase {
  E value;
  std::string_view name;
};

enum class KeyboardType : int {
  default_ = 0,
  asciiCapable = 1,
  numbersAndPunctuation = 2,
  URL = 3,
  numberPad = 4,
  phonePad = 5,
  namePhonePad = 6,
  emailAddress = 7,
  decimalPad = 8,
  twitter = 9,
  webSearch = 10,
  asciiCapableNumberPad = 11,
};
inline constexpr std::array<EnumCase<KeyboardType>, 12> kKeyboardTypeCases{{
    {KeyboardType::default_, "default"},
    {KeyboardType::asciiCapable, "asciiCapable"},
    {KeyboardType::numbersAndPunctuation, "numbersAndPunctuation"},
    {KeyboardType::URL, "URL"},
    {KeyboardType::numberPad, "numberPad"},
    {KeyboardType::phonePad, "phonePad"},
    {KeyboardType::namePhonePad, "namePhonePad"},
    {KeyboardType::emailAddress, "emailAddress"},
    {KeyboardType::decimalPad, "decimalPad"},
    {KeyboardType::twitter, "twitter"},
    {KeyboardType::webSearch, "webSearch"},
    {KeyboardType::asciiCapableNumberPad, "asciiCapableNumberPad"},
}};

enum class ReturnKeyType : int {
  default_ = 0,
  go = 1,
  google = 2,
  join = 3,
  next = 4,
  route = 5,
  search = 6,
  send = 7,
  yahoo = 8,
  done = 9,
  emergencyCall = 10,
  continue_ = 11,
};
inline constexpr std::array<EnumCase<ReturnKeyType>, 12> kReturnKeyTypeCases{{
    {ReturnKeyType::default_, "default"},
    {ReturnKeyType::go, "go"},
    {ReturnKeyType::google, "google"},
    {ReturnKeyType::join, "join"},
    {ReturnKeyType::next, "next"},
    {ReturnKeyType::route, "route"},
    {ReturnKeyType::search, "search"},
    {ReturnKeyType::send, "send"},
    {ReturnKeyType::yahoo, "yahoo"},
    {ReturnKeyType::done, "done"},
    {ReturnKeyType::emergencyCall, "emergencyCall"},
    {ReturnKeyType::continue_, "continue"},
}};

enum class AutocapitalizationType : int {
  none = 0,
  words = 1,
  sentences = 2,
  allCharacters = 3,
};
inline constexpr std::array<EnumCase<AutocapitalizationType>, 4> kAutocapitalizationTypeCases{{
    {AutocapitalizationType::none, "none"},
    {AutocapitalizationType::words, "words"},
    {AutocapitalizationType::sentences, "sentences"},
    {AutocapitalizationType::allCharacters, "allCharacters"},
}};

// Autocorrection, spell checking and the three smart-typing traits share the
// platform's default / no / yes triple.
enum class AutocorrectionType : int { default_ = 0, no = 1, yes = 2 };
enum class SpellCheckingType : int { default_ = 0, no = 1, yes = 2 };
enum class SmartQuotesType : int { default_ = 0, no = 1, yes = 2 };
enum class SmartDashesType : int { default_ = 0, no = 1, yes = 2 };
enum class SmartInsertDeleteType : int { default_ = 0, no = 1, yes = 2 };

inline constexpr std::array<std::string_view, 3> kDefaultNoYesNames{"default", "no", "yes"};

enum class KeyboardAppearance : int {
  default_ = 0,
  dark = 1,
  light = 2,
};
inline constexpr std::array<EnumCase<KeyboardAppearance>, 3> kKeyboardAppearanceCases{{
    {KeyboardAppearance::default_, "default"},
    {KeyboardAppearance::dark, "dark"},
    {KeyboardAppearance::light, "light"},
}};

// The raw value as the platform sends it.
template <class E>
constexpr int rawValue(E value) {
  return static_cast<int>(value);
}

// The case's name ("continue" for ReturnKeyType::continue_), or "" for a raw
// value outside the known cases.
std::string_view name(KeyboardType value);
std::string_view name(ReturnKeyType value);
std::string_view name(AutocapitalizationType value);
std::string_view name(AutocorrectionType value);
std::string_view name(SpellCheckingType value);
std::string_view name(SmartQuotesType value);
std::string_view name(SmartDashesType value);
std::string_view name(SmartInsertDeleteType value);
std::string_view name(KeyboardAppearance value);

// Everything a text input can announce about itself. An absent trait means the
// input does not answer it, which is not the same as its default value.
struct TextInputTraits {
  std::optional<AutocapitalizationType> autocapitalizationType;
  std::optional<AutocorrectionType> autocorrectionType;
  std::optional<SpellCheckingType> spellCheckingType;
  std::optional<SmartQuotesType> smartQuotesType;
  std::optional<SmartDashesType> smartDashesType;
  std::optional<SmartInsertDeleteType> smartInsertDeleteType;
  std::optional<KeyboardType> keyboardType;
  std::optional<KeyboardAppearance> keyboardAppearance;
  std::optional<ReturnKeyType> returnKeyType;
  std::optional<bool> enablesReturnKeyAutomatically;
  std::optional<bool> isSecureTextEntry;
  std::optional<std::string> textContentType;  // "username", "emailAddress", ...

  bool operator==(const TextInputTraits&) const = default;
};

// The optional traits as virtual getters; every one answers nothing unless a
// subclass provides it. Shared by the document proxy and the text input.
class TextInputTraitsSource {
 public:
  virtual ~TextInputTraitsSource() = default;

  virtual std::optional<AutocapitalizationType> autocapitalizationType() const { return std::nullopt; }
  virtual std::optional<AutocorrectionType> autocorrectionType() const { return std::nullopt; }
  virtual std::optional<SpellCheckingType> spellCheckingType() const { return std::nullopt; }
  virtual std::optional<SmartQuotesType> smartQuotesType() const { return std::nullopt; }
  virtual std::optional<SmartDashesType> smartDashesType() const { return std::nullopt; }
  virtual std::optional<SmartInsertDeleteType> smartInsertDeleteType() const { return std::nullopt; }
  virtual std::optional<KeyboardType> keyboardType() const { return std::nullopt; }
  virtual std::optional<KeyboardAppearance> keyboardAppearance() const { return std::nullopt; }
  virtual std::optional<ReturnKeyType> returnKeyType() const { return std::nullopt; }
  virtual std::optional<bool> enablesReturnKeyAutomatically() const { return std::nullopt; }
  virtual std::optional<bool> isSecureTextEntry() const { return std::nullopt; }
  virtual std::optional<std::string> textContentType() const { return std::nullopt; }

  // All answers at once, read through the getters above.
  TextInputTraits answeredTraits() const;
};

}  // namespace platform
