#pragma once

#include <vector>

#include "keyloom/state/KeyboardAction.h"
#include "keyloom/text/LocalizedService.h"

namespace keyloom {

// Which secondary actions a key offers when it is long-pressed.
class CalloutActionProvider {
 public:
  virtual ~CalloutActionProvider() = default;
  virtual std::vector<KeyboardAction> calloutActions(const KeyboardAction& action) = 0;
};

// A provider registered for one locale under its localeKey().
class LocalizedCalloutActionProvider : public virtual CalloutActionProvider, public LocalizedService {};

}  // namespace keyloom
