#pragma once

#include <string>
#include <type_traits>

#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"

namespace keyloom {

// What a recognising service needs to start: the locale to recognise.
struct DictationConfiguration {
  explicit DictationConfiguration(std::string localeId) : localeId(std::move(localeId)) {}

  std::string localeId;

  // The current locale's identifier, read anew at each call.
  static DictationConfiguration standard();

  bool operator==(const DictationConfiguration&) const = default;
};

// {"localeId": "…"}; required.
void encodeValue(platform::Encoder& encoder, const DictationConfiguration& configuration);
DictationConfiguration decodeValue(platform::Decoder& decoder, std::type_identity<DictationConfiguration>);

}  // namespace keyloom
