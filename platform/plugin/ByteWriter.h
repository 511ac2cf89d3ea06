#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace platform::plugin {

// Appends the little-endian wire forms of the channel codec to a byte buffer.
class ByteWriter {
 public:
  void writeByte(std::uint8_t value) { bytes_.push_back(value); }
  void writeUInt16(std::uint16_t value);
  void writeUInt32(std::uint32_t value);
  void writeInt32(std::int32_t value);
  void writeInt64(std::int64_t value);
  void writeFloat32(float value);
  void writeFloat64(double value);
  void writeBytes(std::span<const std::uint8_t> bytes);

  // A size or count: one byte below 254, else 254 and a 16-bit size, else 255
  // and a 32-bit size. Throws CodecError beyond 32 bits.
  void writeSize(std::size_t size);

  // Pads with zeros until the buffer length is a multiple of `alignment`.
  void alignTo(std::size_t alignment);

  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  void writeLittleEndian(std::uint64_t value, int byteCount);

  std::vector<std::uint8_t> bytes_;
};

}  // namespace platform::plugin
