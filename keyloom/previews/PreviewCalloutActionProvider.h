#pragma once

#include <memory>
#include <vector>

#include "keyloom/services/CalloutActionProvider.h"

namespace keyloom {

class KeyboardContext;

// The standard callout actions with English as the only locale.
class PreviewCalloutActionProvider : public CalloutActionProvider {
 public:
  explicit PreviewCalloutActionProvider(std::shared_ptr<KeyboardContext> keyboardContext);

  // A new provider on a new preview context on every call.
  static std::shared_ptr<PreviewCalloutActionProvider> preview();

  const std::shared_ptr<CalloutActionProvider>& provider() const { return provider_; }

  std::vector<KeyboardAction> calloutActions(const KeyboardAction& action) override;

 private:
  std::shared_ptr<CalloutActionProvider> provider_;
};

}  // namespace keyloom
