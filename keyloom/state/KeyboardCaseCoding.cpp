#include "keyloom/state/KeyboardCase.h"

#include "platform/coding/EnumCoding.h"

namespace keyloom {

void encodeValue(platform::Encoder& encoder, KeyboardCase casing) { platform::encodeRawValue(encoder, rawValue(casing)); }

KeyboardCase decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardCase>) {
  return static_cast<KeyboardCase>(
      platform::decodeRawValue(decoder, RawValueTable<KeyboardCase>::names, "KeyboardCase"));
}

}  // namespace keyloom
