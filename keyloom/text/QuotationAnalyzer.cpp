#include "keyloom/text/QuotationAnalyzer.h"

#include "platform/foundation/Text.h"

namespace keyloom {

namespace {

constexpr std::string_view kRightDoubleQuotationMark = "\u201D";
constexpr std::string_view kLeftSingleQuotationMark = "\u2018";

// Whether the delimiter occurs at `position` as a whole character, not as the
// start of a longer cluster or the tail of one.
bool standsAsCharacter(std::string_view text, std::size_t position, std::string_view delimiter) {
  const std::size_t end = position + delimiter.size();
  return platform::text::lastGrapheme(text.substr(0, end)) == delimiter &&
         platform::text::firstGrapheme(text.substr(position)) == delimiter;
}

// Byte position of the last character equal to the delimiter. Searches bytes
// backwards, so text before the last occurrence is never segmented.
std::optional<std::size_t> lastCharacterPosition(std::string_view text, std::string_view delimiter) {
  if (delimiter.empty() || platform::text::graphemeCount(delimiter) != 1) return std::nullopt;
  std::size_t from = std::string_view::npos;
  while (true) {
    const std::size_t position = text.rfind(delimiter, from);
    if (position == std::string_view::npos) return std::nullopt;
    if (standsAsCharacter(text, position, delimiter)) return position;
    if (position == 0) return std::nullopt;
    from = position - 1;
  }
}

bool hasUnclosed(std::string_view text, const std::optional<std::string>& begin,
                 const std::optional<std::string>& end) {
  if (!begin || !end) return false;
  return hasUnclosedQuotation(text, *begin, *end);
}

std::string enclosed(std::string_view text, const std::optional<std::string>& begin,
                     const std::optional<std::string>& end) {
  if (!begin || !end) return std::string(text);
  return *begin + std::string(text) + *end;
}

// A replacement that is missing or equal to the typed mark changes nothing.
std::optional<std::string> differentFrom(std::optional<std::string> replacement, std::string_view mark) {
  if (!replacement || *replacement == mark) return std::nullopt;
  return replacement;
}

// A typed mark the primary (alternate) delimiters may replace.
bool qualifiesForPrimary(std::string_view mark, const platform::Locale& locale) {
  if (const auto end = locale.quotationEndDelimiter(); end && mark == *end) return true;
  return mark == kRightDoubleQuotationMark && locale.alternateQuotationEndDelimiter() != mark;
}

bool qualifiesForAlternate(std::string_view mark, const platform::Locale& locale) {
  if (locale.identifier().starts_with("en")) return false;
  if (mark == kLeftSingleQuotationMark) return true;
  const auto alternateEnd = locale.alternateQuotationEndDelimiter();
  return alternateEnd && mark == *alternateEnd;
}

std::optional<std::string> primaryReplacement(std::string_view text, std::string_view mark,
                                              const platform::Locale& locale) {
  if (!qualifiesForPrimary(mark, locale)) return std::nullopt;
  auto replacement = hasUnclosedQuotation(text, locale) ? locale.quotationEndDelimiter()
                                                        : locale.quotationBeginDelimiter();
  return differentFrom(std::move(replacement), mark);
}

std::optional<std::string> alternateReplacement(std::string_view text, std::string_view mark,
                                                const platform::Locale& locale) {
  if (!qualifiesForAlternate(mark, locale)) return std::nullopt;
  auto replacement = hasUnclosedAlternateQuotation(text, locale) ? locale.alternateQuotationEndDelimiter()
                                                                 : locale.alternateQuotationBeginDelimiter();
  return differentFrom(std::move(replacement), mark);
}

}  // namespace

bool hasUnclosedQuotation(std::string_view text, std::string_view beginDelimiter,
                          std::string_view endDelimiter) {
  const auto begin = lastCharacterPosition(text, beginDelimiter);
  if (!begin) return false;
  const auto end = lastCharacterPosition(text, endDelimiter);
  if (!end) return true;
  return *begin > *end;
}

bool hasUnclosedQuotation(std::string_view text, const platform::Locale& locale) {
  return hasUnclosed(text, locale.quotationBeginDelimiter(), locale.quotationEndDelimiter());
}

bool hasUnclosedAlternateQuotation(std::string_view text, const platform::Locale& locale) {
  return hasUnclosed(text, locale.alternateQuotationBeginDelimiter(),
                     locale.alternateQuotationEndDelimiter());
}

std::string quoted(std::string_view text, const platform::Locale& locale) {
  return enclosed(text, locale.quotationBeginDelimiter(), locale.quotationEndDelimiter());
}

std::string alternateQuoted(std::string_view text, const platform::Locale& locale) {
  return enclosed(text, locale.alternateQuotationBeginDelimiter(), locale.alternateQuotationEndDelimiter());
}

std::optional<std::string> preferredQuotationReplacement(std::string_view text, std::string_view mark,
                                                         const platform::Locale& locale) {
  if (auto primary = primaryReplacement(text, mark, locale)) return primary;
  return alternateReplacement(text, mark, locale);
}

bool mayReplaceQuotationMark(std::string_view mark, const platform::Locale& locale) {
  return qualifiesForPrimary(mark, locale) || qualifiesForAlternate(mark, locale);
}

}  // namespace keyloom
