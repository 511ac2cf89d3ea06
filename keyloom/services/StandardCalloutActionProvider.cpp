#include "keyloom/services/StandardCalloutActionProvider.h"

#include <map>
#include <string>

namespace keyloom {

StandardCalloutActionProvider::StandardCalloutActionProvider(
    std::shared_ptr<KeyboardContext> keyboardContext,
    const std::vector<std::shared_ptr<LocalizedCalloutActionProvider>>& providers)
    : keyboardContext_(std::move(keyboardContext)) {
  std::map<std::string, std::shared_ptr<CalloutActionProvider>> byKey;
  for (const auto& provider : providers)
    if (provider) byKey.emplace(provider->localeKey(), provider);
  localizedProviders_ = LocaleDictionary<std::shared_ptr<CalloutActionProvider>>(std::move(byKey));
}

std::vector<KeyboardAction> StandardCalloutActionProvider::calloutActions(const KeyboardAction& action) {
  return provider(*keyboardContext_)->calloutActions(action);
}

std::shared_ptr<CalloutActionProvider> StandardCalloutActionProvider::provider(const KeyboardContext& context) {
  return provider(context.locale.get());
}

std::shared_ptr<CalloutActionProvider> StandardCalloutActionProvider::provider(const platform::Locale& locale) {
  if (auto found = localizedProviders().value(locale); found && *found) return *found;
  return standardProvider();
}

}  // namespace keyloom
