#include "keyloom/text/TextInputProxy.h"

namespace keyloom {

TextInputProxy::TextInputProxy(const std::shared_ptr<platform::TextInput>& input)
    : input_(input), documentIdentifier_(platform::UUID::random()) {
  if (!input) return;
  // Asked in the platform's order; an unanswered trait keeps its zero value.
  if (auto value = input->autocapitalizationType()) autocapitalizationType_ = *value;
  if (auto value = input->autocorrectionType()) autocorrectionType_ = *value;
  if (auto value = input->enablesReturnKeyAutomatically()) enablesReturnKeyAutomatically_ = *value;
  if (auto value = input->isSecureTextEntry()) isSecureTextEntry_ = *value;
  if (auto value = input->keyboardAppearance()) keyboardAppearance_ = *value;
  if (auto value = input->keyboardType()) keyboardType_ = *value;
  if (auto value = input->returnKeyType()) returnKeyType_ = *value;
  if (auto value = input->spellCheckingType()) spellCheckingType_ = *value;
  if (auto value = input->smartDashesType()) smartDashesType_ = *value;
  if (auto value = input->smartInsertDeleteType()) smartInsertDeleteType_ = *value;
  if (auto value = input->smartQuotesType()) smartQuotesType_ = *value;
}

// ---- Document

std::optional<std::string> TextInputProxy::documentContextBeforeInput() const {
  auto input = input_.lock();
  if (!input) return std::nullopt;
  auto selection = input->selectedTextRange();
  if (!selection) return std::nullopt;
  auto range = input->textRange(input->beginningOfDocument(), selection->start);
  if (!range) return std::nullopt;
  return input->text(*range);
}

std::optional<std::string> TextInputProxy::documentContextAfterInput() const {
  auto input = input_.lock();
  if (!input) return std::nullopt;
  auto selection = input->selectedTextRange();
  if (!selection) return std::nullopt;
  auto range = input->textRange(selection->end, input->endOfDocument());
  if (!range) return std::nullopt;
  return input->text(*range);
}

std::optional<std::string> TextInputProxy::selectedText() const {
  auto input = input_.lock();
  if (!input) return std::nullopt;
  auto selection = input->selectedTextRange();
  if (!selection) return std::nullopt;
  return input->text(*selection);
}

bool TextInputProxy::hasText() const {
  auto input = input_.lock();
  return input && input->hasText();
}

std::optional<platform::TextInputMode> TextInputProxy::documentInputMode() const {
  auto input = input_.lock();
  if (!input) return std::nullopt;
  return input->textInputMode();
}

void TextInputProxy::insertText(const std::string& text) {
  if (auto input = input_.lock()) input->insertText(text);
}

void TextInputProxy::deleteBackward() {
  if (auto input = input_.lock()) input->deleteBackward();
}

void TextInputProxy::adjustTextPosition(int byCharacterOffset) {
  auto input = input_.lock();
  if (!input) return;
  auto selection = input->selectedTextRange();
  if (!selection) return;
  auto target = input->position(selection->start, byCharacterOffset);
  if (!target) return;
  auto caret = input->textRange(*target, *target);
  if (!caret) return;
  input->setSelectedTextRange(caret);
}

void TextInputProxy::setMarkedText(const std::string& text, platform::CharacterRange selectedRange) {
  if (auto input = input_.lock()) input->setMarkedText(text, selectedRange);
}

void TextInputProxy::unmarkText() {
  if (auto input = input_.lock()) input->unmarkText();
}

}  // namespace keyloom
