#include "keyloom/text/SentenceAnalyzer.h"

#include "keyloom/text/KeyboardCharacters.h"
#include "keyloom/text/TextScanning.h"
#include "platform/foundation/Text.h"

namespace keyloom {

using textscan::popLastCharacter;
using textscan::trimEnd;

bool isLastSentenceEnded(std::string_view text) {
  // Trim trailing spaces and tabs, then drop the line feeds that end up last:
  // line feeds are read as absent, and what stands before them decides.
  std::string_view rest = trimEnd(text, platform::text::isWhitespace);
  while (!rest.empty() && rest.back() == '\n') rest.remove_suffix(1);
  // Only spaces and tabs left: they would be trimmed from the start.
  if (trimEnd(rest, platform::text::isWhitespace).empty()) return true;
  return isSentenceDelimiter(popLastCharacter(rest));
}

bool isLastSentenceEndedWithTrailingWhitespace(std::string_view text) {
  const std::string_view trimmed = trimEnd(text, platform::text::isWhitespaceOrNewline);
  if (trimmed.empty()) return true;
  std::string_view rest = text;
  const std::string_view last = popLastCharacter(rest);
  if (!textscan::characterStartsWith(last, platform::text::isUnicodeWhiteSpace)) return false;
  rest = trimmed;
  return isSentenceDelimiter(popLastCharacter(rest));
}

std::optional<std::string> lastSentence(std::string_view text) {
  if (!isLastSentenceEnded(text)) return std::nullopt;
  const auto& delimiters = sentenceDelimiters();
  // The last piece between split characters that is not empty.
  std::string_view rest = text;
  while (!rest.empty()) {
    std::string_view before = rest;
    if (!isCharacterOfAny(popLastCharacter(before), delimiters)) break;
    rest = before;
  }
  if (rest.empty()) return std::nullopt;
  const std::size_t end = rest.size();
  while (!rest.empty()) {
    std::string_view before = rest;
    if (isCharacterOfAny(popLastCharacter(before), delimiters)) break;
    rest = before;
  }
  const std::string_view sentence = text.substr(rest.size(), end - rest.size());
  if (textscan::trim(sentence, platform::text::isWhitespace).empty()) return std::nullopt;
  return std::string(sentence);
}

bool hasSentenceDelimiterSuffix(std::string_view text) {
  if (text.empty()) return false;
  return isSentenceDelimiter(popLastCharacter(text));
}

}  // namespace keyloom
