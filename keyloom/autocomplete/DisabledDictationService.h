#pragma once

#include "keyloom/autocomplete/DictationService.h"

namespace keyloom {

// The recognising service where there is no engine: it reports disabledService
// as its status, and starting or stopping fails with disabledService.
class DisabledDictationService : public DictationService {
 public:
  DictationAuthorizationStatus authorizationStatus() const override {
    return DictationAuthorizationStatus::disabledService;
  }
  void requestDictationAuthorization(DictationAuthorizationCompletion completion) override;
  void resetDictationResult(DictationCompletion completion) override;
  void startDictation(const DictationConfiguration& configuration, DictationCompletion completion) override;
  void stopDictation(DictationCompletion completion) override;
};

}  // namespace keyloom
