#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A 128-bit universally unique identifier.
class UUID {
 public:
  using Bytes = std::array<std::uint8_t, 16>;

  // The nil UUID (all zero).
  constexpr UUID() = default;
  constexpr explicit UUID(const Bytes& bytes) : bytes_(bytes) {}

  // A new random (version 4, variant 1) UUID.
  static UUID random();
  // Parses "E621E1F8-C36C-495A-93FC-0C247A3E6E5F" in either letter case.
  static std::optional<UUID> fromString(std::string_view string);

  // Upper-case hexadecimal in the 8-4-4-4-12 form.
  std::string uuidString() const;
  const Bytes& bytes() const { return bytes_; }

  auto operator<=>(const UUID&) const = default;

 private:
  Bytes bytes_{};
};

}  // namespace platform
