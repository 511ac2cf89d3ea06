#pragma once

#include <memory>

#include "keyloom/autocomplete/DictationContext.h"
#include "keyloom/autocomplete/KeyboardDictationService.h"

namespace keyloom {

// The keyboard's dictation service where there is no engine: every request
// resets the context (inside an animation) and succeeds; nothing fails.
class DisabledKeyboardDictationService : public KeyboardDictationService {
 public:
  // `context` must not be null.
  explicit DisabledKeyboardDictationService(std::shared_ptr<DictationContext> context);

  const std::shared_ptr<DictationContext>& context() const { return context_; }

  DictationAuthorizationStatus authorizationStatus() const override {
    return DictationAuthorizationStatus::disabledService;
  }
  void requestDictationAuthorization(DictationAuthorizationCompletion completion) override;
  void startDictationFromKeyboard(const KeyboardDictationConfiguration& configuration,
                                  DictationCompletion completion) override;
  void performDictationInApp(const KeyboardDictationConfiguration& configuration,
                             DictationCompletion completion) override;
  void abortDictationInApp(DictationCompletion completion) override;
  void finishDictationInApp(DictationCompletion completion) override;
  void handleDictationResultInKeyboard(DictationCompletion completion) override;
  void undoLastDictation() override {}

 private:
  void resetContext(const DictationCompletion& completion);

  const std::shared_ptr<DictationContext> context_;
};

}  // namespace keyloom
