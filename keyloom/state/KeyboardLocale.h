#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "keyloom/core/RawValueTable.h"
#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/foundation/Locale.h"

namespace keyloom {

// The locales the keyboard knows. The raw value is the locale identifier,
// written exactly as the keyboard looks it up ("sr-Latn" keeps its hyphen).
enum class KeyboardLocale {
  english,
  albanian,
  arabic,
  armenian,
  belarusian,
  bulgarian,
  catalan,
  cherokee,
  croatian,
  czech,
  danish,
  dutch,
  dutch_belgium,
  english_gb,
  english_us,
  estonian,
  faroese,
  filipino,
  finnish,
  french,
  french_belgium,
  french_switzerland,
  georgian,
  german,
  german_austria,
  german_switzerland,
  greek,
  hawaiian,
  hebrew,
  hungarian,
  icelandic,
  indonesian,
  irish,
  italian,
  kazakh,
  kurdish_sorani,
  kurdish_sorani_arabic,
  kurdish_sorani_pc,
  latvian,
  lithuanian,
  macedonian,
  malay,
  maltese,
  mongolian,
  norwegian,
  persian,
  polish,
  portuguese,
  portuguese_brazil,
  romanian,
  russian,
  serbian,
  serbian_latin,
  slovak,
  slovenian,
  spanish,
  swedish,
  swahili,
  turkish,
  ukrainian,
  uzbek,
};

template <>
struct RawValueTable<KeyboardLocale> {
  static constexpr std::array<std::string_view, 61> names{
      "en", "sq",    "ar",    "hy",     "be",     "bg",  "ca",    "chr", "hr",      "cs",    "da",
      "nl", "nl_BE", "en_GB", "en_US",  "et",     "fo",  "fil",   "fi",  "fr",      "fr_BE", "fr_CH",
      "ka", "de",    "de_AT", "de_CH",  "el",     "haw", "he_IL", "hu",  "is",      "id",    "ga_IE",
      "it", "kk",    "ckb",   "ckb_IQ", "ckb_PC", "lv",  "lt",    "mk",  "ms",      "mt",    "mn",
      "nb", "fa",    "pl",    "pt_PT",  "pt_BR",  "ro",  "ru",    "sr",  "sr-Latn", "sk",    "sl",
      "es", "sv",    "sw",    "tr",     "uk",     "uz",
  };
};

// The locale with exactly this identifier (case-sensitive, no normalisation).
std::optional<KeyboardLocale> keyboardLocale(std::string_view identifier);

// The identifier, which is also the locale's id.
std::string localeIdentifier(KeyboardLocale locale);
// A platform locale made from the identifier.
platform::Locale locale(KeyboardLocale locale);

// The flag shown for the locale: a fixed choice per locale, not derived from
// the identifier (English, English (US) and Hawaiian all show the US flag).
std::string flag(KeyboardLocale locale);

// The locale's name in its own language; empty when the platform has none.
std::string localizedName(KeyboardLocale locale);
// The locale's name as `in` writes it; empty when the platform has none.
std::string localizedName(KeyboardLocale locale, const platform::Locale& in);

// Writing direction of the locale's language. A language the platform has no
// direction for is neither left-to-right nor right-to-left.
platform::LanguageDirection characterDirection(KeyboardLocale locale);
bool isLeftToRight(KeyboardLocale locale);
bool isRightToLeft(KeyboardLocale locale);

// Whether quotation marks typed in this locale should become its alternate
// marks: every locale but the English ones.
bool prefersAlternateQuotationReplacement(KeyboardLocale locale);
bool prefersAlternateQuotationReplacement(const platform::Locale& locale);

// Whether the platform locale is this locale (identifiers compared as written).
bool matches(KeyboardLocale keyboardLocale, const platform::Locale& locale);
bool matches(const platform::Locale& locale, KeyboardLocale keyboardLocale);

// The locales whose language is written exactly left-to-right, or exactly
// right-to-left, in declaration order.
std::vector<KeyboardLocale> allLtrKeyboardLocales();
std::vector<KeyboardLocale> allRtlKeyboardLocales();

// ---- Lists of keyboard locales

// By each locale's lower-cased name in its own language, so the order does not
// depend on the user's language. Stable: equal names keep their order.
std::vector<KeyboardLocale> sorted(const std::vector<KeyboardLocale>& locales,
                                   std::optional<KeyboardLocale> insertFirst = std::nullopt);
// By each locale's lower-cased name as `in` writes it.
std::vector<KeyboardLocale> sortedIn(const std::vector<KeyboardLocale>& locales, const platform::Locale& in,
                                     std::optional<KeyboardLocale> insertFirst = std::nullopt);
// By a comparator ("a sorts before b"); then, when `insertFirst` is given, that
// locale first and every other occurrence of it removed (added even when the
// list did not hold it).
std::vector<KeyboardLocale> sorted(const std::vector<KeyboardLocale>& locales,
                                   const std::function<bool(KeyboardLocale, KeyboardLocale)>& by,
                                   std::optional<KeyboardLocale> insertFirst);
// `first`, then the list without it, in its order.
std::vector<KeyboardLocale> insertingFirst(const std::vector<KeyboardLocale>& locales, KeyboardLocale first);
std::vector<KeyboardLocale> removing(const std::vector<KeyboardLocale>& locales, KeyboardLocale locale);

// Serialized as the identifier alone.
void encodeValue(platform::Encoder& encoder, KeyboardLocale locale);
KeyboardLocale decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardLocale>);

}  // namespace keyloom
