#pragma once

#include <memory>

#include "keyloom/layout/InputSetProvider.h"

namespace keyloom {

// A component built on an input set provider, told when the provider changes.
class InputSetProviderBased {
 public:
  virtual ~InputSetProviderBased() = default;

  virtual void register_(std::shared_ptr<InputSetProvider> inputSetProvider) = 0;
};

}  // namespace keyloom
