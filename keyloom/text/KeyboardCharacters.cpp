#include "keyloom/text/KeyboardCharacters.h"

#include <algorithm>

#include "keyloom/text/TextScanning.h"
#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

std::vector<std::string> defaultSentenceDelimiters() { return {"!", ".", "?"}; }

std::vector<std::string> defaultWordDelimiters() {
  // Repeats the sentence delimiters on purpose: the word list does not follow
  // later changes of the sentence list.
  return {"!", ".", "?", ",", ";", ":", "(", ")", "[", "]", "{", "}", "<", ">", " ", "\n"};
}

bool contains(const std::vector<std::string>& list, std::string_view s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

}  // namespace

std::vector<std::string>& sentenceDelimiters() {
  static std::vector<std::string> delimiters = [] {
    platform::registerProcessReset([] { sentenceDelimiters() = defaultSentenceDelimiters(); });
    return defaultSentenceDelimiters();
  }();
  return delimiters;
}

std::vector<std::string>& wordDelimiters() {
  static std::vector<std::string> delimiters = [] {
    platform::registerProcessReset([] { wordDelimiters() = defaultWordDelimiters(); });
    return defaultWordDelimiters();
  }();
  return delimiters;
}

// The empty string is never a delimiter, even if a list is given one.
bool isSentenceDelimiter(std::string_view s) { return !s.empty() && contains(sentenceDelimiters(), s); }

bool isWordDelimiter(std::string_view s) { return !s.empty() && contains(wordDelimiters(), s); }

bool isCharacterOfAny(std::string_view character, const std::vector<std::string>& entries) {
  if (character.empty()) return false;
  for (const std::string& entry : entries) {
    if (entry == character) return true;  // the common case: one-character entries
    std::string_view rest = entry;
    while (!rest.empty()) {
      if (textscan::popFirstCharacter(rest) == character) return true;
    }
  }
  return false;
}

}  // namespace keyloom
