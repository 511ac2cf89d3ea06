#include "keyloom/layout/StandardKeyboardLayoutProvider.h"

#include <map>
#include <string>

#include "keyloom/state/KeyboardContext.h"

namespace keyloom {

namespace {

LocaleDictionary<std::shared_ptr<KeyboardLayoutProvider>> registry(
    const std::vector<std::shared_ptr<LocalizedKeyboardLayoutProvider>>& providers) {
  std::map<std::string, std::shared_ptr<KeyboardLayoutProvider>> map;
  for (const auto& provider : providers) {
    if (provider) map[provider->localeKey()] = provider;
  }
  return LocaleDictionary<std::shared_ptr<KeyboardLayoutProvider>>(std::move(map));
}

}  // namespace

StandardKeyboardLayoutProvider::StandardKeyboardLayoutProvider(
    std::shared_ptr<KeyboardContext> keyboardContext, std::shared_ptr<InputSetProvider> inputSetProvider,
    const std::vector<std::shared_ptr<LocalizedKeyboardLayoutProvider>>& localizedProviders)
    : inputSetProvider_(std::move(inputSetProvider)),
      keyboardContext_(std::move(keyboardContext)),
      localizedProviders_(registry(localizedProviders)) {}

void StandardKeyboardLayoutProvider::setInputSetProvider(std::shared_ptr<InputSetProvider> inputSetProvider) {
  inputSetProvider_ = std::move(inputSetProvider);
  iPadProvider()->register_(inputSetProvider_);
  iPhoneProvider()->register_(inputSetProvider_);
}

void StandardKeyboardLayoutProvider::register_(std::shared_ptr<InputSetProvider> inputSetProvider) {
  setInputSetProvider(std::move(inputSetProvider));
}

std::shared_ptr<iPadKeyboardLayoutProvider> StandardKeyboardLayoutProvider::iPadProvider() {
  if (!iPadProvider_) iPadProvider_ = std::make_shared<iPadKeyboardLayoutProvider>(inputSetProvider_);
  return iPadProvider_;
}

void StandardKeyboardLayoutProvider::setIPadProvider(std::shared_ptr<iPadKeyboardLayoutProvider> provider) {
  iPadProvider_ = std::move(provider);
}

std::shared_ptr<iPhoneKeyboardLayoutProvider> StandardKeyboardLayoutProvider::iPhoneProvider() {
  if (!iPhoneProvider_) iPhoneProvider_ = std::make_shared<iPhoneKeyboardLayoutProvider>(inputSetProvider_);
  return iPhoneProvider_;
}

void StandardKeyboardLayoutProvider::setIPhoneProvider(std::shared_ptr<iPhoneKeyboardLayoutProvider> provider) {
  iPhoneProvider_ = std::move(provider);
}

std::shared_ptr<KeyboardLayout> StandardKeyboardLayoutProvider::keyboardLayout(const KeyboardContext& context) {
  return keyboardLayoutProvider(context)->keyboardLayout(context);
}

std::shared_ptr<KeyboardLayoutProvider> StandardKeyboardLayoutProvider::keyboardLayoutProvider(
    const KeyboardContext& context) {
  if (auto localized = localizedProviders_.value(context.locale.get())) return *localized;
  if (context.deviceType.get() == DeviceType::pad) return iPadProvider();
  return iPhoneProvider();
}

}  // namespace keyloom
