#pragma once

#include <memory>
#include <vector>

#include "keyloom/layout/KeyboardLayoutProvider.h"
#include "keyloom/layout/iPadKeyboardLayoutProvider.h"
#include "keyloom/layout/iPhoneKeyboardLayoutProvider.h"
#include "keyloom/state/LocaleDictionary.h"

namespace keyloom {

// The layout provider the keyboard uses by default: a provider registered for
// the context's locale (by identifier, then language code), else the pad
// provider on pads and the phone provider on every other device.
class StandardKeyboardLayoutProvider : public virtual KeyboardLayoutProvider {
 public:
  // The localized providers are registered under their locale keys; when two
  // share a key, the later one in the list is kept (as for input sets).
  StandardKeyboardLayoutProvider(std::shared_ptr<KeyboardContext> keyboardContext,
                                 std::shared_ptr<InputSetProvider> inputSetProvider,
                                 const std::vector<std::shared_ptr<LocalizedKeyboardLayoutProvider>>& localizedProviders);

  const std::shared_ptr<InputSetProvider>& inputSetProvider() const { return inputSetProvider_; }
  // The same as register_.
  virtual void setInputSetProvider(std::shared_ptr<InputSetProvider> inputSetProvider);

  const std::shared_ptr<KeyboardContext>& keyboardContext() const { return keyboardContext_; }
  const LocaleDictionary<std::shared_ptr<KeyboardLayoutProvider>>& localizedProviders() const {
    return localizedProviders_;
  }

  // Made on first read with the current input set provider.
  virtual std::shared_ptr<iPadKeyboardLayoutProvider> iPadProvider();
  virtual void setIPadProvider(std::shared_ptr<iPadKeyboardLayoutProvider> provider);
  virtual std::shared_ptr<iPhoneKeyboardLayoutProvider> iPhoneProvider();
  virtual void setIPhoneProvider(std::shared_ptr<iPhoneKeyboardLayoutProvider> provider);

  std::shared_ptr<KeyboardLayout> keyboardLayout(const KeyboardContext& context) override;
  virtual std::shared_ptr<KeyboardLayoutProvider> keyboardLayoutProvider(const KeyboardContext& context);
  // Stores the provider and hands it to the pad and phone providers (making
  // them if need be). The localized providers are not told.
  void register_(std::shared_ptr<InputSetProvider> inputSetProvider) override;

 private:
  std::shared_ptr<InputSetProvider> inputSetProvider_;
  std::shared_ptr<KeyboardContext> keyboardContext_;
  LocaleDictionary<std::shared_ptr<KeyboardLayoutProvider>> localizedProviders_;
  std::shared_ptr<iPadKeyboardLayoutProvider> iPadProvider_;
  std::shared_ptr<iPhoneKeyboardLayoutProvider> iPhoneProvider_;
};

}  // namespace keyloom
