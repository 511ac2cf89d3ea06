#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace platform::plugin {

// Reads the little-endian wire forms of the channel codec from outside bytes.
// Every read checks the remaining length first and throws CodecError, naming
// the offset, instead of reading past the end.
class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::uint8_t readByte();
  std::uint16_t readUInt16();
  std::uint32_t readUInt32();
  std::int32_t readInt32();
  std::int64_t readInt64();
  float readFloat32();
  double readFloat64();
  // A view of the next `count` bytes, valid as long as the reader's buffer.
  std::span<const std::uint8_t> readBytes(std::size_t count);

  // A size or count in the one-, three- or five-byte form.
  std::size_t readSize();

  // Skips padding up to the next offset that is a multiple of `alignment`.
  void alignTo(std::size_t alignment);

  std::size_t offset() const { return offset_; }
  std::size_t remaining() const { return bytes_.size() - offset_; }
  bool atEnd() const { return offset_ == bytes_.size(); }

  // Throws when fewer than `count` bytes remain; `what` names what was being read.
  void require(std::size_t count, const std::string& what) const;

 private:
  std::uint64_t readLittleEndian(int byteCount, const char* what);

  std::span<const std::uint8_t> bytes_;
  std::size_t offset_ = 0;
};

}  // namespace platform::plugin
