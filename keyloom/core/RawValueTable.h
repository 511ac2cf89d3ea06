#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace keyloom {

// Raw string values of an enumeration without payloads. Each such enumeration
// specialises RawValueTable with `names`: one raw value per case, in
// declaration order, so the same table also lists every case.
template <class E>
struct RawValueTable;

template <class E>
concept HasRawValueTable = requires {
  RawValueTable<E>::names;
};

template <HasRawValueTable E>
constexpr std::string_view rawValue(E value) {
  return RawValueTable<E>::names[static_cast<std::size_t>(value)];
}

// The case whose raw value is exactly `raw` (case-sensitive); absent otherwise.
template <HasRawValueTable E>
constexpr std::optional<E> fromRawValue(std::string_view raw) {
  const auto& names = RawValueTable<E>::names;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (names[i] == raw) return static_cast<E>(i);
  }
  return std::nullopt;
}

// Every case, in declaration order.
template <HasRawValueTable E>
constexpr auto allCases() {
  std::array<E, RawValueTable<E>::names.size()> cases{};
  for (std::size_t i = 0; i < cases.size(); ++i) cases[i] = static_cast<E>(i);
  return cases;
}

}  // namespace keyloom
