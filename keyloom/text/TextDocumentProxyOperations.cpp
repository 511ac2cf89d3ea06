#include "keyloom/text/TextDocumentProxyOperations.h"

#include <algorithm>

#include "keyloom/text/KeyboardCharacters.h"
#include "keyloom/text/ProxyState.h"
#include "keyloom/text/QuotationAnalyzer.h"
#include "keyloom/text/SentenceAnalyzer.h"
#include "keyloom/text/TextScanning.h"
#include "keyloom/text/WordAnalyzer.h"
#include "platform/foundation/Text.h"

namespace keyloom {

namespace {

using textscan::popFirstCharacter;
using textscan::popLastCharacter;

bool endsWithSpace(const std::optional<std::string>& text) {
  if (!text) return false;
  std::string_view rest = *text;
  return popLastCharacter(rest) == keyboard_characters::space;
}

bool startsWithSpace(const std::optional<std::string>& text) {
  if (!text) return false;
  std::string_view rest = *text;
  return popFirstCharacter(rest) == keyboard_characters::space;
}

int characterCount(std::string_view text) { return static_cast<int>(platform::text::graphemeCount(text)); }

// The whitespace run that stands before the cursor, then the word or sentence
// before it. Delimiters that end the word or sentence go with it ("world." is
// one word); the delimiter before it stays.
std::size_t deletionLength(std::string_view text, const std::vector<std::string>& delimiters) {
  std::size_t length = 0;
  std::string_view rest = text;
  while (!rest.empty()) {
    std::string_view before = rest;
    if (!textscan::characterStartsWith(popLastCharacter(before), platform::text::isUnicodeWhiteSpace)) break;
    rest = before;
    ++length;
  }
  bool tookNonDelimiter = false;
  while (!rest.empty()) {
    std::string_view before = rest;
    const std::string_view character = popLastCharacter(before);
    const bool isDelimiter = std::find(delimiters.begin(), delimiters.end(), character) != delimiters.end();
    if (isDelimiter && tookNonDelimiter) break;
    tookNonDelimiter = tookNonDelimiter || !isDelimiter;
    rest = before;
    ++length;
  }
  return length;
}

}  // namespace

// ---- Reading

std::optional<std::string> documentContext(const platform::TextDocumentProxy& proxy) {
  return proxy.documentContextBeforeInput().value_or("") + proxy.documentContextAfterInput().value_or("");
}

std::optional<std::string> currentWordPreCursorPart(const platform::TextDocumentProxy& proxy) {
  const auto before = proxy.documentContextBeforeInput();
  if (!before) return std::nullopt;
  return wordFragmentAtEnd(*before);
}

std::optional<std::string> currentWordPostCursorPart(const platform::TextDocumentProxy& proxy) {
  const auto after = proxy.documentContextAfterInput();
  if (!after) return std::nullopt;
  return wordFragmentAtStart(*after);
}

std::optional<std::string> currentWord(const platform::TextDocumentProxy& proxy) {
  const auto pre = currentWordPreCursorPart(proxy);
  const auto post = currentWordPostCursorPart(proxy);
  if (!pre && !post) return std::nullopt;
  return pre.value_or("") + post.value_or("");
}

std::optional<std::string> currentWord(const platform::TextDocumentProxy& proxy, std::size_t longest) {
  const auto before = proxy.documentContextBeforeInput();
  const auto after = proxy.documentContextAfterInput();
  if (!before && !after) return std::nullopt;
  const auto pre = wordFragmentAtEnd(before.value_or(""), longest);
  if (!pre) return std::nullopt;
  const auto used = std::min(longest, static_cast<std::size_t>(characterCount(*pre)));
  const auto post = wordFragmentAtStart(after.value_or(""), longest - used);
  if (!post) return std::nullopt;
  return *pre + *post;
}

bool hasCurrentWord(const platform::TextDocumentProxy& proxy) { return currentWord(proxy).has_value(); }

bool isCursorAtNewWord(const platform::TextDocumentProxy& proxy) {
  const auto before = proxy.documentContextBeforeInput();
  if (!before || before->empty()) return true;
  return hasWordDelimiterSuffix(*before);
}

bool isCursorAtNewSentence(const platform::TextDocumentProxy& proxy) {
  const auto before = proxy.documentContextBeforeInput();
  return !before || isLastSentenceEnded(*before);
}

bool isCursorAtNewSentenceWithTrailingWhitespace(const platform::TextDocumentProxy& proxy) {
  const auto before = proxy.documentContextBeforeInput();
  return !before || isLastSentenceEndedWithTrailingWhitespace(*before);
}

bool isCursorAtTheEndOfTheCurrentWord(const platform::TextDocumentProxy& proxy) {
  const auto pre = currentWordPreCursorPart(proxy);
  const auto post = currentWordPostCursorPart(proxy);
  if (!pre && !post) return false;
  if (post && !textscan::trim(*post, platform::text::isWhitespace).empty()) return false;
  return pre.has_value();
}

std::optional<std::string> sentenceBeforeInput(const platform::TextDocumentProxy& proxy) {
  const auto before = proxy.documentContextBeforeInput();
  if (!before) return std::nullopt;
  return lastSentence(*before);
}

std::optional<std::string> wordBeforeInput(const platform::TextDocumentProxy& proxy) {
  const auto before = proxy.documentContextBeforeInput();
  if (!before || isLastSentenceEnded(*before)) return std::nullopt;
  if (!before->empty() && !hasWordDelimiterSuffix(*before)) return std::nullopt;
  // The text ends with a delimiter: the word is the piece before it, up to the
  // previous split character or the start.
  const auto& delimiters = wordDelimiters();
  std::string_view rest = *before;
  if (!isCharacterOfAny(popLastCharacter(rest), delimiters)) return std::nullopt;
  const std::size_t end = rest.size();
  while (!rest.empty()) {
    std::string_view earlier = rest;
    if (isCharacterOfAny(popLastCharacter(earlier), delimiters)) break;
    rest = earlier;
  }
  const std::string_view word = textscan::trim(
      std::string_view(*before).substr(rest.size(), end - rest.size()), platform::text::isWhitespace);
  if (word.empty()) return std::nullopt;
  return std::string(word);
}

bool hasUnclosedQuotationBeforeInput(const platform::TextDocumentProxy& proxy,
                                     const platform::Locale& locale) {
  const auto before = proxy.documentContextBeforeInput();
  return before && hasUnclosedQuotation(*before, locale);
}

bool hasUnclosedAlternateQuotationBeforeInput(const platform::TextDocumentProxy& proxy,
                                              const platform::Locale& locale) {
  const auto before = proxy.documentContextBeforeInput();
  return before && hasUnclosedAlternateQuotation(*before, locale);
}

std::optional<std::string> preferredQuotationReplacement(const platform::TextDocumentProxy& proxy,
                                                         std::string_view whenInserting,
                                                         const platform::Locale& locale) {
  // Every typed character asks; only quotation marks need the document.
  if (!mayReplaceQuotationMark(whenInserting, locale)) return std::nullopt;
  const auto before = proxy.documentContextBeforeInput();
  if (!before) return std::nullopt;
  return preferredQuotationReplacement(*before, whenInserting, locale);
}

bool hasAutocompleteInsertedSpace(const platform::TextDocumentProxy& proxy) {
  return autocompleteSpaceState() == AutocompleteSpaceState::autoInserted &&
         endsWithSpace(proxy.documentContextBeforeInput());
}

bool hasAutocompleteRemovedSpace(const platform::TextDocumentProxy& /*proxy*/) {
  return autocompleteSpaceState() == AutocompleteSpaceState::autoRemoved;
}

// ---- Editing

void deleteBackward(platform::TextDocumentProxy& proxy, int times) {
  for (int i = 0; i < times; ++i) proxy.deleteBackward();
}

std::size_t deleteBackwardLength(std::string_view textBeforeCursor, DeleteBackwardRange range) {
  switch (range) {
    case DeleteBackwardRange::character:
      return 1;
    case DeleteBackwardRange::word:
      return deletionLength(textBeforeCursor, wordDelimiters());
    case DeleteBackwardRange::sentence:
      return deletionLength(textBeforeCursor, sentenceDelimiters());
  }
  return 1;
}

void deleteBackward(platform::TextDocumentProxy& proxy, DeleteBackwardRange range) {
  const auto before = proxy.documentContextBeforeInput();
  if (!before) {
    proxy.deleteBackward();
    return;
  }
  deleteBackward(proxy, static_cast<int>(deleteBackwardLength(*before, range)));
}

void endSentence(platform::TextDocumentProxy& proxy) {
  if (!isCursorAtTheEndOfTheCurrentWord(proxy)) return;
  const std::string before = proxy.documentContextBeforeInput().value_or("");
  std::string_view rest = before;
  int spaces = 0;
  while (popLastCharacter(rest) == keyboard_characters::space) ++spaces;
  deleteBackward(proxy, spaces);
  proxy.insertText(". ");
}

void replaceCurrentWord(platform::TextDocumentProxy& proxy, const std::string& replacement) {
  const auto word = currentWord(proxy);
  if (!word) return;
  const auto post = currentWordPostCursorPart(proxy);
  proxy.adjustTextPosition(post ? characterCount(*post) : 0);
  deleteBackward(proxy, characterCount(*word));
  proxy.insertText(replacement);
}

void insertAutocompleteSuggestion(platform::TextDocumentProxy& proxy,
                                  const AutocompleteSuggestion& suggestion, bool tryInsertSpace) {
  replaceCurrentWord(proxy, suggestion.text);
  if (tryInsertSpace) tryInsertSpaceAfterAutocomplete(proxy);
}

void tryInsertSpaceAfterAutocomplete(platform::TextDocumentProxy& proxy) {
  if (endsWithSpace(proxy.documentContextBeforeInput()) ||
      startsWithSpace(proxy.documentContextAfterInput())) {
    return;
  }
  proxy.insertText(std::string(keyboard_characters::space));
  setAutocompleteSpaceState(AutocompleteSpaceState::autoInserted);
}

void tryRemoveAutocompleteInsertedSpace(platform::TextDocumentProxy& proxy) {
  if (hasAutocompleteInsertedSpace(proxy)) {
    proxy.deleteBackward();
    setAutocompleteSpaceState(AutocompleteSpaceState::autoRemoved);
  } else {
    setAutocompleteSpaceState(AutocompleteSpaceState::none);
  }
}

void tryReinsertAutocompleteRemovedSpace(platform::TextDocumentProxy& proxy) {
  if (autocompleteSpaceState() == AutocompleteSpaceState::autoRemoved) {
    proxy.insertText(std::string(keyboard_characters::space));
  }
  setAutocompleteSpaceState(AutocompleteSpaceState::none);
}

}  // namespace keyloom
