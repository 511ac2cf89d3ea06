#include "keyloom/previews/PreviewKeyboardLayoutProvider.h"

#include <utility>
#include <vector>

#include "keyloom/layout/StandardKeyboardLayoutProvider.h"
#include "keyloom/previews/PreviewInputSetProvider.h"
#include "keyloom/state/KeyboardContext.h"

namespace keyloom {

PreviewKeyboardLayoutProvider::PreviewKeyboardLayoutProvider(
    const std::shared_ptr<KeyboardContext>& keyboardContext)
    : provider_(std::make_shared<StandardKeyboardLayoutProvider>(
          KeyboardContext::preview(), std::make_shared<PreviewInputSetProvider>(keyboardContext),
          std::vector<std::shared_ptr<LocalizedKeyboardLayoutProvider>>{})) {}

std::shared_ptr<PreviewKeyboardLayoutProvider> PreviewKeyboardLayoutProvider::preview() {
  return std::make_shared<PreviewKeyboardLayoutProvider>(KeyboardContext::preview());
}

std::shared_ptr<KeyboardLayout> PreviewKeyboardLayoutProvider::keyboardLayout(
    const KeyboardContext& context) {
  return provider_->keyboardLayout(context);
}

void PreviewKeyboardLayoutProvider::register_(std::shared_ptr<InputSetProvider> inputSetProvider) {
  provider_->register_(std::move(inputSetProvider));
}

}  // namespace keyloom
