#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/coding/Codable.h"

namespace keyloom::testing {

// The decoding error thrown when `json` is read as T, or none when it reads.
template <class T>
std::optional<platform::DecodingError> decodingError(std::string_view json) {
  try {
    platform::JSONDecoder().decode<T>(json);
  } catch (const platform::DecodingError& error) {
    return error;
  }
  return std::nullopt;
}

}  // namespace keyloom::testing
