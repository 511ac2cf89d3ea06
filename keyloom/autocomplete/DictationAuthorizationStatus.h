#pragma once

#include <cstdint>
#include <optional>
#include <ostream>

namespace keyloom {

// Whether speech recognition may run. The raw values are the platform's, with
// -1 for a service that cannot dictate at all.
enum class DictationAuthorizationStatus : int {
  disabledService = -1,
  notDetermined = 0,
  denied = 1,
  restricted = 2,
  authorized = 3,
};

inline int rawValue(DictationAuthorizationStatus status) { return static_cast<int>(status); }

// -1 to 3 give a status; anything else gives none.
std::optional<DictationAuthorizationStatus> dictationAuthorizationStatus(std::int64_t rawValue);

// The status for the platform's speech-recognition authorization raw value:
// 0 to 3 map one to one, any other value (a status this library does not
// know) counts as notDetermined.
DictationAuthorizationStatus keyboardDictationStatus(std::int64_t platformRawValue);

std::ostream& operator<<(std::ostream& out, DictationAuthorizationStatus status);

}  // namespace keyloom
