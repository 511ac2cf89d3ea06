#pragma once

#include "keyloom/autocomplete/DictationService.h"
#include "keyloom/autocomplete/KeyboardDictationConfiguration.h"

namespace keyloom {

// The dictation service the keyboard uses: it hands dictation to the host app
// and takes the result back. The controller starts dictation from the dictation
// key and handles the result each time the keyboard is shown, storing any
// error in the dictation context's lastError.
class KeyboardDictationService {
 public:
  virtual ~KeyboardDictationService() = default;

  virtual DictationAuthorizationStatus authorizationStatus() const = 0;
  virtual void requestDictationAuthorization(DictationAuthorizationCompletion completion) = 0;
  virtual void startDictationFromKeyboard(const KeyboardDictationConfiguration& configuration,
                                          DictationCompletion completion) = 0;
  virtual void performDictationInApp(const KeyboardDictationConfiguration& configuration,
                                     DictationCompletion completion) = 0;
  virtual void abortDictationInApp(DictationCompletion completion) = 0;
  virtual void finishDictationInApp(DictationCompletion completion) = 0;
  virtual void handleDictationResultInKeyboard(DictationCompletion completion) = 0;
  virtual void undoLastDictation() = 0;
};

}  // namespace keyloom
