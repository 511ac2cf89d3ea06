#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/UUID.h"
#include "platform/input/InputTraits.h"
#include "platform/input/TextDocumentProxy.h"
#include "platform/input/TextInput.h"

namespace keyloom {

// A text document proxy over one of the keyboard's own text inputs, so that
// key actions, autocomplete and context syncs can work on a field inside the
// keyboard as if it were the host's document.
//
// The input is held weakly: once it is gone every query answers absent (false
// for hasText) and every command does nothing, while the identifier and the
// traits still answer.
//
// The input traits are a copy taken at creation; an input that does not
// answer a trait gives its zero value. Writing a trait changes only the copy.
// Text content type is not copied and stays unanswered.
class TextInputProxy : public platform::TextDocumentProxy {
 public:
  explicit TextInputProxy(const std::shared_ptr<platform::TextInput>& input);

  // The input, while it lives.
  std::shared_ptr<platform::TextInput> input() const { return input_.lock(); }

  // ---- Document
  std::optional<std::string> documentContextBeforeInput() const override;
  std::optional<std::string> documentContextAfterInput() const override;
  std::optional<std::string> selectedText() const override;
  bool hasText() const override;
  std::optional<platform::TextInputMode> documentInputMode() const override;
  platform::UUID documentIdentifier() const override { return documentIdentifier_; }

  void insertText(const std::string& text) override;
  void deleteBackward() override;
  // Collapses the selection to a caret at its start plus the offset; an
  // offset that leaves the document changes nothing.
  void adjustTextPosition(int byCharacterOffset) override;
  void setMarkedText(const std::string& text, platform::CharacterRange selectedRange) override;
  void unmarkText() override;

  // ---- Traits: always answered, from the copy
  std::optional<platform::AutocapitalizationType> autocapitalizationType() const override {
    return autocapitalizationType_;
  }
  std::optional<platform::AutocorrectionType> autocorrectionType() const override { return autocorrectionType_; }
  std::optional<bool> enablesReturnKeyAutomatically() const override { return enablesReturnKeyAutomatically_; }
  std::optional<platform::KeyboardAppearance> keyboardAppearance() const override { return keyboardAppearance_; }
  std::optional<platform::KeyboardType> keyboardType() const override { return keyboardType_; }
  std::optional<platform::ReturnKeyType> returnKeyType() const override { return returnKeyType_; }
  std::optional<bool> isSecureTextEntry() const override { return isSecureTextEntry_; }
  std::optional<platform::SpellCheckingType> spellCheckingType() const override { return spellCheckingType_; }
  std::optional<platform::SmartDashesType> smartDashesType() const override { return smartDashesType_; }
  std::optional<platform::SmartInsertDeleteType> smartInsertDeleteType() const override {
    return smartInsertDeleteType_;
  }
  std::optional<platform::SmartQuotesType> smartQuotesType() const override { return smartQuotesType_; }

  void setAutocapitalizationType(platform::AutocapitalizationType value) { autocapitalizationType_ = value; }
  void setAutocorrectionType(platform::AutocorrectionType value) { autocorrectionType_ = value; }
  void setEnablesReturnKeyAutomatically(bool value) { enablesReturnKeyAutomatically_ = value; }
  void setKeyboardAppearance(platform::KeyboardAppearance value) { keyboardAppearance_ = value; }
  void setKeyboardType(platform::KeyboardType value) { keyboardType_ = value; }
  void setReturnKeyType(platform::ReturnKeyType value) { returnKeyType_ = value; }
  void setSecureTextEntry(bool value) { isSecureTextEntry_ = value; }
  void setSpellCheckingType(platform::SpellCheckingType value) { spellCheckingType_ = value; }
  void setSmartDashesType(platform::SmartDashesType value) { smartDashesType_ = value; }
  void setSmartInsertDeleteType(platform::SmartInsertDeleteType value) { smartInsertDeleteType_ = value; }
  void setSmartQuotesType(platform::SmartQuotesType value) { smartQuotesType_ = value; }

 private:
  std::weak_ptr<platform::TextInput> input_;
  platform::UUID documentIdentifier_;
  platform::AutocapitalizationType autocapitalizationType_ = platform::AutocapitalizationType::none;
  platform::AutocorrectionType autocorrectionType_ = platform::AutocorrectionType::default_;
  bool enablesReturnKeyAutomatically_ = false;
  platform::KeyboardAppearance keyboardAppearance_ = platform::KeyboardAppearance::default_;
  platform::KeyboardType keyboardType_ = platform::KeyboardType::default_;
  platform::ReturnKeyType returnKeyType_ = platform::ReturnKeyType::default_;
  bool isSecureTextEntry_ = false;
  platform::SpellCheckingType spellCheckingType_ = platform::SpellCheckingType::default_;
  platform::SmartDashesType smartDashesType_ = platform::SmartDashesType::default_;
  platform::SmartInsertDeleteType smartInsertDeleteType_ = platform::SmartInsertDeleteType::default_;
  platform::SmartQuotesType smartQuotesType_ = platform::SmartQuotesType::default_;
};

}  // namespace keyloom
