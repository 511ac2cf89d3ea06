#include "platform/coding/EnumCoding.h"

#include <algorithm>

namespace platform {

void encodeRawValue(Encoder& encoder, std::string_view rawValue) {
  encoder.singleValueContainer().encodeString(rawValue);
}

std::size_t decodeRawValue(Decoder& decoder, std::span<const std::string_view> rawValues,
                           std::string_view typeName) {
  SingleValueDecodingContainer container = decoder.singleValueContainer();
  const std::string rawValue = container.decodeString();
  auto found = std::find(rawValues.begin(), rawValues.end(), rawValue);
  if (found == rawValues.end()) {
    throw container.dataCorruptedError("Cannot initialize " + std::string(typeName) +
                                       " from invalid String value " + rawValue);
  }
  return static_cast<std::size_t>(found - rawValues.begin());
}

KeyedEncodingContainer encodeCase(Encoder& encoder, std::string_view caseName) {
  return encoder.container().nestedContainer(caseName);
}

DecodedCase decodeCase(Decoder& decoder, std::span<const std::string_view> caseNames,
                       std::string_view typeName) {
  KeyedDecodingContainer container = decoder.container();
  std::optional<std::size_t> found;
  std::string foundName;
  std::size_t count = 0;
  for (const std::string& key : container.allKeys()) {
    auto match = std::find(caseNames.begin(), caseNames.end(), key);
    if (match == caseNames.end()) continue;
    ++count;
    found = static_cast<std::size_t>(match - caseNames.begin());
    foundName = key;
  }
  if (count != 1) {
    throw DecodingError::typeMismatch(std::string(typeName), container.codingPath(),
                                      std::string(invalidNumberOfKeysDescription));
  }
  KeyedDecodingContainer payload = container.nestedContainer(foundName);
  return DecodedCase{*found, std::move(foundName), std::move(payload)};
}

}  // namespace platform
