#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

// The two forms of enumerations:
// - with a string raw value: one string;
// - without (with or without payloads): the one-key form, a keyed container
//   whose single key is the case name, holding a keyed container of the
//   payload (empty for a case without payload).

namespace platform {

// Writes the raw value as one string.
void encodeRawValue(Encoder& encoder, std::string_view rawValue);

// Reads one string and returns its position in `rawValues`; a string no case
// has is dataCorrupted ("Cannot initialize KeyboardCase from invalid String
// value capsLock").
std::size_t decodeRawValue(Decoder& decoder, std::span<const std::string_view> rawValues,
                           std::string_view typeName);

// Opens the one-key form for `caseName` and returns the payload container.
KeyedEncodingContainer encodeCase(Encoder& encoder, std::string_view caseName);

struct DecodedCase {
  std::size_t index;  // position of the case in the names given
  std::string name;   // the case name found
  KeyedDecodingContainer payload;
};

// Reads the one-key form. Only keys that are one of `caseNames` (compared
// exactly) count; other keys are ignored. Unless exactly one counts, throws a
// typeMismatch for `typeName` at the container's path with the description
// "Invalid number of keys found, expected one.". The value under the key must
// be a keyed container (the decoder's own error otherwise).
DecodedCase decodeCase(Decoder& decoder, std::span<const std::string_view> caseNames,
                       std::string_view typeName);

inline constexpr std::string_view invalidNumberOfKeysDescription =
    "Invalid number of keys found, expected one.";

}  // namespace platform
