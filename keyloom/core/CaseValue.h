#pragma once

#include <array>
#include <cstddef>
#include <string_view>
#include <type_traits>
#include <utility>
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

// Base of the value classes over a std::variant of case structs: the
// payload-carrying enumerations (actions, keyboard types, return key types,
// key widths). Derived classes add static factories named after the cases.
template <class Variant>
class CaseValue {
 public:
  using Value = Variant;

  const Value& value() const { return value_; }
  template <class Case>
  bool is() const {
    return std::holds_alternative<Case>(value_);
  }
  // The payload of the case, or null when the value is another case.
  template <class Case>
  const Case* get() const {
    return std::get_if<Case>(&value_);
  }
  // The case's name, which is also its serialized key.
  std::string_view caseName() const {
    return std::visit([](const auto& kase) -> std::string_view { return kase.name; }, value_);
  }

  bool operator==(const CaseValue&) const = default;

 protected:
  explicit CaseValue(Value value) : value_(std::move(value)) {}

 private:
  Value value_;
};

}  // namespace keyloom
