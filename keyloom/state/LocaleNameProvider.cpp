#include "keyloom/state/LocaleNameProvider.h"

#include <algorithm>
#include <utility>

#include "platform/foundation/Text.h"

namespace keyloom {

using platform::Locale;

std::string localizedName(const Locale& locale) { return localizedName(locale, locale); }

std::string localizedName(const Locale& locale, const Locale& in) {
  return in.localizedStringForIdentifier(locale.identifier()).value_or("");
}

std::optional<std::string> localizedNameOf(const Locale& writer, const Locale& other) {
  auto name = writer.localizedStringForIdentifier(other.identifier());
  if (!name) return std::nullopt;
  return platform::text::capitalized(*name);
}

std::string localizedLanguageName(const Locale& locale) { return localizedLanguageName(locale, locale); }

std::string localizedLanguageName(const Locale& locale, const Locale& in) {
  const auto language = locale.languageCode();
  if (!language) return "";
  return in.localizedStringForLanguageCode(*language).value_or("");
}

std::optional<std::string> localizedLanguageNameOf(const Locale& writer, const Locale& other) {
  const auto language = other.languageCode();
  if (!language) return std::nullopt;
  auto name = writer.localizedStringForLanguageCode(*language);
  if (!name) return std::nullopt;
  return platform::text::capitalized(*name);
}

std::string nameSortKey(const std::string& name) {
  return platform::text::nfc(platform::text::lowercased(name));
}

namespace {

std::vector<Locale> withFirst(std::vector<Locale> sortedLocales, const std::optional<Locale>& insertFirst) {
  if (!insertFirst) return sortedLocales;
  std::vector<Locale> result{*insertFirst};
  for (auto& locale : sortedLocales) {
    if (!(locale == *insertFirst)) result.push_back(std::move(locale));
  }
  return result;
}

// Names are computed once per locale, not once per comparison.
std::vector<Locale> sortedByName(const std::vector<Locale>& locales,
                                 const std::function<std::string(const Locale&)>& name,
                                 const std::optional<Locale>& insertFirst) {
  std::vector<std::pair<std::string, Locale>> keyed;
  keyed.reserve(locales.size());
  for (const auto& locale : locales) keyed.emplace_back(nameSortKey(name(locale)), locale);
  std::stable_sort(keyed.begin(), keyed.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Locale> result;
  result.reserve(keyed.size());
  for (auto& entry : keyed) result.push_back(std::move(entry.second));
  return withFirst(std::move(result), insertFirst);
}

}  // namespace

std::vector<Locale> sorted(const std::vector<Locale>& locales, const std::optional<Locale>& insertFirst) {
  return sortedByName(
      locales, [](const Locale& locale) { return localizedName(locale); }, insertFirst);
}

std::vector<Locale> sortedIn(const std::vector<Locale>& locales, const Locale& in,
                             const std::optional<Locale>& insertFirst) {
  return sortedByName(
      locales, [&in](const Locale& locale) { return localizedName(locale, in); }, insertFirst);
}

std::vector<Locale> sorted(const std::vector<Locale>& locales,
                           const std::function<bool(const Locale&, const Locale&)>& by,
                           const std::optional<Locale>& insertFirst) {
  std::vector<Locale> result = locales;
  std::stable_sort(result.begin(), result.end(), by);
  return withFirst(std::move(result), insertFirst);
}

}  // namespace keyloom
