#include "keyloom/gestures/SpaceDragSensitivity.h"

#include <array>

#include "platform/coding/DecodingError.h"
#include "platform/coding/EnumCoding.h"

namespace keyloom {

namespace sds = space_drag_sensitivity;

namespace {

using Cases = VariantCases<SpaceDragSensitivity::Value>;

// Points of the three fixed cases, indexed by case.
constexpr std::array<std::int64_t, 3> fixedPoints{10, 5, 2};

}  // namespace

std::int64_t SpaceDragSensitivity::points() const {
  if (const auto* custom = get<sds::Custom>()) return custom->points;
  return fixedPoints[value().index()];
}

void encodeValue(platform::Encoder& encoder, const SpaceDragSensitivity& sensitivity) {
  platform::KeyedEncodingContainer payload = platform::encodeCase(encoder, sensitivity.caseName());
  if (const auto* custom = sensitivity.get<sds::Custom>()) payload.encode("points", custom->points);
}

SpaceDragSensitivity decodeValue(platform::Decoder& decoder, std::type_identity<SpaceDragSensitivity>) {
  const platform::DecodedCase found = platform::decodeCase(decoder, Cases::names, "SpaceDragSensitivity");
  switch (found.index) {
    case Cases::indexOf<sds::Low>():
      return SpaceDragSensitivity::low();
    case Cases::indexOf<sds::Medium>():
      return SpaceDragSensitivity::medium();
    case Cases::indexOf<sds::High>():
      return SpaceDragSensitivity::high();
    case Cases::indexOf<sds::Custom>():
      return SpaceDragSensitivity::custom(found.payload.decode<std::int64_t>("points"));
  }
  throw platform::DecodingError::dataCorrupted(decoder.codingPath(), "Unknown SpaceDragSensitivity case.");
}

}  // namespace keyloom
