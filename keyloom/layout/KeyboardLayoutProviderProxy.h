#pragma once

#include <memory>

#include "keyloom/layout/KeyboardLayoutProvider.h"

namespace keyloom {

// A layout provider that hands each context on to another provider.
class KeyboardLayoutProviderProxy : public virtual KeyboardLayoutProvider {
 public:
  virtual std::shared_ptr<KeyboardLayoutProvider> keyboardLayoutProvider(const KeyboardContext& context) = 0;
};

}  // namespace keyloom
