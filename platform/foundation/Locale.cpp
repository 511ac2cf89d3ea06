#include "platform/foundation/Locale.h"

#include <map>

#include "platform/foundation/ProcessState.h"

#include <unicode/locid.h>
#include <unicode/uloc.h>
#include <unicode/ulocdata.h>  // the delimiter types only
#include <unicode/unistr.h>
#include <unicode/ures.h>

#include <array>
#include <cstring>
#include <unordered_map>
#include <utility>

namespace platform {

namespace {

constexpr const char* kDefaultIdentifier = "en_US";

// ICU reads "_" as the subtag separator; identifiers may be written with "-".
// The keyword part after "@" is left alone. An identifier that ICU cannot
// hold (embedded NUL, too long) maps to "", which has no language.
std::string icuId(std::string_view identifier) {
  if (identifier.find('\0') != std::string_view::npos || identifier.size() >= ULOC_FULLNAME_CAPACITY) {
    return "";
  }
  std::string id(identifier);
  for (char& c : id) {
    if (c == '@') break;
    if (c == '-') c = '_';
  }
  return id;
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }

template <std::size_t Capacity>
std::string icuPart(const std::string& id,
                    int32_t (*get)(const char*, char*, int32_t, UErrorCode*)) {
  char buffer[Capacity];
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = get(id.c_str(), buffer, Capacity, &status);
  if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING || length <= 0) return "";
  return std::string(buffer, static_cast<std::size_t>(length));
}

// Lower-case language subtag of an ICU id; "" when there is none, when it is
// not made of 2 to 8 letters, or when it is the undetermined language.
std::string languageOf(const std::string& id) {
  std::string language = icuPart<ULOC_LANG_CAPACITY>(id, uloc_getLanguage);
  if (language.size() < 2 || language.size() > 8 || language == "und" || language == "root") return "";
  for (char c : language) {
    if (!isAsciiLetter(c)) return "";
  }
  return language;
}

std::optional<std::string> nonEmpty(std::string s) {
  if (s.empty()) return std::nullopt;
  return s;
}

std::string toUtf8(const icu::UnicodeString& s) {
  std::string out;
  s.toUTF8String(out);
  return out;
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

// True when ICU carries locale data for the language itself. For a language
// it lacks, ICU silently answers from the process's default locale, which
// would make names, directions and quotation marks depend on the environment.
bool hasLocaleData(const std::string& language) {
  if (language.empty()) return false;
  UErrorCode status = U_ZERO_ERROR;
  UResourceBundle* bundle = ures_open(nullptr, language.c_str(), &status);
  bool known = U_SUCCESS(status) && status != U_USING_DEFAULT_WARNING;
  if (known && bundle) {
    const char* actual = ures_getLocaleByType(bundle, ULOC_ACTUAL_LOCALE, &status);
    known = U_SUCCESS(status) && actual && std::strcmp(actual, "root") != 0 && actual[0] != '\0';
  }
  if (bundle) ures_close(bundle);
  return known;
}

// ICU knows a language's script when it has likely subtags for it, even
// without locale data (e.g. Afar). Unknown codes come back without a script.
bool hasLikelyScript(const std::string& language) {
  char buffer[ULOC_FULLNAME_CAPACITY];
  UErrorCode status = U_ZERO_ERROR;
  uloc_addLikelySubtags(language.c_str(), buffer, ULOC_FULLNAME_CAPACITY, &status);
  if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING) return false;
  return !icuPart<ULOC_SCRIPT_CAPACITY>(buffer, uloc_getScript).empty();
}

bool isKnownLanguage(const std::string& language) {
  return !language.empty() && (hasLocaleData(language) || hasLikelyScript(language));
}

LanguageDirection direction(ULayoutType layout) {
  switch (layout) {
    case ULOC_LAYOUT_LTR: return LanguageDirection::leftToRight;
    case ULOC_LAYOUT_RTL: return LanguageDirection::rightToLeft;
    case ULOC_LAYOUT_TTB: return LanguageDirection::topToBottom;
    case ULOC_LAYOUT_BTT: return LanguageDirection::bottomToTop;
    default: return LanguageDirection::unknown;
  }
}

// Names are written in the display locale's language; a locale ICU has no
// data for gets root, whose names only echo codes, so it names nothing.
icu::Locale displayLocale(const std::string& id) {
  if (!hasLocaleData(languageOf(id))) return icu::Locale::getRoot();
  return icu::Locale(id.c_str());
}

// The names of the delimiter types in the locale data's "delimiters" table.
constexpr std::array<const char*, ULOCDATA_DELIMITER_COUNT> delimiterKeys = {
    "quotationStart", "quotationEnd", "alternateQuotationStart", "alternateQuotationEnd"};

// Read from the resource bundles directly, as the locale data API would: the
// locale's table, else its parents' up to root (a table may leave an entry to
// its parent). That API lives in a library of its own that would be mapped
// for these four strings alone.
std::optional<std::string> lookUpDelimiter(const std::string& id, ULocaleDataDelimiterType type) {
  if (!hasLocaleData(languageOf(id))) return std::nullopt;
  std::string locale = id;
  // A chain of parents is a few locales long; the bound guards against a loop.
  for (int depth = 0; depth < 8; ++depth) {
    UErrorCode status = U_ZERO_ERROR;
    UResourceBundle* bundle = ures_open(nullptr, locale.c_str(), &status);
    UResourceBundle* table = ures_getByKey(bundle, "delimiters", nullptr, &status);
    int32_t length = 0;
    const UChar* mark = ures_getStringByKey(table, delimiterKeys[type], &length, &status);
    std::optional<std::string> found;
    std::string actual;
    if (U_SUCCESS(status) && mark && length > 0) {
      found = toUtf8(icu::UnicodeString(mark, length));
    } else if (table) {
      UErrorCode localeStatus = U_ZERO_ERROR;
      const char* name = ures_getLocaleByType(table, ULOC_ACTUAL_LOCALE, &localeStatus);
      if (U_SUCCESS(localeStatus) && name) actual = name;
    }
    ures_close(table);
    ures_close(bundle);
    if (found || actual.empty() || actual == "root") return found;
    char parent[ULOC_FULLNAME_CAPACITY] = {};
    UErrorCode parentStatus = U_ZERO_ERROR;
    uloc_getParent(actual.c_str(), parent, sizeof parent, &parentStatus);
    locale = U_SUCCESS(parentStatus) && parent[0] ? parent : "root";
  }
  return std::nullopt;
}

// The keyboard asks for a quotation mark on every typed character, and each
// look-up opens ICU resource bundles; the data never changes while the
// process runs, so each thread keeps what it has looked up. Few locales are
// ever used; the bound only matters for made-up identifiers.
std::optional<std::string> delimiter(const std::string& id, ULocaleDataDelimiterType type) {
  using Delimiters = std::array<std::optional<std::optional<std::string>>, ULOCDATA_DELIMITER_COUNT>;
  thread_local std::unordered_map<std::string, Delimiters> known;
  if (known.size() >= 64 && !known.contains(id)) known.clear();
  auto& slot = known[id][type];
  if (!slot) slot = lookUpDelimiter(id, type);
  return *slot;
}

Locale& currentStorage() {
  static Locale current = [] {
    registerProcessReset([] { currentStorage() = Locale(kDefaultIdentifier); });
    return Locale(kDefaultIdentifier);
  }();
  return current;
}

}  // namespace

Locale::Locale(std::string identifier) : identifier_(std::move(identifier)) {}

const std::string& Locale::identifier() const { return identifier_; }

std::optional<std::string> Locale::languageCode() const {
  return nonEmpty(languageOf(icuId(identifier_)));
}

std::optional<std::string> Locale::regionCode() const {
  const std::string id = icuId(identifier_);
  if (id.empty()) return std::nullopt;
  return nonEmpty(icuPart<ULOC_COUNTRY_CAPACITY>(id, uloc_getCountry));
}

std::optional<std::string> Locale::scriptCode() const {
  const std::string id = icuId(identifier_);
  if (id.empty()) return std::nullopt;
  return nonEmpty(icuPart<ULOC_SCRIPT_CAPACITY>(id, uloc_getScript));
}

Locale Locale::current() { return currentStorage(); }

void Locale::setCurrent(Locale locale) { currentStorage() = std::move(locale); }

bool Locale::operator==(const Locale& other) const { return identifier_ == other.identifier_; }

std::optional<std::string> Locale::localizedStringForIdentifier(std::string_view identifier) const {
  const std::string id = icuId(identifier);
  const std::string language = languageOf(id);
  if (language.empty()) return std::nullopt;
  const icu::Locale display = displayLocale(icuId(identifier_));
  // ICU writes an unknown language as its code ("xx (United States)").
  icu::UnicodeString languageName;
  icu::Locale(id.c_str()).getDisplayLanguage(display, languageName);
  if (languageName.isEmpty() || equalsIgnoringAsciiCase(toUtf8(languageName), language)) {
    return std::nullopt;
  }
  icu::UnicodeString name;
  icu::Locale(id.c_str()).getDisplayName(display, name);
  std::string result = toUtf8(name);
  if (result.empty() || result == identifier || result == id) return std::nullopt;
  return result;
}

std::optional<std::string> Locale::localizedStringForLanguageCode(std::string_view languageCode) const {
  const std::string id = icuId(languageCode);
  const std::string language = languageOf(id);
  if (language.empty()) return std::nullopt;
  icu::UnicodeString name;
  icu::Locale(language.c_str()).getDisplayLanguage(displayLocale(icuId(identifier_)), name);
  std::string result = toUtf8(name);
  if (result.empty() || equalsIgnoringAsciiCase(result, language)) return std::nullopt;
  return result;
}

std::optional<std::string> Locale::localizedStringForRegionCode(std::string_view regionCode) const {
  // Regions are two letters or three digits ("CH", "419").
  const bool letters = regionCode.size() == 2 && isAsciiLetter(regionCode[0]) && isAsciiLetter(regionCode[1]);
  const bool digits = regionCode.size() == 3 && isAsciiDigit(regionCode[0]) &&
                      isAsciiDigit(regionCode[1]) && isAsciiDigit(regionCode[2]);
  if (!letters && !digits) return std::nullopt;
  std::string id = "und_";
  for (char c : regionCode) id += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  icu::UnicodeString name;
  icu::Locale(id.c_str()).getDisplayCountry(displayLocale(icuId(identifier_)), name);
  std::string result = toUtf8(name);
  if (result.empty() || equalsIgnoringAsciiCase(result, regionCode)) return std::nullopt;
  return result;
}

LanguageDirection Locale::characterDirection(std::string_view languageCode) {
  // Asked at every key press; ICU's answer for a language never changes.
  thread_local std::map<std::string, LanguageDirection, std::less<>> answers;
  if (auto found = answers.find(languageCode); found != answers.end()) return found->second;
  const LanguageDirection direction = lookUpCharacterDirection(languageCode);
  if (answers.size() < 256) answers.emplace(std::string(languageCode), direction);
  return direction;
}

LanguageDirection Locale::lookUpCharacterDirection(std::string_view languageCode) {
  const std::string language = languageOf(icuId(languageCode));
  if (!isKnownLanguage(language)) return LanguageDirection::unknown;
  if (!hasLocaleData(language)) {
    return uloc_isRightToLeft(language.c_str()) ? LanguageDirection::rightToLeft
                                                : LanguageDirection::leftToRight;
  }
  UErrorCode status = U_ZERO_ERROR;
  const ULayoutType layout = uloc_getCharacterOrientation(language.c_str(), &status);
  if (U_FAILURE(status)) return LanguageDirection::unknown;
  return direction(layout);
}

LanguageDirection Locale::lineDirection(std::string_view languageCode) {
  const std::string language = languageOf(icuId(languageCode));
  if (!isKnownLanguage(language)) return LanguageDirection::unknown;
  if (!hasLocaleData(language)) return LanguageDirection::topToBottom;
  UErrorCode status = U_ZERO_ERROR;
  const ULayoutType layout = uloc_getLineOrientation(language.c_str(), &status);
  if (U_FAILURE(status)) return LanguageDirection::unknown;
  return direction(layout);
}

std::optional<std::string> Locale::quotationBeginDelimiter() const {
  if (quotationOverride_) return quotationOverride_->begin;
  return delimiter(icuId(identifier_), ULOCDATA_QUOTATION_START);
}

std::optional<std::string> Locale::quotationEndDelimiter() const {
  if (quotationOverride_) return quotationOverride_->end;
  return delimiter(icuId(identifier_), ULOCDATA_QUOTATION_END);
}

std::optional<std::string> Locale::alternateQuotationBeginDelimiter() const {
  if (quotationOverride_) return quotationOverride_->alternateBegin;
  return delimiter(icuId(identifier_), ULOCDATA_ALT_QUOTATION_START);
}

std::optional<std::string> Locale::alternateQuotationEndDelimiter() const {
  if (quotationOverride_) return quotationOverride_->alternateEnd;
  return delimiter(icuId(identifier_), ULOCDATA_ALT_QUOTATION_END);
}

Locale Locale::withQuotationDelimiters(QuotationDelimiters delimiters) const {
  Locale copy = *this;
  copy.quotationOverride_ = std::move(delimiters);
  return copy;
}

}  // namespace platform
