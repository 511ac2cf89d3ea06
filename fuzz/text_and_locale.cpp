// Arbitrary bytes as text and as locale identifiers: segmentation must cover
// the input exactly, the tail and head helpers must agree with a full
// segmentation, and nothing may crash on malformed UTF-8 or odd identifiers.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/foundation/Locale.h"
#include "platform/foundation/Text.h"

using namespace platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string s(reinterpret_cast<const char*>(data), size);
  auto parts = text::graphemes(s);
  std::string joined;
  for (const auto& p : parts) joined += p;
  if (joined != s) std::abort();

  std::size_t count = parts.size();
  for (std::size_t k = 0; k <= count && k < 6; ++k) {
    std::string tail;
    for (std::size_t i = count - k; i < count; ++i) tail += parts[i];
    if (text::lastGraphemes(s, k) != tail) std::abort();
    std::string head;
    for (std::size_t i = 0; i < k; ++i) head += parts[i];
    if (text::firstGraphemes(s, k) != head) std::abort();
  }

  (void)text::uppercased(s, s.substr(0, 8));
  (void)text::capitalized(s);
  (void)text::nfc(s);
  (void)text::trimmingWhitespaceAndNewlines(s);
  if (!text::isValidUtf8(text::fromScalars(text::toScalars(s)))) std::abort();

  Locale locale(s.substr(0, 40));
  (void)locale.languageCode();
  (void)locale.regionCode();
  (void)locale.scriptCode();
  (void)locale.localizedStringForIdentifier(s);
  (void)locale.localizedStringForLanguageCode(s);
  (void)locale.localizedStringForRegionCode(s.substr(0, 3));
  (void)Locale::characterDirection(s);
  (void)Locale::lineDirection(s);
  (void)locale.quotationBeginDelimiter();
  (void)locale.alternateQuotationEndDelimiter();
  return 0;
}
