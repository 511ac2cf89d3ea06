#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>
#include <variant>

namespace keyloom {

// Helpers for the value classes over a std::variant of case structs, each
// struct naming its case in a static `name`.

template <class Variant>
struct VariantCases;

template <class... Cases>
struct VariantCases<std::variant<Cases...>> {
  // The case names in declaration (variant) order: the serialized case keys.
  static constexpr std::array<std::string_view, sizeof...(Cases)> names{Cases::name...};

  // The position of `Case` in the variant.
  template <class Case>
  static constexpr std::size_t indexOf() {
    constexpr std::array<bool, sizeof...(Cases)> matches{std::is_same_v<Case, Cases>...};
    for (std::size_t i = 0; i < matches.size(); ++i) {
      if (matches[i]) return i;
    }
    return matches.size();
  }
};

}  // namespace keyloom
