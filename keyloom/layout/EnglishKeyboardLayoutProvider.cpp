#include "keyloom/layout/EnglishKeyboardLayoutProvider.h"

#include "keyloom/state/KeyboardContext.h"

namespace keyloom {

EnglishKeyboardLayoutProvider::EnglishKeyboardLayoutProvider(std::shared_ptr<InputSetProvider> inputSetProvider)
    : SystemKeyboardLayoutProvider(std::move(inputSetProvider)) {}

std::shared_ptr<iPadKeyboardLayoutProvider> EnglishKeyboardLayoutProvider::iPadProvider() {
  if (!iPadProvider_) iPadProvider_ = std::make_shared<iPadKeyboardLayoutProvider>(inputSetProvider());
  return iPadProvider_;
}

void EnglishKeyboardLayoutProvider::setIPadProvider(std::shared_ptr<iPadKeyboardLayoutProvider> provider) {
  iPadProvider_ = std::move(provider);
}

std::shared_ptr<iPhoneKeyboardLayoutProvider> EnglishKeyboardLayoutProvider::iPhoneProvider() {
  if (!iPhoneProvider_) iPhoneProvider_ = std::make_shared<iPhoneKeyboardLayoutProvider>(inputSetProvider());
  return iPhoneProvider_;
}

void EnglishKeyboardLayoutProvider::setIPhoneProvider(std::shared_ptr<iPhoneKeyboardLayoutProvider> provider) {
  iPhoneProvider_ = std::move(provider);
}

void EnglishKeyboardLayoutProvider::setInputSetProvider(std::shared_ptr<InputSetProvider> inputSetProvider) {
  SystemKeyboardLayoutProvider::setInputSetProvider(inputSetProvider);
  if (iPadProvider_) iPadProvider_->register_(inputSetProvider);
  if (iPhoneProvider_) iPhoneProvider_->register_(inputSetProvider);
}

std::shared_ptr<KeyboardLayout> EnglishKeyboardLayoutProvider::keyboardLayout(const KeyboardContext& context) {
  return keyboardLayoutProvider(context)->keyboardLayout(context);
}

std::shared_ptr<KeyboardLayoutProvider> EnglishKeyboardLayoutProvider::keyboardLayoutProvider(
    const KeyboardContext& context) {
  if (context.deviceType.get() == DeviceType::pad) return iPadProvider();
  return iPhoneProvider();
}

}  // namespace keyloom
