#include "keyloom/previews/PreviewCalloutActionProvider.h"

#include <utility>

#include "keyloom/services/EnglishCalloutActionProvider.h"
#include "keyloom/services/StandardCalloutActionProvider.h"
#include "keyloom/state/KeyboardContext.h"

namespace keyloom {

PreviewCalloutActionProvider::PreviewCalloutActionProvider(std::shared_ptr<KeyboardContext> keyboardContext)
    : provider_(std::make_shared<StandardCalloutActionProvider>(
          std::move(keyboardContext), std::vector<std::shared_ptr<LocalizedCalloutActionProvider>>{
                                          std::make_shared<EnglishCalloutActionProvider>()})) {}

std::shared_ptr<PreviewCalloutActionProvider> PreviewCalloutActionProvider::preview() {
  return std::make_shared<PreviewCalloutActionProvider>(KeyboardContext::preview());
}

std::vector<KeyboardAction> PreviewCalloutActionProvider::calloutActions(const KeyboardAction& action) {
  return provider_->calloutActions(action);
}

}  // namespace keyloom
