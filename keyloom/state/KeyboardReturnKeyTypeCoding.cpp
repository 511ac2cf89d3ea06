#include "keyloom/state/KeyboardReturnKeyType.h"

#include "keyloom/core/CaseValue.h"
#include "platform/coding/EnumCoding.h"

namespace keyloom {

namespace rk = keyboard_return_key_type;

namespace {

using Cases = VariantCases<KeyboardReturnKeyType::Value>;

template <class Case>
constexpr std::size_t caseIndex = Cases::indexOf<Case>();

}  // namespace

void encodeValue(platform::Encoder& encoder, const KeyboardReturnKeyType& type) {
  platform::KeyedEncodingContainer payload = platform::encodeCase(encoder, type.caseName());
  if (auto custom = type.get<rk::Custom>()) payload.encode("title", custom->title);
}

KeyboardReturnKeyType decodeValue(platform::Decoder& decoder, std::type_identity<KeyboardReturnKeyType>) {
  const platform::DecodedCase found = platform::decodeCase(decoder, Cases::names, "KeyboardReturnKeyType");
  switch (found.index) {
    case caseIndex<rk::Return>:
      return KeyboardReturnKeyType::return_();
    case caseIndex<rk::Done>:
      return KeyboardReturnKeyType::done();
    case caseIndex<rk::Go>:
      return KeyboardReturnKeyType::go();
    case caseIndex<rk::Join>:
      return KeyboardReturnKeyType::join();
    case caseIndex<rk::NewLine>:
      return KeyboardReturnKeyType::newLine();
    case caseIndex<rk::Next>:
      return KeyboardReturnKeyType::next();
    case caseIndex<rk::Ok>:
      return KeyboardReturnKeyType::ok();
    case caseIndex<rk::Search>:
      return KeyboardReturnKeyType::search();
    case caseIndex<rk::Send>:
      return KeyboardReturnKeyType::send();
    case caseIndex<rk::Custom>:
      return KeyboardReturnKeyType::custom(found.payload.decode<std::string>("title"));
  }
  throw platform::DecodingError::dataCorrupted(decoder.codingPath(), "Unknown KeyboardReturnKeyType case.");
}

}  // namespace keyloom
