#include "platform/foundation/UUID.h"

#include <random>

namespace platform {

namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool isDashPosition(std::size_t index) { return index == 8 || index == 13 || index == 18 || index == 23; }

}  // namespace

UUID UUID::random() {
  // The system's entropy source, not a seeded generator: identifiers made in
  // different processes must not collide.
  thread_local std::random_device device;
  Bytes bytes{};
  for (std::size_t i = 0; i < bytes.size(); i += 4) {
    const std::uint32_t word = device();
    for (std::size_t k = 0; k < 4; ++k) bytes[i + k] = static_cast<std::uint8_t>(word >> (8 * k));
  }
  bytes[6] = static_cast<std::uint8_t>((bytes[6] & 0x0F) | 0x40);  // version 4
  bytes[8] = static_cast<std::uint8_t>((bytes[8] & 0x3F) | 0x80);  // variant 1
  return UUID(bytes);
}

std::optional<UUID> UUID::fromString(std::string_view string) {
  if (string.size() != 36) return std::nullopt;
  Bytes bytes{};
  std::size_t byte = 0;
  for (std::size_t i = 0; i < string.size();) {
    if (isDashPosition(i)) {
      if (string[i] != '-') return std::nullopt;
      ++i;
      continue;
    }
    const int high = hexValue(string[i]);
    const int low = hexValue(string[i + 1]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes[byte++] = static_cast<std::uint8_t>(high * 16 + low);
    i += 2;
  }
  return UUID(bytes);
}

std::string UUID::uuidString() const {
  static constexpr char digits[] = "0123456789ABCDEF";
  std::string result;
  result.reserve(36);
  for (std::size_t i = 0; i < bytes_.size(); ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) result += '-';
    result += digits[bytes_[i] >> 4];
    result += digits[bytes_[i] & 0x0F];
  }
  return result;
}

}  // namespace platform
