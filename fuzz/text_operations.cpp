// Host text is outside input: arbitrary bytes before and after the cursor go
// through the keyboard's text analysis and editing, which must neither crash,
// hang nor delete more than the text before the cursor.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "keyloom/text/DeleteBackwardRange.h"
#include "keyloom/text/QuotationAnalyzer.h"
#include "keyloom/text/SentenceAnalyzer.h"
#include "keyloom/text/TextDocumentProxyOperations.h"
#include "keyloom/text/WordAnalyzer.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/Text.h"
#include "platform/input/InMemoryTextDocumentProxy.h"

using namespace keyloom;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t split = size == 0 ? 0 : data[0] % (size + 1);
  std::string before = input.substr(0, split);
  std::string after = input.substr(split);

  (void)isLastSentenceEnded(before);
  (void)isLastSentenceEndedWithTrailingWhitespace(before);
  (void)lastSentence(before);
  (void)hasSentenceDelimiterSuffix(before);
  (void)wordFragmentAtEnd(before);
  (void)wordFragmentAtStart(after);
  (void)hasWordDelimiterSuffix(before);
  int offset = static_cast<int>(split) - 3;
  (void)word(input, offset);
  (void)wordFragmentBefore(input, offset);
  (void)wordFragmentAfter(input, offset);
  platform::Locale german("de");
  (void)hasUnclosedQuotation(before, german);
  (void)hasUnclosedAlternateQuotation(before, german);

  // Word and sentence deletion never reach past the text before the cursor;
  // a character deletion is always one.
  std::size_t charactersBefore = platform::text::graphemeCount(before);
  if (deleteBackwardLength(before, DeleteBackwardRange::character) != 1) std::abort();
  for (auto range : {DeleteBackwardRange::word, DeleteBackwardRange::sentence}) {
    if (deleteBackwardLength(before, range) > charactersBefore) std::abort();
  }

  auto proxy = platform::InMemoryTextDocumentProxy::make(before, after);
  (void)currentWord(*proxy);
  (void)isCursorAtNewSentence(*proxy);
  (void)sentenceBeforeInput(*proxy);
  (void)preferredQuotationReplacement(*proxy, "\"", german);
  deleteBackward(*proxy, DeleteBackwardRange::word);
  endSentence(*proxy);
  replaceCurrentWord(*proxy, "word");
  return 0;
}
