#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/input/TextDocumentProxy.h"
#include "platform/input/TextInput.h"

namespace platform {

// A text document proxy over an in-memory text input: the simulated host's
// proxy for its text field, and a ready document for tests of other modules.
//
// Like the platform's proxies, it reveals the text around the selection only
// as far as `contextLength` characters on each side, so what a reader of the
// context costs does not grow with the document. adjustTextPosition counts characters from the selection's start,
// collapses a selection and clamps at the document's ends. The traits and the
// input mode are the input's own answers.
class InMemoryTextDocumentProxy : public TextDocumentProxy {
 public:
  // A proxy over a new, empty input.
  InMemoryTextDocumentProxy();
  explicit InMemoryTextDocumentProxy(std::shared_ptr<TextInput> input);

  // A proxy whose text is before + after, with the caret between them.
  static std::shared_ptr<InMemoryTextDocumentProxy> make(const std::string& before = "",
                                                         const std::string& after = "");

  // How many characters of the document the context reveals on each side of
  // the selection: far more than a word, a sentence or a paragraph.
  static constexpr std::size_t contextLength = 2000;

  TextInput& input() const { return *input_; }
  const std::shared_ptr<TextInput>& sharedInput() const { return input_; }

  // A new document in the same field gets a new identifier.
  void renewDocumentIdentifier();

  std::optional<std::string> documentContextBeforeInput() const override;
  std::optional<std::string> documentContextAfterInput() const override;
  std::optional<std::string> selectedText() const override;
  bool hasText() const override;
  std::optional<TextInputMode> documentInputMode() const override;
  UUID documentIdentifier() const override { return documentIdentifier_; }

  void insertText(const std::string& text) override;
  void deleteBackward() override;
  void adjustTextPosition(int byCharacterOffset) override;
  void setMarkedText(const std::string& text, CharacterRange selectedRange) override;
  void unmarkText() override;

  std::optional<AutocapitalizationType> autocapitalizationType() const override;
  std::optional<AutocorrectionType> autocorrectionType() const override;
  std::optional<SpellCheckingType> spellCheckingType() const override;
  std::optional<SmartQuotesType> smartQuotesType() const override;
  std::optional<SmartDashesType> smartDashesType() const override;
  std::optional<SmartInsertDeleteType> smartInsertDeleteType() const override;
  std::optional<KeyboardType> keyboardType() const override;
  std::optional<KeyboardAppearance> keyboardAppearance() const override;
  std::optional<ReturnKeyType> returnKeyType() const override;
  std::optional<bool> enablesReturnKeyAutomatically() const override;
  std::optional<bool> isSecureTextEntry() const override;
  std::optional<std::string> textContentType() const override;

 private:
  std::shared_ptr<TextInput> input_;
  UUID documentIdentifier_;
};

}  // namespace platform
