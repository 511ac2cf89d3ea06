#include "keyloom/autocomplete/DisabledKeyboardDictationService.h"

#include <cassert>

#include "platform/ui/Transaction.h"

namespace keyloom {

DisabledKeyboardDictationService::DisabledKeyboardDictationService(std::shared_ptr<DictationContext> context)
    : context_(std::move(context)) {
  assert(context_ && "the disabled dictation service needs a context");
}

void DisabledKeyboardDictationService::requestDictationAuthorization(DictationAuthorizationCompletion completion) {
  complete(completion, DictationAuthorizationStatus::disabledService);
}

void DisabledKeyboardDictationService::startDictationFromKeyboard(const KeyboardDictationConfiguration&,
                                                                  DictationCompletion completion) {
  resetContext(completion);
}

void DisabledKeyboardDictationService::performDictationInApp(const KeyboardDictationConfiguration&,
                                                             DictationCompletion completion) {
  resetContext(completion);
}

void DisabledKeyboardDictationService::abortDictationInApp(DictationCompletion completion) {
  resetContext(completion);
}

void DisabledKeyboardDictationService::finishDictationInApp(DictationCompletion completion) {
  resetContext(completion);
}

void DisabledKeyboardDictationService::handleDictationResultInKeyboard(DictationCompletion completion) {
  resetContext(completion);
}

void DisabledKeyboardDictationService::resetContext(const DictationCompletion& completion) {
  platform::ui::withAnimation([this] { context_->reset(); });
  complete(completion);
}

}  // namespace keyloom
