#include "platform/plugin/ByteReader.h"

#include <bit>

#include "platform/plugin/CodecError.h"

namespace platform::plugin {

void ByteReader::require(std::size_t count, const std::string& what) const {
  if (count > remaining()) {
    throw CodecError("Message truncated at byte " + std::to_string(offset_) + ": " + what + " needs " +
                     std::to_string(count) + " bytes, " + std::to_string(remaining()) + " left.");
  }
}

std::uint64_t ByteReader::readLittleEndian(int byteCount, const char* what) {
  require(static_cast<std::size_t>(byteCount), what);
  std::uint64_t value = 0;
  for (int i = 0; i < byteCount; ++i) value |= std::uint64_t{bytes_[offset_ + i]} << (8 * i);
  offset_ += static_cast<std::size_t>(byteCount);
  return value;
}

std::uint8_t ByteReader::readByte() { return static_cast<std::uint8_t>(readLittleEndian(1, "a byte")); }
std::uint16_t ByteReader::readUInt16() { return static_cast<std::uint16_t>(readLittleEndian(2, "a size")); }
std::uint32_t ByteReader::readUInt32() { return static_cast<std::uint32_t>(readLittleEndian(4, "a size")); }
std::int32_t ByteReader::readInt32() {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(readLittleEndian(4, "a 32-bit integer")));
}
std::int64_t ByteReader::readInt64() { return static_cast<std::int64_t>(readLittleEndian(8, "a 64-bit integer")); }
float ByteReader::readFloat32() {
  return std::bit_cast<float>(static_cast<std::uint32_t>(readLittleEndian(4, "a 32-bit float")));
}
double ByteReader::readFloat64() { return std::bit_cast<double>(readLittleEndian(8, "a 64-bit float")); }

std::span<const std::uint8_t> ByteReader::readBytes(std::size_t count) {
  require(count, "the content");
  auto view = bytes_.subspan(offset_, count);
  offset_ += count;
  return view;
}

std::size_t ByteReader::readSize() {
  std::uint8_t first = readByte();
  if (first < 254) return first;
  if (first == 254) return readUInt16();
  return readUInt32();
}

void ByteReader::alignTo(std::size_t alignment) {
  std::size_t padding = (alignment - offset_ % alignment) % alignment;
  require(padding, "alignment padding");
  offset_ += padding;
}

}  // namespace platform::plugin
