#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class LanguageDirection { unknown, leftToRight, rightToLeft, topToBottom, bottomToTop };

// Quotation marks that replace the locale data, for tests and custom locales.
struct QuotationDelimiters {
  std::optional<std::string> begin;
  std::optional<std::string> end;
  std::optional<std::string> alternateBegin;
  std::optional<std::string> alternateEnd;
};

// A locale identified by the string it was made from. The identifier is kept
// exactly as written ("sr-Latn" stays "sr-Latn"); "-" and "_" are both read as
// separators when the parts are looked up.
class Locale {
 public:
  explicit Locale(std::string identifier);

  const std::string& identifier() const;
  std::optional<std::string> languageCode() const;  // "de" for "de_CH"; nullopt for ""
  std::optional<std::string> regionCode() const;    // "CH"
  std::optional<std::string> scriptCode() const;    // "Latn"

  // The process's current locale; "en_US" until set.
  static Locale current();
  static void setCurrent(Locale locale);

  bool operator==(const Locale& other) const;  // by identifier as written

  // Names in this locale's language; nullopt when there is no real name.
  std::optional<std::string> localizedStringForIdentifier(std::string_view identifier) const;
  std::optional<std::string> localizedStringForLanguageCode(std::string_view languageCode) const;
  std::optional<std::string> localizedStringForRegionCode(std::string_view regionCode) const;

  // Writing direction of a language; unknown for "" or a language without data.
  static LanguageDirection characterDirection(std::string_view languageCode);
  static LanguageDirection lineDirection(std::string_view languageCode);

  // Quotation marks of this locale's language; nullopt for an unknown language.
  std::optional<std::string> quotationBeginDelimiter() const;
  std::optional<std::string> quotationEndDelimiter() const;
  std::optional<std::string> alternateQuotationBeginDelimiter() const;
  std::optional<std::string> alternateQuotationEndDelimiter() const;

  // A copy whose four quotation delimiters are exactly these (equality still
  // compares identifiers only).
  Locale withQuotationDelimiters(QuotationDelimiters delimiters) const;

 private:
  static LanguageDirection lookUpCharacterDirection(std::string_view languageCode);
  std::string identifier_;
  std::optional<QuotationDelimiters> quotationOverride_;
};

}  // namespace platform
