#pragma once

#include <concepts>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace platform {

// One value of a user-defaults store: null, boolean, integer, floating point,
// string, array or dictionary (string keys), nested freely.
class UserDefaultsValue {
 public:
  using Array = std::vector<UserDefaultsValue>;
  using Dictionary = std::map<std::string, UserDefaultsValue>;

  enum class Kind { null, boolean, integer, double_, string, array, dictionary };

  UserDefaultsValue() = default;
  UserDefaultsValue(std::nullptr_t) {}
  UserDefaultsValue(bool value) : storage_(value) {}
  template <std::integral I>
    requires(!std::same_as<I, bool>)
  UserDefaultsValue(I value) {
    // An unsigned value beyond the integer range is kept as a number, not wrapped.
    if constexpr (std::is_unsigned_v<I> && sizeof(I) >= sizeof(std::int64_t)) {
      if (value > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        storage_ = static_cast<double>(value);
        return;
      }
    }
    storage_ = static_cast<std::int64_t>(value);
  }
  UserDefaultsValue(double value) : storage_(value) {}
  UserDefaultsValue(std::string value) : storage_(std::move(value)) {}
  UserDefaultsValue(const char* value) : storage_(std::string(value)) {}
  UserDefaultsValue(std::string_view value) : storage_(std::string(value)) {}
  UserDefaultsValue(Array value) : storage_(std::move(value)) {}
  UserDefaultsValue(Dictionary value) : storage_(std::move(value)) {}
  UserDefaultsValue(const std::vector<std::string>& strings);

  Kind kind() const { return static_cast<Kind>(storage_.index()); }
  bool isNull() const { return kind() == Kind::null; }

  // Exact reads: a value only when it has that kind.
  std::optional<bool> asBool() const;
  std::optional<std::int64_t> asInteger() const;
  std::optional<double> asDouble() const;
  const std::string* asString() const { return std::get_if<std::string>(&storage_); }
  const Array* asArray() const { return std::get_if<Array>(&storage_); }
  const Dictionary* asDictionary() const { return std::get_if<Dictionary>(&storage_); }

  bool operator==(const UserDefaultsValue&) const = default;

 private:
  std::variant<std::monostate, bool, std::int64_t, double, std::string, Array, Dictionary> storage_;
};

// The platform's lenient conversions used by the typed reads of a store.
namespace userDefaultsConversion {

// Numbers truncate toward zero (clamped to the integer range, NaN is 0), booleans
// are 0 or 1, strings give their leading decimal number ("12" and " 12px" are 12);
// everything else is 0.
std::int64_t integer(const UserDefaultsValue& value);
// Numbers are true when non-zero; strings are true for "YES" and "true" (any
// case) or a leading non-zero number; everything else is false.
bool boolean(const UserDefaultsValue& value);
// Numbers and booleans as numbers, strings by their leading number, else 0.
double doubleValue(const UserDefaultsValue& value);
// Strings as they are, numbers as their decimal text (booleans "1" and "0"), else none.
std::optional<std::string> string(const UserDefaultsValue& value);
// An array whose elements are all strings; anything else is none.
std::optional<std::vector<std::string>> stringArray(const UserDefaultsValue& value);

}  // namespace userDefaultsConversion

}  // namespace platform
