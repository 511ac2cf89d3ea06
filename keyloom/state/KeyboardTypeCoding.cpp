#include "keyloom/state/KeyboardType.h"

#include "keyloom/core/CaseValue.h"
#include "platform/coding/EnumCoding.h"

namespace keyloom {

namespace kt = keyboard_type;

namespace {

using Cases = VariantCases<KeyboardType::Value>;

template <class Case>
constexpr std::size_t caseIndex = Cases::indexOf<Case>();

}  // namespace

void encodeValue(platform::Encoder& encoder, const KeyboardType& type) {
  platform::KeyedEncodingContainer payload = platform::encodeCase(encoder, type.caseName());
  if (auto alphabetic = type.get<kt::Alphabetic>()) payload.encode("_0", alphabetic->casing);
  if (auto custom = type.get<kt::Custom>()) payload.encode("named", custom->named);
}

KeyboardType decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardType>) {
  const platform::DecodedCase found = platform::decodeCase(decoder, Cases::names, "KeyboardType");
  switch (found.index) {
    case caseIndex<kt::Alphabetic>:
      return KeyboardType::alphabetic(found.payload.decode<KeyboardCase>("_0"));
    case caseIndex<kt::Numeric>:
      return KeyboardType::numeric();
    case caseIndex<kt::Symbolic>:
      return KeyboardType::symbolic();
    case caseIndex<kt::Email>:
      return KeyboardType::email();
    case caseIndex<kt::Emojis>:
      return KeyboardType::emojis();
    case caseIndex<kt::Images>:
      return KeyboardType::images();
    case caseIndex<kt::Custom>:
      return KeyboardType::custom(found.payload.decode<std::string>("named"));
  }
  throw platform::DecodingError::dataCorrupted(decoder.codingPath(), "Unknown KeyboardType case.");
}

}  // namespace keyloom
