#include "platform/plugin/StandardMethodCodec.h"

#include <string>

#include "platform/plugin/ByteReader.h"
#include "platform/plugin/ByteWriter.h"
#include "platform/plugin/CodecError.h"
#include "platform/plugin/StandardMessageCodec.h"

namespace platform::plugin {

namespace {

using Type = StandardMessageCodec::Type;

void requireEnd(const ByteReader& reader, const char* what) {
  if (!reader.atEnd()) {
    throw CodecError(std::to_string(reader.remaining()) + " unexpected bytes after the " + what + " at byte " +
                     std::to_string(reader.offset()) + ".");
  }
}

std::string readText(ByteReader& reader, const char* what) {
  std::size_t start = reader.offset();
  std::uint8_t type = reader.readByte();
  if (type != static_cast<std::uint8_t>(Type::string)) {
    throw CodecError(std::string(what) + " at byte " + std::to_string(start) + " must be text, not type " +
                     std::to_string(type) + ".");
  }
  return StandardMessageCodec::readStringPayload(reader);
}

}  // namespace

std::vector<std::uint8_t> StandardMethodCodec::encodeMethodCall(const MethodCall& call) {
  ByteWriter writer;
  StandardMessageCodec::writeValue(writer, ChannelValue(call.method));
  StandardMessageCodec::writeValue(writer, call.arguments);
  return writer.take();
}

MethodCall StandardMethodCodec::decodeMethodCall(std::span<const std::uint8_t> bytes) {
  StandardMessageCodec::requireMessageSize(bytes);
  ByteReader reader(bytes);
  MethodCall call;
  call.method = readText(reader, "The method name");
  if (reader.atEnd()) throw CodecError("Method call \"" + call.method + "\" has no arguments value.");
  call.arguments = StandardMessageCodec::readValue(reader);
  requireEnd(reader, "method call");
  return call;
}

std::vector<std::uint8_t> StandardMethodCodec::encodeSuccessEnvelope(const ChannelValue& value) {
  ByteWriter writer;
  writer.writeByte(successEnvelope);
  StandardMessageCodec::writeValue(writer, value);
  return writer.take();
}

std::vector<std::uint8_t> StandardMethodCodec::encodeErrorEnvelope(const MethodError& error) {
  ByteWriter writer;
  writer.writeByte(errorEnvelope);
  StandardMessageCodec::writeValue(writer, ChannelValue(error.code));
  StandardMessageCodec::writeValue(writer, error.message ? ChannelValue(*error.message) : ChannelValue());
  StandardMessageCodec::writeValue(writer, error.details);
  return writer.take();
}

std::vector<std::uint8_t> StandardMethodCodec::encodeReply(const MethodReply& reply) {
  if (const auto* value = reply.value()) return encodeSuccessEnvelope(*value);
  if (const auto* error = reply.error()) return encodeErrorEnvelope(*error);
  return {};
}

MethodReply StandardMethodCodec::decodeReply(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return MethodReply::notImplemented();
  StandardMessageCodec::requireMessageSize(bytes);
  ByteReader reader(bytes);
  std::uint8_t envelope = reader.readByte();
  if (envelope == successEnvelope) {
    ChannelValue value = StandardMessageCodec::readValue(reader);
    requireEnd(reader, "reply");
    return MethodReply::success(std::move(value));
  }
  if (envelope != errorEnvelope) {
    throw CodecError("Unknown reply envelope " + std::to_string(envelope) + " at byte 0.");
  }
  MethodError error;
  error.code = readText(reader, "The error code");
  std::size_t messageOffset = reader.offset();
  ChannelValue message = StandardMessageCodec::readValue(reader);
  if (const auto* text = message.getIf<std::string>()) {
    error.message = *text;
  } else if (!message.isNull()) {
    throw CodecError("The error message at byte " + std::to_string(messageOffset) + " must be text or null.");
  }
  error.details = StandardMessageCodec::readValue(reader);
  requireEnd(reader, "error reply");
  return MethodReply::failure(std::move(error));
}

}  // namespace platform::plugin
