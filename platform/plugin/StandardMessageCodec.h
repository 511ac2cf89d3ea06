#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/plugin/ByteReader.h"
#include "platform/plugin/ByteWriter.h"
#include "platform/plugin/ChannelValue.h"

namespace platform::plugin {

// The channel's standard binary form of a value: one type byte, then the
// payload, little-endian. Sizes use the one-, three- or five-byte form;
// 64-bit floats (alone or in a list) are aligned to 8 and 32-bit typed lists to
// 4, counted from the start of the message.
//
// Reading is strict, because the bytes come from outside: anything truncated,
// an unknown type byte, a size beyond the message, text that is not UTF-8,
// a map with a repeated key, nesting deeper than maxNestingDepth, more values
// than maxValueCount, trailing bytes, or a message longer than maxMessageSize
// throw CodecError. Memory is only allocated for content that is present.
class StandardMessageCodec {
 public:
  enum class Type : std::uint8_t {
    null = 0,
    trueValue = 1,
    falseValue = 2,
    int32 = 3,
    int64 = 4,
    float64 = 6,
    string = 7,
    uint8List = 8,
    int32List = 9,
    int64List = 10,
    float64List = 11,
    list = 12,
    map = 13,
    float32List = 14,
  };

  // Lists and maps inside lists and maps, counting the outermost.
  static constexpr std::size_t maxNestingDepth = 64;
  // Longer messages are refused before any of them is read.
  static constexpr std::size_t maxMessageSize = std::size_t{16} << 20;
  // Values one read may produce: each scalar, text, typed list, list and map,
  // and everything inside them. A value takes one byte on the wire but tens in
  // memory, so this bounds what decoding allocates (a few tens of MB at most,
  // besides the text and typed lists, which cost what they take on the wire).
  static constexpr std::size_t maxValueCount = std::size_t{1} << 18;

  // Throws CodecError when the message is longer than maxMessageSize.
  static void requireMessageSize(std::span<const std::uint8_t> bytes);

  static std::vector<std::uint8_t> encode(const ChannelValue& value);
  // The whole buffer must be exactly one value.
  static ChannelValue decode(std::span<const std::uint8_t> bytes);

  // One value in a larger message (method calls, reply envelopes).
  static void writeValue(ByteWriter& writer, const ChannelValue& value);
  static ChannelValue readValue(ByteReader& reader);
  // Reads the size and UTF-8 bytes that follow a string type byte.
  static std::string readStringPayload(ByteReader& reader);
};

}  // namespace platform::plugin
