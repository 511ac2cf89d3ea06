#include "platform/plugin/ByteWriter.h"

#include <bit>
#include <string>

#include "platform/plugin/CodecError.h"

namespace platform::plugin {

void ByteWriter::writeLittleEndian(std::uint64_t value, int byteCount) {
  for (int i = 0; i < byteCount; ++i) bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void ByteWriter::writeUInt16(std::uint16_t value) { writeLittleEndian(value, 2); }
void ByteWriter::writeUInt32(std::uint32_t value) { writeLittleEndian(value, 4); }
void ByteWriter::writeInt32(std::int32_t value) { writeLittleEndian(static_cast<std::uint32_t>(value), 4); }
void ByteWriter::writeInt64(std::int64_t value) { writeLittleEndian(static_cast<std::uint64_t>(value), 8); }
void ByteWriter::writeFloat32(float value) { writeLittleEndian(std::bit_cast<std::uint32_t>(value), 4); }
void ByteWriter::writeFloat64(double value) { writeLittleEndian(std::bit_cast<std::uint64_t>(value), 8); }

void ByteWriter::writeBytes(std::span<const std::uint8_t> bytes) {
  bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::writeSize(std::size_t size) {
  if (size < 254) {
    writeByte(static_cast<std::uint8_t>(size));
  } else if (size <= 0xFFFF) {
    writeByte(254);
    writeUInt16(static_cast<std::uint16_t>(size));
  } else if (size <= 0xFFFFFFFF) {
    writeByte(255);
    writeUInt32(static_cast<std::uint32_t>(size));
  } else {
    throw CodecError("Cannot write a size of " + std::to_string(size) + ": the limit is 4294967295.");
  }
}

void ByteWriter::alignTo(std::size_t alignment) {
  while (bytes_.size() % alignment != 0) bytes_.push_back(0);
}

}  // namespace platform::plugin
