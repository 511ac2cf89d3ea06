#include "keyloom/appearance/SizeCoding.h"

namespace keyloom {

void encodeValue(platform::Encoder& encoder, const CodedSize& size) {
  auto container = encoder.unkeyedContainer();
  container.encode(size.size.width);
  container.encode(size.size.height);
}

CodedSize decodeValue(platform::Decoder& decoder, std::type_identity<CodedSize>) {
  auto container = decoder.unkeyedContainer();
  const double width = container.decode<double>();
  const double height = container.decode<double>();
  return {platform::Size{width, height}};
}

}  // namespace keyloom
