#pragma once

#include <memory>

#include "keyloom/layout/KeyboardLayoutProvider.h"

namespace keyloom {

class KeyboardContext;

// The standard layouts with English input sets and no localized layouts.
class PreviewKeyboardLayoutProvider : public KeyboardLayoutProvider {
 public:
  // The input sets follow `keyboardContext`; the standard provider inside is
  // given a preview context of its own.
  explicit PreviewKeyboardLayoutProvider(const std::shared_ptr<KeyboardContext>& keyboardContext);

  // A new provider on a new preview context on every call.
  static std::shared_ptr<PreviewKeyboardLayoutProvider> preview();

  const std::shared_ptr<KeyboardLayoutProvider>& provider() const { return provider_; }

  std::shared_ptr<KeyboardLayout> keyboardLayout(const KeyboardContext& context) override;
  void register_(std::shared_ptr<InputSetProvider> inputSetProvider) override;

 private:
  std::shared_ptr<KeyboardLayoutProvider> provider_;
};

}  // namespace keyloom
