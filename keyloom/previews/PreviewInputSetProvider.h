#pragma once

#include <memory>

#include "keyloom/layout/InputSetProvider.h"

namespace keyloom {

class KeyboardContext;

// The standard input sets with English as the only locale: the English
// letters, "$" on the numeric keyboard and "£" on the symbolic one.
class PreviewInputSetProvider : public InputSetProvider {
 public:
  explicit PreviewInputSetProvider(std::shared_ptr<KeyboardContext> keyboardContext);

  // A new provider on a new preview context on every call.
  static std::shared_ptr<PreviewInputSetProvider> preview();

  const std::shared_ptr<KeyboardContext>& keyboardContext() const { return keyboardContext_; }
  const std::shared_ptr<InputSetProvider>& provider() const { return provider_; }

  AlphabeticInputSet alphabeticInputSet() const override;
  NumericInputSet numericInputSet() const override;
  SymbolicInputSet symbolicInputSet() const override;

 private:
  std::shared_ptr<KeyboardContext> keyboardContext_;
  std::shared_ptr<InputSetProvider> provider_;
};

}  // namespace keyloom
