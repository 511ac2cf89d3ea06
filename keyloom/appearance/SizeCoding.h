#pragma once

#include <type_traits>

#include "platform/coding/Decoder.h"
#include "platform/coding/Encoder.h"
#include "platform/foundation/Geometry.h"

namespace keyloom {

// A size in a coded style: an unkeyed pair, width then height. Wrapped so the
// coders find it without claiming the coded form of every platform::Size.
struct CodedSize {
  platform::Size size;
};

void encodeValue(platform::Encoder& encoder, const CodedSize& size);
// Fewer than two numbers is valueNotFound; anything after them is ignored.
CodedSize decodeValue(platform::Decoder& decoder, std::type_identity<CodedSize>);

}  // namespace keyloom
