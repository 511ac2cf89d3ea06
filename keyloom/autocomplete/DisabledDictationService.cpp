#include "keyloom/autocomplete/DisabledDictationService.h"

#include "keyloom/autocomplete/DictationServiceError.h"

namespace keyloom {

namespace {

DictationError disabledServiceError() {
  return std::make_shared<DictationServiceError>(DictationServiceError::disabledService());
}

}  // namespace

void DisabledDictationService::requestDictationAuthorization(DictationAuthorizationCompletion completion) {
  complete(completion, DictationAuthorizationStatus::disabledService);
}

void DisabledDictationService::resetDictationResult(DictationCompletion completion) { complete(completion); }

void DisabledDictationService::startDictation(const DictationConfiguration&, DictationCompletion completion) {
  complete(completion, disabledServiceError());
}

void DisabledDictationService::stopDictation(DictationCompletion completion) {
  complete(completion, disabledServiceError());
}

}  // namespace keyloom
