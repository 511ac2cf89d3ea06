#include "platform/foundation/StringsFile.h"

#include <fstream>
#include <iterator>

#include "platform/foundation/Text.h"

namespace platform {

namespace {

void appendUTF8(std::string& out, char32_t scalar) {
  if (scalar > 0x10FFFF || (scalar >= 0xD800 && scalar <= 0xDFFF)) scalar = 0xFFFD;
  if (scalar < 0x80) {
    out += static_cast<char>(scalar);
  } else if (scalar < 0x800) {
    out += static_cast<char>(0xC0 | (scalar >> 6));
    out += static_cast<char>(0x80 | (scalar & 0x3F));
  } else if (scalar < 0x10000) {
    out += static_cast<char>(0xE0 | (scalar >> 12));
    out += static_cast<char>(0x80 | ((scalar >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (scalar & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (scalar >> 18));
    out += static_cast<char>(0x80 | ((scalar >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((scalar >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (scalar & 0x3F));
  }
}

bool isHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }
char32_t joinSurrogates(char32_t high, char32_t low) {
  return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

std::string utf16ToUTF8(std::string_view bytes, bool bigEndian) {
  std::string out;
  auto unitAt = [&](std::size_t i) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return bigEndian ? (first << 8 | second) : (second << 8 | first);
  };
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char32_t unit = unitAt(i);
    if (isHighSurrogate(unit) && i + 3 < bytes.size() && isLowSurrogate(unitAt(i + 2))) {
      appendUTF8(out, joinSurrogates(unit, unitAt(i + 2)));
      i += 2;
    } else {
      appendUTF8(out, unit);  // a lone surrogate becomes U+FFFD
    }
  }
  return out;
}

bool isWhitespace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isWordCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '$' ||
         c == '+' || c == '/' || c == ':' || c == '.' || c == '-';
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  StringsFile::Table parse() {
    StringsFile::Table table;
    while (true) {
      if (!skipTrivia()) {
        resumeAfterLineOf(position_);
        continue;
      }
      if (atEnd()) break;
      const std::size_t entryStart = position_;
      if (!parseEntry(table)) resumeAfterLineOf(entryStart);
    }
    return table;
  }

 private:
  bool atEnd() const { return position_ >= text_.size(); }
  char peek() const { return text_[position_]; }

  // Skips blanks and comments; false, at the comment, for one that never ends.
  bool skipTrivia() {
    while (!atEnd()) {
      if (isWhitespace(peek())) {
        ++position_;
      } else if (text_.substr(position_).starts_with("//")) {
        const std::size_t end = text_.find('\n', position_);
        position_ = end == std::string_view::npos ? text_.size() : end + 1;
      } else if (text_.substr(position_).starts_with("/*")) {
        const std::size_t end = text_.find("*/", position_ + 2);
        if (end == std::string_view::npos) return false;
        position_ = end + 2;
      } else {
        break;
      }
    }
    return true;
  }

  // Error recovery: drop what was read and go on with the line after the one
  // where the broken entry began.
  void resumeAfterLineOf(std::size_t start) {
    const std::size_t end = text_.find('\n', start);
    position_ = end == std::string_view::npos ? text_.size() : end + 1;
  }

  bool parseEntry(StringsFile::Table& table) {
    std::optional<std::string> key = parseToken();
    if (!key || !skipTrivia() || atEnd()) return false;
    if (peek() == ';') {
      ++position_;
      table[*key] = *key;
      return true;
    }
    if (peek() != '=') return false;
    ++position_;
    if (!skipTrivia() || atEnd()) return false;
    std::optional<std::string> value = parseToken();
    if (!value || !skipTrivia() || atEnd() || peek() != ';') return false;
    ++position_;
    table[*key] = std::move(*value);
    return true;
  }

  std::optional<std::string> parseToken() {
    if (peek() == '"') return parseQuoted();
    const std::size_t start = position_;
    while (!atEnd() && isWordCharacter(peek())) ++position_;
    if (position_ == start) return std::nullopt;
    return std::string(text_.substr(start, position_ - start));
  }

  std::optional<std::string> parseQuoted() {
    ++position_;  // opening quote
    std::string result;
    while (!atEnd()) {
      const char c = text_[position_++];
      if (c == '"') return result;
      if (c != '\\') {
        result += c;
        continue;
      }
      if (atEnd()) return std::nullopt;
      const char escaped = text_[position_++];
      switch (escaped) {
        case 'n':
          result += '\n';
          break;
        case 't':
          result += '\t';
          break;
        case 'r':
          result += '\r';
          break;
        case 'a':
          result += '\a';
          break;
        case 'b':
          result += '\b';
          break;
        case 'f':
          result += '\f';
          break;
        case 'v':
          result += '\v';
          break;
        case 'u':
        case 'U':
          appendUnicodeEscape(result);
          break;
        default:
          if (escaped >= '0' && escaped <= '7') {
            appendOctalEscape(result, escaped);
          } else {
            result += escaped;  // \" \\ \' and any other character stand for themselves
          }
      }
    }
    return std::nullopt;  // no closing quote
  }

  std::optional<char32_t> readHex4() {
    if (position_ + 4 > text_.size()) return std::nullopt;
    char32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
      const int digit = hexValue(text_[position_ + i]);
      if (digit < 0) return std::nullopt;
      value = value * 16 + static_cast<char32_t>(digit);
    }
    position_ += 4;
    return value;
  }

  void appendUnicodeEscape(std::string& result) {
    std::optional<char32_t> unit = readHex4();
    if (!unit) {
      result += 'u';  // not an escape after all; keep the text
      return;
    }
    if (isHighSurrogate(*unit) && text_.substr(position_).starts_with("\\u")) {
      const std::size_t saved = position_;
      position_ += 2;
      std::optional<char32_t> low = readHex4();
      if (low && isLowSurrogate(*low)) {
        appendUTF8(result, joinSurrogates(*unit, *low));
        return;
      }
      position_ = saved;
    }
    appendUTF8(result, *unit);
  }

  void appendOctalEscape(std::string& result, char first) {
    unsigned value = static_cast<unsigned>(first - '0');
    for (int digits = 1; digits < 3 && !atEnd() && peek() >= '0' && peek() <= '7'; ++digits) {
      value = value * 8 + static_cast<unsigned>(peek() - '0');
      ++position_;
    }
    appendUTF8(result, value);
  }

  std::string_view text_;
  std::size_t position_ = 0;
};

}  // namespace

StringsFile::Table StringsFile::parse(std::string_view text) {
  return Parser(platform::text::withoutByteOrderMark(text)).parse();
}

std::optional<StringsFile::Table> StringsFile::load(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return std::nullopt;
  std::string_view view = bytes;
  if (view.starts_with("\xFF\xFE")) return parse(utf16ToUTF8(view.substr(2), false));
  if (view.starts_with("\xFE\xFF")) return parse(utf16ToUTF8(view.substr(2), true));
  return parse(view);
}

}  // namespace platform
