#include "keyloom/state/KeyboardGesture.h"

#include "platform/coding/EnumCoding.h"

namespace keyloom {

void encodeValue(platform::Encoder& encoder, KeyboardGesture gesture) {
  platform::encodeRawValue(encoder, rawValue(gesture));
}

KeyboardGesture decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardGesture>) {
  return static_cast<KeyboardGesture>(
      platform::decodeRawValue(decoder, RawValueTable<KeyboardGesture>::names, "KeyboardGesture"));
}

}  // namespace keyloom
