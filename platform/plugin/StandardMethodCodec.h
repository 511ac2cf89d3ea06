#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/plugin/MethodCall.h"
#include "platform/plugin/MethodReply.h"

namespace platform::plugin {

// The channel's standard binary form of method calls and their replies, built
// on StandardMessageCodec:
// - a call is the method name as a string value, then the arguments value;
// - a success is the byte 0, then the value;
// - an error is the byte 1, then the code (text), the message (text or null)
//   and the details (any value);
// - "not implemented" is an empty reply.
// Decoding throws CodecError for anything else, including trailing bytes and
// messages longer than StandardMessageCodec::maxMessageSize.
class StandardMethodCodec {
 public:
  static constexpr std::uint8_t successEnvelope = 0;
  static constexpr std::uint8_t errorEnvelope = 1;

  static std::vector<std::uint8_t> encodeMethodCall(const MethodCall& call);
  static MethodCall decodeMethodCall(std::span<const std::uint8_t> bytes);

  static std::vector<std::uint8_t> encodeSuccessEnvelope(const ChannelValue& value);
  static std::vector<std::uint8_t> encodeErrorEnvelope(const MethodError& error);
  // The wire form of any reply: one of the two envelopes, or no bytes.
  static std::vector<std::uint8_t> encodeReply(const MethodReply& reply);
  static MethodReply decodeReply(std::span<const std::uint8_t> bytes);
};

}  // namespace platform::plugin
