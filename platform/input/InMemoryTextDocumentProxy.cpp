#include "platform/input/InMemoryTextDocumentProxy.h"

#include <algorithm>

#include "platform/foundation/Text.h"

namespace platform {

InMemoryTextDocumentProxy::InMemoryTextDocumentProxy() : InMemoryTextDocumentProxy(std::make_shared<TextInput>()) {}

InMemoryTextDocumentProxy::InMemoryTextDocumentProxy(std::shared_ptr<TextInput> input)
    : input_(input ? std::move(input) : std::make_shared<TextInput>()), documentIdentifier_(UUID::random()) {}

std::shared_ptr<InMemoryTextDocumentProxy> InMemoryTextDocumentProxy::make(const std::string& before,
                                                                           const std::string& after) {
  auto proxy = std::make_shared<InMemoryTextDocumentProxy>();
  proxy->input().setText(before + after);
  proxy->input().select(text::graphemeCount(before));
  return proxy;
}

void InMemoryTextDocumentProxy::renewDocumentIdentifier() { documentIdentifier_ = UUID::random(); }

std::optional<std::string> InMemoryTextDocumentProxy::documentContextBeforeInput() const {
  auto selection = input_->selectedTextRange();
  if (!selection) return std::nullopt;
  const std::size_t start = selection->start.offset;
  const TextPosition from{start > contextLength ? start - contextLength : 0};
  auto range = input_->textRange(from, selection->start);
  if (!range) return std::nullopt;
  return input_->text(*range);
}

std::optional<std::string> InMemoryTextDocumentProxy::documentContextAfterInput() const {
  auto selection = input_->selectedTextRange();
  if (!selection) return std::nullopt;
  const TextPosition to{std::min(selection->end.offset + contextLength, input_->endOfDocument().offset)};
  auto range = input_->textRange(selection->end, to);
  if (!range) return std::nullopt;
  return input_->text(*range);
}

std::optional<std::string> InMemoryTextDocumentProxy::selectedText() const {
  auto selection = input_->selectedTextRange();
  if (!selection || selection->isEmpty()) return std::nullopt;
  return input_->text(*selection);
}

bool InMemoryTextDocumentProxy::hasText() const { return input_->hasText(); }

std::optional<TextInputMode> InMemoryTextDocumentProxy::documentInputMode() const { return input_->textInputMode(); }

void InMemoryTextDocumentProxy::insertText(const std::string& text) { input_->insertText(text); }

void InMemoryTextDocumentProxy::deleteBackward() { input_->deleteBackward(); }

void InMemoryTextDocumentProxy::adjustTextPosition(int byCharacterOffset) {
  auto selection = input_->selectedTextRange();
  if (!selection) return;
  input_->unmarkText();
  const auto count = static_cast<long long>(input_->characterCount());
  const long long target =
      std::clamp(static_cast<long long>(selection->start.offset) + byCharacterOffset, 0LL, count);
  const TextPosition caret{static_cast<std::size_t>(target)};
  input_->setSelectedTextRange(TextRange{caret, caret});
}

void InMemoryTextDocumentProxy::setMarkedText(const std::string& text, CharacterRange selectedRange) {
  input_->setMarkedText(text, selectedRange);
}

void InMemoryTextDocumentProxy::unmarkText() { input_->unmarkText(); }

std::optional<AutocapitalizationType> InMemoryTextDocumentProxy::autocapitalizationType() const {
  return input_->autocapitalizationType();
}
std::optional<AutocorrectionType> InMemoryTextDocumentProxy::autocorrectionType() const {
  return input_->autocorrectionType();
}
std::optional<SpellCheckingType> InMemoryTextDocumentProxy::spellCheckingType() const {
  return input_->spellCheckingType();
}
std::optional<SmartQuotesType> InMemoryTextDocumentProxy::smartQuotesType() const { return input_->smartQuotesType(); }
std::optional<SmartDashesType> InMemoryTextDocumentProxy::smartDashesType() const { return input_->smartDashesType(); }
std::optional<SmartInsertDeleteType> InMemoryTextDocumentProxy::smartInsertDeleteType() const {
  return input_->smartInsertDeleteType();
}
std::optional<KeyboardType> InMemoryTextDocumentProxy::keyboardType() const { return input_->keyboardType(); }
std::optional<KeyboardAppearance> InMemoryTextDocumentProxy::keyboardAppearance() const {
  return input_->keyboardAppearance();
}
std::optional<ReturnKeyType> InMemoryTextDocumentProxy::returnKeyType() const { return input_->returnKeyType(); }
std::optional<bool> InMemoryTextDocumentProxy::enablesReturnKeyAutomatically() const {
  return input_->enablesReturnKeyAutomatically();
}
std::optional<bool> InMemoryTextDocumentProxy::isSecureTextEntry() const { return input_->isSecureTextEntry(); }
std::optional<std::string> InMemoryTextDocumentProxy::textContentType() const { return input_->textContentType(); }

}  // namespace platform
