#pragma once

#include <functional>
#include <memory>
#include <variant>

#include "keyloom/autocomplete/DictationAuthorizationStatus.h"
#include "keyloom/autocomplete/DictationConfiguration.h"
#include "platform/foundation/Error.h"

namespace keyloom {

// Why a dictation operation failed; null when it succeeded.
using DictationError = std::shared_ptr<const platform::Error>;

// The end of an asynchronous dictation operation: called once, with null on
// success, possibly before the operation returns. An empty completion is allowed.
using DictationCompletion = std::function<void(DictationError)>;
using DictationAuthorizationResult = std::variant<DictationAuthorizationStatus, DictationError>;
using DictationAuthorizationCompletion = std::function<void(DictationAuthorizationResult)>;

inline void complete(const DictationCompletion& completion, DictationError error = nullptr) {
  if (completion) completion(std::move(error));
}
inline void complete(const DictationAuthorizationCompletion& completion, DictationAuthorizationResult result) {
  if (completion) completion(std::move(result));
}

// The side that recognises speech where it is allowed (the host app).
// Nothing in the keyboard calls it.
class DictationService {
 public:
  virtual ~DictationService() = default;

  virtual DictationAuthorizationStatus authorizationStatus() const = 0;
  virtual void requestDictationAuthorization(DictationAuthorizationCompletion completion) = 0;
  virtual void resetDictationResult(DictationCompletion completion) = 0;
  virtual void startDictation(const DictationConfiguration& configuration, DictationCompletion completion) = 0;
  virtual void stopDictation(DictationCompletion completion) = 0;
};

}  // namespace keyloom
