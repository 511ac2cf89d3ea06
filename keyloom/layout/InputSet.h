#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <vector>

#include "keyloom/layout/InputSetItem.h"

namespace keyloom {

// The character content of one keyboard type: rows of input keys, top row
// first, keys left to right. Sets may have any number of rows of any length.
template <class T>
concept InputSet = std::equality_comparable<T> && requires(const T& set) {
  { set.rows } -> std::convertible_to<InputSetRows>;
};

// The letters. The standard sets choose their pad or phone rows by the
// device type when they are built.
struct AlphabeticInputSet {
  InputSetRows rows;

  // QWERTY for the running device (it picks row 3), made once per device, at
  // its first use there.
  static const AlphabeticInputSet& qwerty();
  // A copy of qwerty, taken once per device, at its own first use there.
  static const AlphabeticInputSet& english();

  bool operator==(const AlphabeticInputSet&) const = default;
};

// The numbers and the most common symbols, with a currency key.
struct NumericInputSet {
  InputSetRows rows;

  // Made anew on every call; each character of the currency is one key.
  static NumericInputSet standard(std::string_view currency);
  static NumericInputSet english(std::string_view currency);

  bool operator==(const NumericInputSet&) const = default;
};

// The remaining symbols, with currency keys.
struct SymbolicInputSet {
  InputSetRows rows;

  // Made anew on every call. The currencies are joined and split into
  // characters again, one key per character, in order.
  static SymbolicInputSet standard(const std::vector<std::string>& currencies);
  // standard with "€", the currency's characters and "¥".
  static SymbolicInputSet english(std::string_view currency);

  bool operator==(const SymbolicInputSet&) const = default;
};

static_assert(InputSet<AlphabeticInputSet> && InputSet<NumericInputSet> && InputSet<SymbolicInputSet>);

}  // namespace keyloom
