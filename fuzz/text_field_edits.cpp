// Arbitrary bytes as a script of edits on an in-memory text field through its
// document proxy (typed text may be any bytes, malformed UTF-8 included). After
// every step the text before, the selection and the text after must make up
// the whole text, the selection must lie inside the document, and the field's
// characters (kept edit by edit) must be those of a fresh segmentation.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/foundation/Text.h"
#include "platform/input/InMemoryTextDocumentProxy.h"

using namespace platform;

namespace {

void check(const InMemoryTextDocumentProxy& proxy) {
  const TextInput& input = proxy.input();
  auto selection = input.selectedTextRange();
  if (!selection) return;
  if (selection->start > selection->end || selection->end.offset > input.characterCount()) std::abort();
  const std::string whole = proxy.documentContextBeforeInput().value_or("") + proxy.selectedText().value_or("") +
                            proxy.documentContextAfterInput().value_or("");
  if (whole != input.text()) std::abort();
  const auto characters = text::graphemes(input.text());
  if (characters.size() != input.characterCount()) std::abort();
  for (std::size_t i = 0; i < characters.size(); ++i) {
    if (input.text(TextRange{{i}, {i + 1}}) != characters[i]) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  InMemoryTextDocumentProxy proxy;
  std::size_t i = 0;
  auto next = [&]() -> std::uint8_t { return i < size ? data[i++] : 0; };
  while (i < size) {
    const std::uint8_t op = next();
    switch (op % 7) {
      case 0: {
        const std::size_t length = next() % 16;
        std::string text;
        for (std::size_t k = 0; k < length && i < size; ++k) text.push_back(static_cast<char>(next()));
        proxy.insertText(text);
        break;
      }
      case 1:
        proxy.deleteBackward();
        break;
      case 2:
        proxy.adjustTextPosition(static_cast<std::int8_t>(next()));
        break;
      case 3: {
        const std::size_t start = next() % 32;
        proxy.input().select(start, next() % 8);
        break;
      }
      case 4: {
        const std::size_t length = next() % 8;
        std::string text;
        for (std::size_t k = 0; k < length && i < size; ++k) text.push_back(static_cast<char>(next()));
        proxy.setMarkedText(text, CharacterRange{next() % 8u, next() % 4u});
        break;
      }
      case 5:
        proxy.unmarkText();
        break;
      default:
        if (next() % 4 == 0) proxy.input().setSelectedTextRange(std::nullopt);
        break;
    }
    check(proxy);
  }
  return 0;
}
