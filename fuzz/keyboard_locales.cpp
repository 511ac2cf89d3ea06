// Arbitrary bytes as a stored keyboard locale (JSON) and as a locale
// identifier: decoding gives one of the known locales or a DecodingError, and
// the locale lookups, flags, names and sorting never crash.
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "keyloom/state/KeyboardLocale.h"
#include "keyloom/state/LocaleDictionary.h"
#include "keyloom/state/LocaleFlagProvider.h"
#include "keyloom/state/LocaleNameProvider.h"
#include "platform/coding/DecodingError.h"
#include "platform/coding/JSONDecoder.h"

using namespace keyloom;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);

  try {
    const KeyboardLocale decoded = platform::JSONDecoder().decode<KeyboardLocale>(input);
    if (keyboardLocale(localeIdentifier(decoded)) != decoded) std::abort();
  } catch (const platform::DecodingError&) {
  }

  if (auto known = keyboardLocale(input); known && localeIdentifier(*known) != input) std::abort();

  const platform::Locale locale(input);
  const LocaleDictionary<int> dictionary(std::map<std::string, int>{{"en", 1}, {"de_CH", 2}, {"", 3}});
  const auto value = dictionary.value(locale);
  // A locale without a language code falls back to the "" entry.
  if (!locale.languageCode() && value != 3) std::abort();
  (void)flag(locale);
  (void)localizedName(locale);
  (void)localizedNameOf(platform::Locale("en"), locale);
  (void)localizedLanguageNameOf(platform::Locale("en"), locale);
  const auto sortedLocales = sorted(std::vector{locale, platform::Locale("en")}, locale);
  if (sortedLocales.front() != locale) std::abort();
  return 0;
}
