#pragma once

#include "keyloom/services/CalloutActionProvider.h"

namespace keyloom {

// Offers nothing, so no callout ever opens.
class DisabledCalloutActionProvider : public CalloutActionProvider {
 public:
  std::vector<KeyboardAction> calloutActions(const KeyboardAction&) override { return {}; }
};

}  // namespace keyloom
