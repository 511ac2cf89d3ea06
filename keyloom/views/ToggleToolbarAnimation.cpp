#include "keyloom/views/ToggleToolbarAnimation.h"

#include "platform/coding/EnumCoding.h"

namespace keyloom {

void encodeValue(platform::Encoder& encoder, ToggleToolbarAnimation animation) {
  platform::encodeRawValue(encoder, rawValue(animation));
}

ToggleToolbarAnimation decodeValue(platform::Decoder& decoder, std::type_identity<ToggleToolbarAnimation>) {
  return static_cast<ToggleToolbarAnimation>(platform::decodeRawValue(
      decoder, RawValueTable<ToggleToolbarAnimation>::names, "ToggleToolbarAnimation"));
}

}  // namespace keyloom
