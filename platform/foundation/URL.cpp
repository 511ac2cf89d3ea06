#include "platform/foundation/URL.h"

#include <system_error>

namespace platform {

namespace {

bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isUnreserved(char c) { return isAlpha(c) || isDigit(c) || c == '-' || c == '.' || c == '_' || c == '~'; }
bool isSubDelimiter(char c) {
  switch (c) {
    case '!':
    case '$':
    case '&':
    case '\'':
    case '(':
    case ')':
    case '*':
    case '+':
    case ',':
    case ';':
    case '=':
      return true;
    default:
      return false;
  }
}
// Characters of a path segment (RFC 3986 pchar, without the escapes).
bool isPathCharacter(char c) { return isUnreserved(c) || isSubDelimiter(c) || c == ':' || c == '@'; }

int hexValue(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return c - 'A' + 10;
}

// The parts of a URL string, as written.
struct Components {
  std::optional<std::string> scheme;
  std::optional<std::string> authority;
  std::string path;
  std::optional<std::string> query;
  std::optional<std::string> fragment;

  static Components of(std::string_view s) {
    Components parts;
    std::size_t i = 0;
    if (!s.empty() && isAlpha(s[0])) {
      std::size_t j = 1;
      while (j < s.size() && (isAlpha(s[j]) || isDigit(s[j]) || s[j] == '+' || s[j] == '-' || s[j] == '.'))
        ++j;
      if (j < s.size() && s[j] == ':') {
        parts.scheme = std::string(s.substr(0, j));
        i = j + 1;
      }
    }
    if (s.substr(i).starts_with("//")) {
      const std::size_t end = s.find_first_of("/?#", i + 2);
      const std::size_t stop = end == std::string_view::npos ? s.size() : end;
      parts.authority = std::string(s.substr(i + 2, stop - i - 2));
      i = stop;
    }
    const std::size_t pathEnd = std::min(s.find_first_of("?#", i), s.size());
    parts.path = std::string(s.substr(i, pathEnd - i));
    i = pathEnd;
    if (i < s.size() && s[i] == '?') {
      const std::size_t end = std::min(s.find('#', i), s.size());
      parts.query = std::string(s.substr(i + 1, end - i - 1));
      i = end;
    }
    if (i < s.size() && s[i] == '#') parts.fragment = std::string(s.substr(i + 1));
    return parts;
  }

  std::string string() const {
    std::string result;
    if (scheme) result += *scheme + ":";
    if (authority) result += "//" + *authority;
    result += path;
    if (query) result += "?" + *query;
    if (fragment) result += "#" + *fragment;
    return result;
  }
};

bool hasValidCharacters(std::string_view s) {
  bool seenFragment = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '%') {
      if (i + 2 >= s.size() || !isHex(s[i + 1]) || !isHex(s[i + 2])) return false;
      i += 2;
    } else if (c == '#') {
      // The fragment may not hold another '#'.
      if (seenFragment) return false;
      seenFragment = true;
    } else if (!(isPathCharacter(c) || c == '/' || c == '?' || c == '[' || c == ']')) {
      return false;
    }
  }
  return true;
}

// Brackets belong only around an IP literal host.
bool hasBracketsOnlyInHost(const Components& parts) {
  auto hasBracket = [](const std::optional<std::string>& text) {
    return text && text->find_first_of("[]") != std::string::npos;
  };
  return !hasBracket(parts.scheme) && parts.path.find_first_of("[]") == std::string::npos &&
         !hasBracket(parts.query) && !hasBracket(parts.fragment);
}

std::string withoutTrailingSlash(std::string path) {
  if (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool isDirectory(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_directory(path, error);
}

}  // namespace

std::optional<URL> URL::fromString(std::string_view string) {
  if (string.empty() || !hasValidCharacters(string)) return std::nullopt;
  if (!hasBracketsOnlyInHost(Components::of(string))) return std::nullopt;
  return URL(std::string(string));
}

URL URL::fileURL(const std::filesystem::path& path) {
  std::filesystem::path absolute = path;
  if (absolute.is_relative()) {
    std::error_code error;
    std::filesystem::path current = std::filesystem::current_path(error);
    absolute = error ? std::filesystem::path("/") / path : current / path;
  }
  std::string text = absolute.string();
  if (text.empty() || (text.back() != '/' && isDirectory(absolute))) text += '/';
  return URL("file://" + percentEncodePath(text));
}

std::optional<std::string> URL::scheme() const { return Components::of(string_).scheme; }

std::string URL::path() const { return withoutTrailingSlash(percentDecode(Components::of(string_).path)); }

std::string URL::percentEncodedPath() const { return Components::of(string_).path; }

std::optional<std::string> URL::host() const {
  std::optional<std::string> authority = Components::of(string_).authority;
  if (!authority) return std::nullopt;
  std::string host = *authority;
  if (const std::size_t at = host.rfind('@'); at != std::string::npos) host.erase(0, at + 1);
  const std::size_t colon = host.rfind(':');
  if (colon != std::string::npos && host.find(']', colon) == std::string::npos) host.erase(colon);
  return percentDecode(host);
}

std::optional<std::string> URL::query() const { return Components::of(string_).query; }

std::optional<std::string> URL::fragment() const { return Components::of(string_).fragment; }

bool URL::isFileURL() const {
  std::optional<std::string> name = scheme();
  if (!name || name->size() != 4) return false;
  std::string lower;
  for (char c : *name) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return lower == "file";
}

std::string URL::lastPathComponent() const {
  const std::string decoded = path();
  if (decoded.empty() || decoded == "/") return decoded;
  return decoded.substr(decoded.rfind('/') + 1);
}

URL URL::appendingPathComponent(std::string_view component) const {
  Components parts = Components::of(string_);
  if (!parts.path.empty() && parts.path.back() != '/') parts.path += '/';
  if (parts.path.empty() && parts.authority) parts.path = "/";
  parts.path += percentEncodePath(component);
  if (isFileURL() && parts.path.back() != '/' && isDirectory(percentDecode(parts.path))) parts.path += '/';
  return URL(parts.string());
}

URL URL::deletingLastPathComponent() const {
  Components parts = Components::of(string_);
  std::string path = withoutTrailingSlash(parts.path);
  if (path.empty() || path == "/") return *this;
  const std::size_t slash = path.rfind('/');
  parts.path = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  return URL(parts.string());
}

std::string settingsURLString() { return "app-settings:"; }

std::string percentEncodePath(std::string_view path) {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string result;
  result.reserve(path.size());
  for (char c : path) {
    if (isPathCharacter(c) || c == '/') {
      result += c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      result += '%';
      result += digits[byte >> 4];
      result += digits[byte & 0x0F];
    }
  }
  return result;
}

std::string percentDecode(std::string_view text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && isHex(text[i + 1]) && isHex(text[i + 2])) {
      result += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
      i += 2;
    } else {
      result += text[i];
    }
  }
  return result;
}

}  // namespace platform
