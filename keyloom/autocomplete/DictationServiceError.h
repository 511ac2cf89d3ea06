#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "keyloom/autocomplete/DictationAuthorizationStatus.h"
#include "platform/foundation/Error.h"

namespace keyloom {

namespace dictation_service_error {
struct InvalidAppDeepLink {
  static constexpr std::string_view name = "invalidAppDeepLink";
  std::string deepLink;
  bool operator==(const InvalidAppDeepLink&) const = default;
};
struct InvalidDictationAuthorizationStatus {
  static constexpr std::string_view name = "invalidDictationAuthorizationStatus";
  DictationAuthorizationStatus status;
  bool operator==(const InvalidDictationAuthorizationStatus&) const = default;
};
struct DisabledService {
  static constexpr std::string_view name = "disabledService";
  bool operator==(const DisabledService&) const = default;
};
struct MissingAppGroupId {
  static constexpr std::string_view name = "missingAppGroupId";
  bool operator==(const MissingAppGroupId&) const = default;
};
struct MissingSpeechRecognizer {
  static constexpr std::string_view name = "missingSpeechRecognizer";
  bool operator==(const MissingSpeechRecognizer&) const = default;
};
struct MissingSpeechRecognitionRequest {
  static constexpr std::string_view name = "missingSpeechRecognitionRequest";
  bool operator==(const MissingSpeechRecognitionRequest&) const = default;
};
}  // namespace dictation_service_error

// Why a dictation service could not do what it was asked. The description is
// the case with its payload, e.g. "DictationServiceError.disabledService".
class DictationServiceError : public platform::Error {
 public:
  using Value = std::variant<dictation_service_error::InvalidAppDeepLink,
                             dictation_service_error::InvalidDictationAuthorizationStatus,
                             dictation_service_error::DisabledService, dictation_service_error::MissingAppGroupId,
                             dictation_service_error::MissingSpeechRecognizer,
                             dictation_service_error::MissingSpeechRecognitionRequest>;

  static DictationServiceError invalidAppDeepLink(std::string deepLink) {
    return DictationServiceError(dictation_service_error::InvalidAppDeepLink{std::move(deepLink)});
  }
  static DictationServiceError invalidDictationAuthorizationStatus(DictationAuthorizationStatus status) {
    return DictationServiceError(dictation_service_error::InvalidDictationAuthorizationStatus{status});
  }
  static DictationServiceError disabledService() {
    return DictationServiceError(dictation_service_error::DisabledService{});
  }
  static DictationServiceError missingAppGroupId() {
    return DictationServiceError(dictation_service_error::MissingAppGroupId{});
  }
  static DictationServiceError missingSpeechRecognizer() {
    return DictationServiceError(dictation_service_error::MissingSpeechRecognizer{});
  }
  static DictationServiceError missingSpeechRecognitionRequest() {
    return DictationServiceError(dictation_service_error::MissingSpeechRecognitionRequest{});
  }

  const Value& value() const { return value_; }
  template <class Case>
  bool is() const {
    return std::holds_alternative<Case>(value_);
  }
  std::string_view caseName() const;

  bool operator==(const DictationServiceError& other) const { return value_ == other.value_; }

 private:
  explicit DictationServiceError(Value value);

  Value value_;
};

}  // namespace keyloom
