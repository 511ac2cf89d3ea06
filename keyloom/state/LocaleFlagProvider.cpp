#include "keyloom/state/LocaleFlagProvider.h"

#include "platform/foundation/Text.h"

namespace keyloom {

namespace {

// "A" + this offset is REGIONAL INDICATOR SYMBOL LETTER A.
constexpr char32_t kRegionalIndicatorOffset = 0x1F1A5;

bool isValidScalar(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

}  // namespace

std::string flag(const platform::Locale& locale) {
  const std::string region = platform::text::uppercased(locale.regionCode().value_or(""));
  std::u32string scalars;
  for (char32_t c : platform::text::toScalars(region)) {
    const char32_t mapped = c + kRegionalIndicatorOffset;
    if (isValidScalar(mapped)) scalars.push_back(mapped);
  }
  return platform::text::fromScalars(scalars);
}

}  // namespace keyloom
