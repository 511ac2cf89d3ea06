#include "platform/foundation/Text.h"

#include <unicode/brkiter.h>
#include <unicode/bytestream.h>
#include <unicode/casemap.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include <climits>
#include <cstdint>
#include <memory>
#include <stdexcept>

namespace platform::text {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// Creating a character break iterator loads rule data; cloning the prototype is
// much cheaper, and each thread keeps its own clone because iterators are not
// thread-safe.
std::unique_ptr<icu::BreakIterator> makeCharacterIterator() {
  static const std::unique_ptr<icu::BreakIterator> prototype = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> it(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    if (U_FAILURE(status) || !it) {
      throw std::runtime_error(std::string("ICU character break iterator unavailable: ") +
                               u_errorName(status));
    }
    return it;
  }();
  return std::unique_ptr<icu::BreakIterator>(prototype->clone());
}

icu::BreakIterator& threadCharacterIterator() {
  thread_local const std::unique_ptr<icu::BreakIterator> iterator = makeCharacterIterator();
  return *iterator;
}

// Binds the thread's break iterator to a UTF-8 string for one call. ICU reads
// the bytes in place and reports boundaries as byte offsets; going backwards
// from the end only reads a bounded stretch near the end (ICU backs up to a
// safe point with its reverse rules), so tail queries cost the same on a
// one-line note as on a whole book.
class GraphemeCursor {
 public:
  explicit GraphemeCursor(std::string_view s) : iterator_(threadCharacterIterator()) {
    // ICU's break iterators count in 32-bit offsets.
    if (s.size() > static_cast<std::size_t>(INT32_MAX)) throw std::length_error("text too long to segment");
    UErrorCode status = U_ZERO_ERROR;
    utext_openUTF8(&text_, s.data(), static_cast<int64_t>(s.size()), &status);
    iterator_.setText(&text_, status);
    if (U_FAILURE(status)) {
      utext_close(&text_);
      throw std::runtime_error(std::string("ICU could not segment text: ") + u_errorName(status));
    }
  }
  ~GraphemeCursor() { utext_close(&text_); }
  GraphemeCursor(const GraphemeCursor&) = delete;
  GraphemeCursor& operator=(const GraphemeCursor&) = delete;

  // Byte offset of the boundary n clusters after the start, or the end.
  std::size_t forward(std::size_t n, std::size_t size) {
    int32_t position = iterator_.first();
    for (std::size_t i = 0; i < n; ++i) {
      position = iterator_.next();
      if (position == icu::BreakIterator::DONE) return size;
    }
    return static_cast<std::size_t>(position);
  }

  // Byte offset of the boundary n clusters before the end, or 0.
  std::size_t backward(std::size_t n) {
    int32_t position = iterator_.last();
    for (std::size_t i = 0; i < n; ++i) {
      position = iterator_.previous();
      if (position == icu::BreakIterator::DONE) return 0;
    }
    return static_cast<std::size_t>(position);
  }

  icu::BreakIterator& iterator() { return iterator_; }

 private:
  icu::BreakIterator& iterator_;
  UText text_ = UTEXT_INITIALIZER;
};

// "-" separates subtags in language tags; ICU's case mapping wants "_".
std::string icuLocaleId(std::string_view localeId) {
  std::string id(localeId);
  for (char& c : id) {
    if (c == '-') c = '_';
    if (c == '@') break;
  }
  if (id.find('\0') != std::string::npos) return "";
  return id;
}

enum class CaseMapping { upper, lower };

std::string mapCase(std::string_view s, std::string_view localeId, CaseMapping mapping) {
  std::string out;
  out.reserve(s.size());
  icu::StringByteSink<std::string> sink(&out);
  UErrorCode status = U_ZERO_ERROR;
  const std::string locale = icuLocaleId(localeId);
  const icu::StringPiece source(s.data(), static_cast<int32_t>(s.size()));
  if (mapping == CaseMapping::upper) {
    icu::CaseMap::utf8ToUpper(locale.c_str(), 0, source, sink, nullptr, status);
  } else {
    icu::CaseMap::utf8ToLower(locale.c_str(), 0, source, sink, nullptr, status);
  }
  if (U_FAILURE(status)) return std::string(s);
  return out;
}

std::string titleCaseWord(std::string_view word) {
  std::string out;
  icu::StringByteSink<std::string> sink(&out);
  UErrorCode status = U_ZERO_ERROR;
  icu::CaseMap::utf8ToTitle("", U_TITLECASE_WHOLE_STRING, nullptr,
                            icu::StringPiece(word.data(), static_cast<int32_t>(word.size())),
                            sink, nullptr, status);
  if (U_FAILURE(status)) return std::string(word);
  return out;
}

// Decodes the scalar at offset i (advancing i); ill-formed bytes give U+FFFD.
char32_t nextScalar(std::string_view s, std::size_t& i) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(s.data());
  int32_t index = static_cast<int32_t>(i);
  UChar32 c = 0;
  U8_NEXT(bytes, index, static_cast<int32_t>(s.size()), c);
  i = static_cast<std::size_t>(index);
  return c < 0 ? kReplacementCharacter : static_cast<char32_t>(c);
}

// Decodes the scalar ending at offset i (moving i back to its start).
char32_t previousScalar(std::string_view s, std::size_t& i) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(s.data());
  int32_t index = static_cast<int32_t>(i);
  UChar32 c = 0;
  U8_PREV(bytes, 0, index, c);
  i = static_cast<std::size_t>(index);
  return c < 0 ? kReplacementCharacter : static_cast<char32_t>(c);
}

bool isScalarValue(char32_t c) { return c <= 0x10FFFF && (c < 0xD800 || c > 0xDFFF); }

void appendScalar(std::string& out, char32_t c) {
  if (!isScalarValue(c)) c = kReplacementCharacter;
  uint8_t buffer[U8_MAX_LENGTH];
  int32_t length = 0;
  U8_APPEND_UNSAFE(buffer, length, static_cast<UChar32>(c));
  out.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(length));
}

template <typename Predicate>
std::string trimming(std::string_view s, Predicate matches) {
  std::size_t start = 0;
  while (start < s.size()) {
    std::size_t next = start;
    if (!matches(nextScalar(s, next))) break;
    start = next;
  }
  std::size_t end = s.size();
  while (end > start) {
    std::size_t previous = end;
    if (!matches(previousScalar(s, previous))) break;
    end = previous;
  }
  return std::string(s.substr(start, end - start));
}

}  // namespace

std::vector<std::string> graphemes(std::string_view s) {
  std::vector<std::string> result;
  if (s.empty()) return result;
  GraphemeCursor cursor(s);
  auto& it = cursor.iterator();
  int32_t start = it.first();
  for (int32_t end = it.next(); end != icu::BreakIterator::DONE; start = end, end = it.next()) {
    result.emplace_back(s.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)));
  }
  return result;
}

std::size_t graphemeCount(std::string_view s) {
  if (s.empty()) return 0;
  GraphemeCursor cursor(s);
  auto& it = cursor.iterator();
  std::size_t count = 0;
  it.first();
  while (it.next() != icu::BreakIterator::DONE) ++count;
  return count;
}

std::vector<std::size_t> graphemeBoundaries(std::string_view s) {
  std::vector<std::size_t> result{0};
  if (s.empty()) return result;
  GraphemeCursor cursor(s);
  auto& it = cursor.iterator();
  it.first();
  for (int32_t p = it.next(); p != icu::BreakIterator::DONE; p = it.next()) {
    result.push_back(static_cast<std::size_t>(p));
  }
  return result;
}

std::string lastGraphemes(std::string_view s, std::size_t n) {
  if (s.empty() || n == 0) return "";
  GraphemeCursor cursor(s);
  return std::string(s.substr(cursor.backward(n)));
}

std::string firstGraphemes(std::string_view s, std::size_t n) {
  if (s.empty() || n == 0) return "";
  GraphemeCursor cursor(s);
  return std::string(s.substr(0, cursor.forward(n, s.size())));
}

std::optional<std::string> lastGrapheme(std::string_view s) {
  if (s.empty()) return std::nullopt;
  return lastGraphemes(s, 1);
}

std::optional<std::string> firstGrapheme(std::string_view s) {
  if (s.empty()) return std::nullopt;
  return firstGraphemes(s, 1);
}

std::string dropLastGraphemes(std::string_view s, std::size_t n) {
  if (s.empty() || n == 0) return std::string(s);
  GraphemeCursor cursor(s);
  return std::string(s.substr(0, cursor.backward(n)));
}

std::string dropFirstGraphemes(std::string_view s, std::size_t n) {
  if (s.empty() || n == 0) return std::string(s);
  GraphemeCursor cursor(s);
  return std::string(s.substr(cursor.forward(n, s.size())));
}

std::size_t byteOffsetOfGrapheme(std::string_view s, std::size_t index) {
  if (s.empty() || index == 0) return 0;
  GraphemeCursor cursor(s);
  return cursor.forward(index, s.size());
}

std::string uppercased(std::string_view s, std::string_view localeId) {
  return mapCase(s, localeId, CaseMapping::upper);
}

std::string lowercased(std::string_view s, std::string_view localeId) {
  return mapCase(s, localeId, CaseMapping::lower);
}

std::string capitalized(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    // Copy a run of separators as is, then title-case the word after it.
    std::size_t wordStart = i;
    while (wordStart < s.size()) {
      std::size_t next = wordStart;
      if (!isWhitespaceOrNewline(nextScalar(s, next))) break;
      wordStart = next;
    }
    out.append(s.substr(i, wordStart - i));
    std::size_t wordEnd = wordStart;
    while (wordEnd < s.size()) {
      std::size_t next = wordEnd;
      if (isWhitespaceOrNewline(nextScalar(s, next))) break;
      wordEnd = next;
    }
    if (wordEnd > wordStart) out += titleCaseWord(s.substr(wordStart, wordEnd - wordStart));
    i = wordEnd;
  }
  return out;
}

bool isWhitespace(char32_t c) {
  return c == U'\t' || (isScalarValue(c) && u_charType(static_cast<UChar32>(c)) == U_SPACE_SEPARATOR);
}

bool isAlphanumeric(char32_t c) {
  if (!isScalarValue(c)) return false;
  constexpr std::uint32_t mask = U_GC_L_MASK | U_GC_M_MASK | U_GC_N_MASK;
  return (U_GET_GC_MASK(static_cast<UChar32>(c)) & mask) != 0;
}

bool isWhitespaceOrNewline(char32_t c) {
  if ((c >= 0x09 && c <= 0x0D) || c == 0x85) return true;
  if (!isScalarValue(c)) return false;
  const auto type = u_charType(static_cast<UChar32>(c));
  return type == U_SPACE_SEPARATOR || type == U_LINE_SEPARATOR || type == U_PARAGRAPH_SEPARATOR;
}

bool isUnicodeWhiteSpace(char32_t c) {
  return isScalarValue(c) && u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_WHITE_SPACE);
}

std::string trimmingWhitespace(std::string_view s) { return trimming(s, isWhitespace); }

std::string trimmingWhitespaceAndNewlines(std::string_view s) {
  return trimming(s, isWhitespaceOrNewline);
}

std::u32string toScalars(std::string_view s) {
  std::u32string result;
  result.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) result.push_back(nextScalar(s, i));
  return result;
}

std::string fromScalars(std::u32string_view s) {
  std::string result;
  result.reserve(s.size());
  for (char32_t c : s) appendScalar(result, c);
  return result;
}

std::string fromScalar(char32_t c) {
  std::string result;
  appendScalar(result, c);
  return result;
}

bool isValidUtf8(std::string_view s) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(s.data());
  const auto length = static_cast<int32_t>(s.size());
  int32_t i = 0;
  while (i < length) {
    UChar32 c = 0;
    U8_NEXT(bytes, i, length, c);
    if (c < 0) return false;
  }
  return true;
}

std::string_view withoutByteOrderMark(std::string_view s) {
  constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
  if (s.starts_with(byteOrderMark)) s.remove_prefix(byteOrderMark.size());
  return s;
}

bool isEmoji(char32_t c) {
  return isScalarValue(c) && u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_EMOJI);
}

bool isEmojiPresentation(char32_t c) {
  return isScalarValue(c) && u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_EMOJI_PRESENTATION);
}

bool isEmojiModifier(char32_t c) {
  return isScalarValue(c) && u_hasBinaryProperty(static_cast<UChar32>(c), UCHAR_EMOJI_MODIFIER);
}

std::string withEmojiPresentation(std::string_view s) {
  constexpr char32_t kTextSelector = 0xFE0E;
  constexpr char32_t kEmojiSelector = 0xFE0F;
  const auto* bytes = reinterpret_cast<const uint8_t*>(s.data());
  const auto length = static_cast<int32_t>(s.size());
  std::string result;
  result.reserve(s.size() + 3);
  // The scalar before the one just read, when it asks for a selector.
  bool pending = false;
  int32_t i = 0;
  while (i < length) {
    const int32_t start = i;
    UChar32 c = 0;
    U8_NEXT(bytes, i, length, c);
    const auto scalar = static_cast<char32_t>(c);
    if (pending && c != kTextSelector && c != kEmojiSelector && !(c >= 0 && isEmojiModifier(scalar))) {
      result += fromScalar(kEmojiSelector);
    }
    pending = c >= 0 && isEmoji(scalar) && !isEmojiPresentation(scalar);
    result.append(s.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(i - start)));
  }
  if (pending) result += fromScalar(kEmojiSelector);
  return result;
}

std::string scalarName(char32_t c) {
  if (!isScalarValue(c)) return "";
  char buffer[128];
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length =
      u_charName(static_cast<UChar32>(c), U_UNICODE_CHAR_NAME, buffer, sizeof buffer, &status);
  if (U_FAILURE(status) || length <= 0) return "";
  return std::string(buffer, static_cast<std::size_t>(length));
}

std::string nfc(std::string_view s) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* normalizer = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) return std::string(s);
  std::string out;
  out.reserve(s.size());
  icu::StringByteSink<std::string> sink(&out);
  normalizer->normalizeUTF8(0, icu::StringPiece(s.data(), static_cast<int32_t>(s.size())), sink,
                            nullptr, status);
  if (U_FAILURE(status)) return std::string(s);
  return out;
}

}  // namespace platform::text
