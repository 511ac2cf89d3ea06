#include "keyloom/text/TextScanning.h"

#include <string>

#include "platform/foundation/Text.h"

namespace keyloom::textscan {

namespace {

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool isAscii(char c) { return static_cast<unsigned char>(c) < 0x80; }

// Two ASCII bytes always have a character boundary between them, but for a
// carriage return before a line feed: no ASCII character extends, joins or
// prepends to its neighbour. Most text is such bytes, and this spares the
// segmenter a call per character.
bool isAsciiBoundary(char before, char after) {
  return isAscii(before) && isAscii(after) && !(before == '\r' && after == '\n');
}

// Byte length that a lead byte announces; 1 for a byte that cannot lead.
std::size_t sequenceLength(char lead) {
  const auto byte = static_cast<unsigned char>(lead);
  if (byte < 0x80) return 1;
  if ((byte & 0xE0) == 0xC0) return 2;
  if ((byte & 0xF0) == 0xE0) return 3;
  if ((byte & 0xF8) == 0xF0) return 4;
  return 1;
}

// Bytes of the first scalar: a well-formed sequence, or one stray byte.
std::size_t firstScalarLength(std::string_view s) {
  const std::size_t length = sequenceLength(s.front());
  if (length > s.size()) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if (!isContinuationByte(s[i])) return 1;
  }
  return length;
}

// Bytes of the last scalar: a well-formed sequence, or one stray byte.
std::size_t lastScalarLength(std::string_view s) {
  std::size_t start = s.size() - 1;
  while (start > 0 && s.size() - start < 4 && isContinuationByte(s[start])) --start;
  if (sequenceLength(s[start]) == s.size() - start) return s.size() - start;
  return 1;
}

char32_t decode(std::string_view scalarBytes) {
  const std::u32string scalars = platform::text::toScalars(scalarBytes);
  return scalars.empty() ? U'\uFFFD' : scalars.front();
}

}  // namespace

std::optional<char32_t> firstScalar(std::string_view s) {
  if (s.empty()) return std::nullopt;
  return decode(s.substr(0, firstScalarLength(s)));
}

std::optional<char32_t> lastScalar(std::string_view s) {
  if (s.empty()) return std::nullopt;
  return decode(s.substr(s.size() - lastScalarLength(s)));
}

std::string_view trimStart(std::string_view s, ScalarPredicate matches) {
  while (!s.empty()) {
    const std::size_t length = firstScalarLength(s);
    if (!matches(decode(s.substr(0, length)))) break;
    s.remove_prefix(length);
  }
  return s;
}

std::string_view trimEnd(std::string_view s, ScalarPredicate matches) {
  while (!s.empty()) {
    const std::size_t length = lastScalarLength(s);
    if (!matches(decode(s.substr(s.size() - length)))) break;
    s.remove_suffix(length);
  }
  return s;
}

std::string_view trim(std::string_view s, ScalarPredicate matches) {
  return trimEnd(trimStart(s, matches), matches);
}

std::string_view popLastCharacter(std::string_view& s) {
  const std::size_t n = s.size();
  if (n > 0 && isAscii(s[n - 1]) && (n == 1 || isAsciiBoundary(s[n - 2], s[n - 1]))) {
    const std::string_view result = s.substr(n - 1);
    s.remove_suffix(1);
    return result;
  }
  const auto character = platform::text::lastGrapheme(s);
  if (!character) return {};
  std::size_t length = character->size() <= s.size() ? character->size() : s.size();
  if (length == 0) length = lastScalarLength(s);  // always make progress
  const std::string_view result = s.substr(s.size() - length);
  s.remove_suffix(length);
  return result;
}

std::string_view popFirstCharacter(std::string_view& s) {
  if (!s.empty() && isAscii(s[0]) && (s.size() == 1 || isAsciiBoundary(s[0], s[1]))) {
    const std::string_view result = s.substr(0, 1);
    s.remove_prefix(1);
    return result;
  }
  const auto character = platform::text::firstGrapheme(s);
  if (!character) return {};
  std::size_t length = character->size() <= s.size() ? character->size() : s.size();
  if (length == 0) length = firstScalarLength(s);  // always make progress
  const std::string_view result = s.substr(0, length);
  s.remove_prefix(length);
  return result;
}

bool characterStartsWith(std::string_view character, ScalarPredicate matches) {
  const auto scalar = firstScalar(character);
  return scalar && matches(*scalar);
}

}  // namespace keyloom::textscan
