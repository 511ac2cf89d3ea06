#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/Locale.h"

// Open quotations before the cursor and the quotation mark a typed quote
// should become in a locale.
namespace keyloom {

// The last begin delimiter stands after the last end delimiter. Delimiters are
// compared with whole characters, so one of several characters is never found,
// and equal begin and end delimiters never leave a quotation open.
bool hasUnclosedQuotation(std::string_view text, std::string_view beginDelimiter,
                          std::string_view endDelimiter);
// With the locale's primary (alternate) delimiters; false when one is missing.
bool hasUnclosedQuotation(std::string_view text, const platform::Locale& locale);
bool hasUnclosedAlternateQuotation(std::string_view text, const platform::Locale& locale);

// The text between the locale's delimiters; unchanged when one is missing.
std::string quoted(std::string_view text, const platform::Locale& locale);
std::string alternateQuoted(std::string_view text, const platform::Locale& locale);

// The mark to append in place of `mark` after `text`, or nullopt to keep it:
// a typed end mark opens a quotation with the begin mark when none is open.
// The alternate marks are not replaced for English locales.
std::optional<std::string> preferredQuotationReplacement(std::string_view text, std::string_view mark,
                                                         const platform::Locale& locale);
// Whether preferredQuotationReplacement may replace `mark` in the locale after
// any text at all; when not, there is no need to read the text.
bool mayReplaceQuotationMark(std::string_view mark, const platform::Locale& locale);

}  // namespace keyloom
