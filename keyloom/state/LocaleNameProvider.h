#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Locale.h"

namespace keyloom {

// Names of locales as the platform writes them. A name the platform does not
// have is empty (or absent where the result is optional).

// The locale's name in its own language.
std::string localizedName(const platform::Locale& locale);
// The locale's name as `in` writes it.
std::string localizedName(const platform::Locale& locale, const platform::Locale& in);
// The name of `other` as `writer` writes it, capitalized ("Deutsch (Schweiz)").
std::optional<std::string> localizedNameOf(const platform::Locale& writer, const platform::Locale& other);

// The same for the locale's language alone.
std::string localizedLanguageName(const platform::Locale& locale);
std::string localizedLanguageName(const platform::Locale& locale, const platform::Locale& in);
// Absent also when `other` has no language code.
std::optional<std::string> localizedLanguageNameOf(const platform::Locale& writer,
                                                   const platform::Locale& other);

// The key two names are sorted by: lower-cased and composed (NFC), compared
// by code point rather than by any language's collation.
std::string nameSortKey(const std::string& name);

// ---- Lists of platform locales

// By each locale's lower-cased name in its own language; stable. When
// `insertFirst` is given it comes first and its other occurrences are removed.
std::vector<platform::Locale> sorted(const std::vector<platform::Locale>& locales,
                                     const std::optional<platform::Locale>& insertFirst = std::nullopt);
// By each locale's lower-cased name as `in` writes it.
std::vector<platform::Locale> sortedIn(const std::vector<platform::Locale>& locales,
                                       const platform::Locale& in,
                                       const std::optional<platform::Locale>& insertFirst = std::nullopt);
// By a comparator ("a sorts before b").
std::vector<platform::Locale> sorted(
    const std::vector<platform::Locale>& locales,
    const std::function<bool(const platform::Locale&, const platform::Locale&)>& by,
    const std::optional<platform::Locale>& insertFirst);

}  // namespace keyloom
