#pragma once

#include <memory>

#include "keyloom/layout/KeyboardLayoutProvider.h"

namespace keyloom {

// Always the same layout object, whatever the context and input sets.
class StaticKeyboardLayoutProvider : public virtual KeyboardLayoutProvider {
 public:
  explicit StaticKeyboardLayoutProvider(std::shared_ptr<KeyboardLayout> keyboardLayout)
      : layout_(std::move(keyboardLayout)) {}

  const std::shared_ptr<KeyboardLayout>& layout() const { return layout_; }

  std::shared_ptr<KeyboardLayout> keyboardLayout(const KeyboardContext& /*context*/) override { return layout_; }
  void register_(std::shared_ptr<InputSetProvider> /*inputSetProvider*/) override {}

 private:
  std::shared_ptr<KeyboardLayout> layout_;
};

}  // namespace keyloom
