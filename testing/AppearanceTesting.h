#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/coding/Codable.h"

namespace keyloom::appearance_testing {

template <class T>
std::string encodeJSON(const T& value) {
  return platform::JSONEncoder().encode(value);
}

// Whether `value` encodes to exactly the JSON of `json`, keys in the same
// order (numbers compare by value, so 12 matches 12.0).
template <class T>
::testing::AssertionResult encodesAs(const T& value, std::string_view json) {
  const auto actual = platform::JSONEncoder().encodeToJSON(value);
  const auto expected = platform::JSONDecoder::parse(json);
  if (actual == expected) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "encoded " << actual.dump() << ", expected " << expected.dump();
}

template <class T>
T decodeJSON(std::string_view json) {
  return platform::JSONDecoder().decode<T>(json);
}

template <class T>
T roundTrip(const T& value) {
  return decodeJSON<T>(encodeJSON(value));
}

// The kind and description of the error that decoding `json` as T throws.
template <class T>
platform::DecodingError decodingError(std::string_view json) {
  try {
    (void)decodeJSON<T>(json);
  } catch (const platform::DecodingError& error) {
    return error;
  }
  ADD_FAILURE() << "decoding did not fail: " << json;
  throw std::logic_error("decoding did not fail");
}

}  // namespace keyloom::appearance_testing
