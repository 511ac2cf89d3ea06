#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "keyloom/core/RawValueTable.h"
#include "keyloom/state/KeyboardLocale.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Locale.h"

namespace keyloom {

class KeyboardContext;

// Keys of the texts the keyboard shows, as written in the library bundle's
// string tables ("Localizable.strings" of each "<language>.lproj" folder).
enum class KLL10n {
  done,
  go,
  join,
  next,
  ok,
  return_,
  search,
  send,
  space,
  keyboardTypeAlphabetic,
  keyboardTypeNumeric,
  keyboardTypeSymbolic,
  searchEmoji,
};

template <>
struct RawValueTable<KLL10n> {
  static constexpr std::array<std::string_view, 13> names{
      "done",  "go",   "join", "next", "ok", "return", "search", "send", "space", "keyboardTypeAlphabetic",
      "keyboardTypeNumeric", "keyboardTypeSymbolic", "searchEmoji"};
};

// The key in the string tables; also the case's id.
inline std::string_view key(KLL10n text) { return rawValue(text); }
inline std::string_view id(KLL10n text) { return rawValue(text); }

// The bundle the texts below are read from: the library bundle until set.
// Every text lookup of this file honours a replacement: text(KLL10n) reads the
// bundle's default table, and the locale lookups (text with a locale, keyboard
// locale or keyboard context, and textForKey) choose their language folder in
// it. The process reset puts back the library bundle.
const platform::Bundle& kll10nBundle();
void setKLL10nBundle(platform::Bundle bundle);

// The text in the bundle's default localization, without choosing a language.
std::string text(KLL10n key);

// The text in the locale's language: the entry of the "<identifier>.lproj"
// folder, else of the "<language code>.lproj" folder. Empty when the bundle has
// neither; the key itself when that folder's table lacks the entry.
std::string text(KLL10n key, const platform::Locale& locale);
// The same for the platform locale of the keyboard locale's identifier.
std::string text(KLL10n key, KeyboardLocale locale);
// The same for the context's current locale.
std::string text(KLL10n key, const KeyboardContext& context);

// The same for any key, such as the emoji names ("Emoji.GrinningFace").
std::string textForKey(std::string_view key, const platform::Locale& locale);
std::string textForKey(std::string_view key, KeyboardLocale locale);

}  // namespace keyloom
