#pragma once

#include <memory>
#include <string>

#include "keyloom/layout/KeyboardLayoutProviderProxy.h"
#include "keyloom/layout/SystemKeyboardLayoutProvider.h"
#include "keyloom/layout/iPadKeyboardLayoutProvider.h"
#include "keyloom/layout/iPhoneKeyboardLayoutProvider.h"

namespace keyloom {

// The English layouts, registered under "en": the pad provider on pads, the
// phone provider on every other device.
class EnglishKeyboardLayoutProvider : public SystemKeyboardLayoutProvider,
                                      public KeyboardLayoutProviderProxy,
                                      public LocalizedKeyboardLayoutProvider {
 public:
  explicit EnglishKeyboardLayoutProvider(std::shared_ptr<InputSetProvider> inputSetProvider);

  std::string localeKey() const override { return localeKey_; }
  virtual void setLocaleKey(std::string localeKey) { localeKey_ = std::move(localeKey); }

  // Made on first read with the current input set provider.
  virtual std::shared_ptr<iPadKeyboardLayoutProvider> iPadProvider();
  virtual void setIPadProvider(std::shared_ptr<iPadKeyboardLayoutProvider> provider);
  virtual std::shared_ptr<iPhoneKeyboardLayoutProvider> iPhoneProvider();
  virtual void setIPhoneProvider(std::shared_ptr<iPhoneKeyboardLayoutProvider> provider);

  // Also hands the provider to the pad and phone providers made so far, so
  // their layouts follow it.
  void setInputSetProvider(std::shared_ptr<InputSetProvider> inputSetProvider) override;

  std::shared_ptr<KeyboardLayout> keyboardLayout(const KeyboardContext& context) override;
  std::shared_ptr<KeyboardLayoutProvider> keyboardLayoutProvider(const KeyboardContext& context) override;

 private:
  std::string localeKey_ = "en";
  std::shared_ptr<iPadKeyboardLayoutProvider> iPadProvider_;
  std::shared_ptr<iPhoneKeyboardLayoutProvider> iPhoneProvider_;
};

}  // namespace keyloom
