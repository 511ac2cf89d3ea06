#pragma once

#include <memory>
#include <vector>

#include "keyloom/services/CalloutActionProvider.h"
#include "keyloom/services/EnglishCalloutActionProvider.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/LocaleDictionary.h"

namespace keyloom {

// Answers with the provider registered for the keyboard's current locale,
// chosen anew at every call, else with English.
class StandardCalloutActionProvider : public CalloutActionProvider {
 public:
  // Each provider is registered under its localeKey(); of several with the
  // same key the first is kept.
  StandardCalloutActionProvider(std::shared_ptr<KeyboardContext> keyboardContext,
                                const std::vector<std::shared_ptr<LocalizedCalloutActionProvider>>& providers);

  // A new English provider on every call.
  static std::shared_ptr<EnglishCalloutActionProvider> standardProvider() {
    return std::make_shared<EnglishCalloutActionProvider>();
  }

  const std::shared_ptr<KeyboardContext>& keyboardContext() const { return keyboardContext_; }
  virtual const LocaleDictionary<std::shared_ptr<CalloutActionProvider>>& localizedProviders() const {
    return localizedProviders_;
  }
  virtual void setLocalizedProviders(LocaleDictionary<std::shared_ptr<CalloutActionProvider>> providers) {
    localizedProviders_ = std::move(providers);
  }

  std::vector<KeyboardAction> calloutActions(const KeyboardAction& action) override;
  virtual std::shared_ptr<CalloutActionProvider> provider(const KeyboardContext& context);
  virtual std::shared_ptr<CalloutActionProvider> provider(const platform::Locale& locale);

 private:
  std::shared_ptr<KeyboardContext> keyboardContext_;
  LocaleDictionary<std::shared_ptr<CalloutActionProvider>> localizedProviders_;
};

}  // namespace keyloom
