#pragma once

#include <memory>

#include "keyloom/layout/InputSetProviderBased.h"
#include "keyloom/layout/KeyboardLayout.h"
#include "keyloom/text/LocalizedService.h"

namespace keyloom {

class KeyboardContext;

// Builds the layout the system keyboard draws for the keyboard's current
// state. Asked again every time the keyboard view is rebuilt.
class KeyboardLayoutProvider : public virtual InputSetProviderBased {
 public:
  // A new layout from the context's current values.
  virtual std::shared_ptr<KeyboardLayout> keyboardLayout(const KeyboardContext& context) = 0;
};

// A layout provider for one locale, as the standard provider registers them.
class LocalizedKeyboardLayoutProvider : public virtual KeyboardLayoutProvider, public LocalizedService {};

}  // namespace keyloom
