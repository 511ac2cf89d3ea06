#include "keyloom/autocomplete/DictationServiceError.h"

#include <sstream>

namespace keyloom {

namespace dse = dictation_service_error;

namespace {

std::string describe(const DictationServiceError::Value& value) {
  std::ostringstream out;
  out << "DictationServiceError.";
  std::visit([&out](const auto& kase) { out << kase.name; }, value);
  if (const auto* link = std::get_if<dse::InvalidAppDeepLink>(&value)) out << "(\"" << link->deepLink << "\")";
  if (const auto* status = std::get_if<dse::InvalidDictationAuthorizationStatus>(&value)) {
    out << "(" << status->status << ")";
  }
  return out.str();
}

}  // namespace

DictationServiceError::DictationServiceError(Value value)
    : platform::Error(describe(value)), value_(std::move(value)) {}

std::string_view DictationServiceError::caseName() const {
  return std::visit([](const auto& kase) -> std::string_view { return kase.name; }, value_);
}

}  // namespace keyloom
