#pragma once

#include <type_traits>

#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/UUID.h"

// Coded forms of the foundation's value types.

namespace platform {

// One string, the absolute string. A string that is no URL is dataCorrupted ("Invalid URL string.").
void encodeValue(Encoder& encoder, const URL& url);
URL decodeValue(Decoder& decoder, std::type_identity<URL>);

// One string, the upper-case UUID string. Anything else is dataCorrupted.
void encodeValue(Encoder& encoder, const UUID& uuid);
UUID decodeValue(Decoder& decoder, std::type_identity<UUID>);

// One number, seconds since the reference date.
void encodeValue(Encoder& encoder, const Date& date);
Date decodeValue(Decoder& decoder, std::type_identity<Date>);

}  // namespace platform
