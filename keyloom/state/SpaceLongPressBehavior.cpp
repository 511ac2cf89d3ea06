#include "keyloom/state/SpaceLongPressBehavior.h"

#include "platform/coding/EnumCoding.h"

namespace keyloom {

void encodeValue(platform::Encoder& encoder, SpaceLongPressBehavior behavior) {
  platform::encodeCase(encoder, spaceLongPressBehaviorNames[static_cast<std::size_t>(behavior)]);
}

SpaceLongPressBehavior decodeValue(platform::Decoder& decoder, std::type_identity<SpaceLongPressBehavior>) {
  const platform::DecodedCase found =
      platform::decodeCase(decoder, spaceLongPressBehaviorNames, "SpaceLongPressBehavior");
  return static_cast<SpaceLongPressBehavior>(found.index);
}

}  // namespace keyloom
