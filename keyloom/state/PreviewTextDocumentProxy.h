#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/UUID.h"
#include "platform/input/InputTraits.h"
#include "platform/input/TextDocumentProxy.h"
#include "platform/input/TextInputMode.h"

namespace keyloom {

// A text document proxy that belongs to no document: it stands in before the
// keyboard has a real proxy, and lets previews and tests stage a situation.
// Its values are plain settable fields and every edit does nothing, so a
// staged text stays as it was after an insert or a delete.
//
// It answers the autocapitalization and return-key traits only; every other
// trait is left unanswered.
class PreviewTextDocumentProxy : public platform::TextDocumentProxy {
 public:
  PreviewTextDocumentProxy();

  // A new proxy on every call, so two previews are never the same document.
  static std::shared_ptr<PreviewTextDocumentProxy> preview();

  std::optional<std::string> documentContextBeforeInput() const override {
    return documentContextBeforeInput_;
  }
  std::optional<std::string> documentContextAfterInput() const override { return documentContextAfterInput_; }
  std::optional<std::string> selectedText() const override { return selectedText_; }
  bool hasText() const override { return hasText_; }
  std::optional<platform::TextInputMode> documentInputMode() const override { return documentInputMode_; }
  // Made once, when the proxy is created.
  platform::UUID documentIdentifier() const override { return documentIdentifier_; }
  std::optional<platform::AutocapitalizationType> autocapitalizationType() const override {
    return autocapitalizationType_;
  }
  std::optional<platform::ReturnKeyType> returnKeyType() const override { return returnKeyType_; }

  void setAutocapitalizationType(platform::AutocapitalizationType type) { autocapitalizationType_ = type; }
  void setDocumentContextBeforeInput(std::optional<std::string> text) {
    documentContextBeforeInput_ = std::move(text);
  }
  void setDocumentContextAfterInput(std::optional<std::string> text) {
    documentContextAfterInput_ = std::move(text);
  }
  void setHasText(bool hasText) { hasText_ = hasText; }
  void setSelectedText(std::optional<std::string> text) { selectedText_ = std::move(text); }
  void setDocumentInputMode(std::optional<platform::TextInputMode> mode) {
    documentInputMode_ = std::move(mode);
  }
  void setDocumentIdentifier(platform::UUID identifier) { documentIdentifier_ = identifier; }
  void setReturnKeyType(platform::ReturnKeyType type) { returnKeyType_ = type; }

  // Edits change nothing.
  void insertText(const std::string& /*text*/) override {}
  void deleteBackward() override {}
  void adjustTextPosition(int /*byCharacterOffset*/) override {}
  void setMarkedText(const std::string& /*text*/, platform::CharacterRange /*selectedRange*/) override {}
  void unmarkText() override {}

 private:
  platform::AutocapitalizationType autocapitalizationType_ = platform::AutocapitalizationType::none;
  std::optional<std::string> documentContextBeforeInput_;
  std::optional<std::string> documentContextAfterInput_;
  bool hasText_ = false;
  std::optional<std::string> selectedText_;
  std::optional<platform::TextInputMode> documentInputMode_;
  platform::UUID documentIdentifier_;
  platform::ReturnKeyType returnKeyType_ = platform::ReturnKeyType::default_;
};

}  // namespace keyloom
