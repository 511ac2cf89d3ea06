#include "keyloom/autocomplete/DictationAuthorizationStatus.h"

namespace keyloom {

std::optional<DictationAuthorizationStatus> dictationAuthorizationStatus(std::int64_t rawValue) {
  if (rawValue < -1 || rawValue > 3) return std::nullopt;
  return static_cast<DictationAuthorizationStatus>(rawValue);
}

DictationAuthorizationStatus keyboardDictationStatus(std::int64_t platformRawValue) {
  if (platformRawValue < 0 || platformRawValue > 3) return DictationAuthorizationStatus::notDetermined;
  return static_cast<DictationAuthorizationStatus>(platformRawValue);
}

std::ostream& operator<<(std::ostream& out, DictationAuthorizationStatus status) {
  switch (status) {
    case DictationAuthorizationStatus::disabledService:
      return out << "disabledService";
    case DictationAuthorizationStatus::notDetermined:
      return out << "notDetermined";
    case DictationAuthorizationStatus::denied:
      return out << "denied";
    case DictationAuthorizationStatus::restricted:
      return out << "restricted";
    case DictationAuthorizationStatus::authorized:
      return out << "authorized";
  }
  return out << rawValue(status);
}

}  // namespace keyloom
