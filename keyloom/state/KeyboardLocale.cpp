#include "keyloom/state/KeyboardLocale.h"

#include <algorithm>
#include <utility>

#include "keyloom/state/LocaleDirectionAnalyzer.h"
#include "keyloom/state/LocaleNameProvider.h"
#include "platform/coding/EnumCoding.h"
#include "platform/foundation/Text.h"

namespace keyloom {

namespace {

using Names = RawValueTable<KeyboardLocale>;

// Region letters of each locale's flag, in declaration order; "" is the
// white flag.
constexpr std::array<std::string_view, 61> kFlagRegions{
    "US", "AL", "AE", "AM", "BY", "BG", "AD", "",   "HR", "CZ", "DK", "NL", "BE", "GB", "US", "EE",
    "FO", "PH", "FI", "FR", "BE", "CH", "GE", "DE", "AT", "CH", "GR", "US", "IL", "HU", "IS", "ID",
    "IE", "IT", "KZ", "TJ", "TJ", "TJ", "LV", "LT", "MK", "MY", "MT", "MN", "NO", "IR", "PL", "PT",
    "BR", "RO", "RU", "RS", "RS", "SK", "SI", "ES", "SE", "KE", "TR", "UA", "UZ",
};
static_assert(kFlagRegions.size() == Names::names.size());

// WAVING WHITE FLAG with emoji presentation.
constexpr std::string_view kWhiteFlag = "\U0001F3F3\uFE0F";

std::string regionalIndicators(std::string_view region) {
  std::u32string scalars;
  for (char c : region) scalars.push_back(static_cast<char32_t>(c) + 0x1F1A5);
  return platform::text::fromScalars(scalars);
}

}  // namespace

std::optional<KeyboardLocale> keyboardLocale(std::string_view identifier) {
  return fromRawValue<KeyboardLocale>(identifier);
}

std::string localeIdentifier(KeyboardLocale locale) { return std::string(rawValue(locale)); }

platform::Locale locale(KeyboardLocale locale) { return platform::Locale(localeIdentifier(locale)); }

std::string flag(KeyboardLocale locale) {
  const std::string_view region = kFlagRegions[static_cast<std::size_t>(locale)];
  if (region.empty()) return std::string(kWhiteFlag);
  return regionalIndicators(region);
}

std::string localizedName(KeyboardLocale locale) { return localizedName(keyloom::locale(locale)); }

std::string localizedName(KeyboardLocale locale, const platform::Locale& in) {
  return localizedName(keyloom::locale(locale), in);
}

platform::LanguageDirection characterDirection(KeyboardLocale locale) {
  return characterDirection(keyloom::locale(locale));
}

bool isLeftToRight(KeyboardLocale locale) {
  return characterDirection(locale) == platform::LanguageDirection::leftToRight;
}

bool isRightToLeft(KeyboardLocale locale) { return !isLeftToRight(locale); }

bool prefersAlternateQuotationReplacement(KeyboardLocale locale) {
  return prefersAlternateQuotationReplacement(keyloom::locale(locale));
}

bool prefersAlternateQuotationReplacement(const platform::Locale& locale) {
  return !locale.identifier().starts_with("en");
}

bool matches(KeyboardLocale keyboardLocale, const platform::Locale& locale) {
  return keyloom::locale(keyboardLocale) == locale;
}

bool matches(const platform::Locale& locale, KeyboardLocale keyboardLocale) {
  return matches(keyboardLocale, locale);
}

namespace {

std::vector<KeyboardLocale> withDirection(platform::LanguageDirection direction) {
  std::vector<KeyboardLocale> result;
  for (KeyboardLocale locale : allCases<KeyboardLocale>()) {
    if (characterDirection(locale) == direction) result.push_back(locale);
  }
  return result;
}

std::vector<KeyboardLocale> sortedByName(const std::vector<KeyboardLocale>& locales,
                                         const std::function<std::string(KeyboardLocale)>& name,
                                         std::optional<KeyboardLocale> insertFirst) {
  std::vector<std::pair<std::string, KeyboardLocale>> keyed;
  keyed.reserve(locales.size());
  for (KeyboardLocale locale : locales) keyed.emplace_back(nameSortKey(name(locale)), locale);
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<KeyboardLocale> result;
  result.reserve(keyed.size());
  for (const auto& entry : keyed) result.push_back(entry.second);
  if (!insertFirst) return result;
  return insertingFirst(result, *insertFirst);
}

}  // namespace

std::vector<KeyboardLocale> allLtrKeyboardLocales() {
  return withDirection(platform::LanguageDirection::leftToRight);
}

std::vector<KeyboardLocale> allRtlKeyboardLocales() {
  return withDirection(platform::LanguageDirection::rightToLeft);
}

std::vector<KeyboardLocale> sorted(const std::vector<KeyboardLocale>& locales,
                                   std::optional<KeyboardLocale> insertFirst) {
  return sortedByName(
      locales, [](KeyboardLocale locale) { return localizedName(locale); }, insertFirst);
}

std::vector<KeyboardLocale> sortedIn(const std::vector<KeyboardLocale>& locales, const platform::Locale& in,
                                     std::optional<KeyboardLocale> insertFirst) {
  return sortedByName(
      locales, [&in](KeyboardLocale locale) { return localizedName(locale, in); }, insertFirst);
}

std::vector<KeyboardLocale> sorted(const std::vector<KeyboardLocale>& locales,
                                   const std::function<bool(KeyboardLocale, KeyboardLocale)>& by,
                                   std::optional<KeyboardLocale> insertFirst) {
  std::vector<KeyboardLocale> result = locales;
  std::stable_sort(result.begin(), result.end(), by);
  if (!insertFirst) return result;
  return insertingFirst(result, *insertFirst);
}

std::vector<KeyboardLocale> insertingFirst(const std::vector<KeyboardLocale>& locales, KeyboardLocale first) {
  std::vector<KeyboardLocale> result{first};
  for (KeyboardLocale locale : removing(locales, first)) result.push_back(locale);
  return result;
}

std::vector<KeyboardLocale> removing(const std::vector<KeyboardLocale>& locales, KeyboardLocale locale) {
  std::vector<KeyboardLocale> result;
  for (KeyboardLocale element : locales) {
    if (element != locale) result.push_back(element);
  }
  return result;
}

void encodeValue(platform::Encoder& encoder, KeyboardLocale locale) {
  platform::encodeRawValue(encoder, rawValue(locale));
}

KeyboardLocale decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardLocale>) {
  return static_cast<KeyboardLocale>(platform::decodeRawValue(decoder, Names::names, "KeyboardLocale"));
}

}  // namespace keyloom
