#include "platform/coding/FoundationCoding.h"

namespace platform {

void encodeValue(Encoder& encoder, const URL& url) {
  encoder.singleValueContainer().encodeString(url.absoluteString());
}

URL decodeValue(Decoder& decoder, std::type_identity<URL>) {
  SingleValueDecodingContainer container = decoder.singleValueContainer();
  std::optional<URL> url = URL::fromString(container.decodeString());
  if (!url) throw container.dataCorruptedError("Invalid URL string.");
  return *url;
}

void encodeValue(Encoder& encoder, const UUID& uuid) {
  encoder.singleValueContainer().encodeString(uuid.uuidString());
}

UUID decodeValue(Decoder& decoder, std::type_identity<UUID>) {
  SingleValueDecodingContainer container = decoder.singleValueContainer();
  const std::string string = container.decodeString();
  std::optional<UUID> uuid = UUID::fromString(string);
  if (!uuid) throw container.dataCorruptedError("Attempted to decode UUID from invalid UUID string.");
  return *uuid;
}

void encodeValue(Encoder& encoder, const Date& date) {
  encoder.singleValueContainer().encodeDouble(date.timeIntervalSinceReferenceDate());
}

Date decodeValue(Decoder& decoder, std::type_identity<Date>) {
  return Date(decoder.singleValueContainer().decodeDouble());
}

}  // namespace platform
