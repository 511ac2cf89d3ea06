#include "keyloom/text/WordAnalyzer.h"

#include "keyloom/text/KeyboardCharacters.h"
#include "keyloom/text/TextScanning.h"
#include "platform/foundation/Text.h"

namespace keyloom {

namespace {

// Byte position of a character offset, clamped to the text.
std::size_t bytePosition(std::string_view text, int offset) {
  if (offset <= 0) return 0;
  return platform::text::byteOffsetOfGrapheme(text, static_cast<std::size_t>(offset));
}

}  // namespace

std::string wordFragmentAtEnd(std::string_view text) { return *wordFragmentAtEnd(text, text.size()); }

std::string wordFragmentAtStart(std::string_view text) { return *wordFragmentAtStart(text, text.size()); }

std::optional<std::string> wordFragmentAtEnd(std::string_view text, std::size_t longest) {
  std::string_view rest = text;
  for (std::size_t length = 0; !rest.empty(); ++length) {
    std::string_view before = rest;
    if (isWordDelimiter(textscan::popLastCharacter(before))) break;
    if (length == longest) return std::nullopt;
    rest = before;
  }
  return std::string(text.substr(rest.size()));
}

std::optional<std::string> wordFragmentAtStart(std::string_view text, std::size_t longest) {
  std::string_view rest = text;
  for (std::size_t length = 0; !rest.empty(); ++length) {
    std::string_view after = rest;
    if (isWordDelimiter(textscan::popFirstCharacter(after))) break;
    if (length == longest) return std::nullopt;
    rest = after;
  }
  return std::string(text.substr(0, text.size() - rest.size()));
}

bool hasWordDelimiterSuffix(std::string_view text) {
  if (text.empty()) return false;
  return isWordDelimiter(textscan::popLastCharacter(text));
}

std::optional<std::string> word(std::string_view text, int offset) {
  const std::size_t position = bytePosition(text, offset);
  std::string result =
      wordFragmentAtEnd(text.substr(0, position)) + wordFragmentAtStart(text.substr(position));
  if (result.empty()) return std::nullopt;
  return result;
}

std::string wordFragmentBefore(std::string_view text, int offset) {
  return wordFragmentAtEnd(text.substr(0, bytePosition(text, offset)));
}

std::string wordFragmentAfter(std::string_view text, int offset) {
  return wordFragmentAtStart(text.substr(bytePosition(text, offset)));
}

}  // namespace keyloom
