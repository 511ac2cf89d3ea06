#include "platform/foundation/UserDefaultsValue.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace platform {

UserDefaultsValue::UserDefaultsValue(const std::vector<std::string>& strings) {
  Array array;
  array.reserve(strings.size());
  for (const auto& s : strings) array.emplace_back(s);
  storage_ = std::move(array);
}

std::optional<bool> UserDefaultsValue::asBool() const {
  if (auto* b = std::get_if<bool>(&storage_)) return *b;
  return std::nullopt;
}

std::optional<std::int64_t> UserDefaultsValue::asInteger() const {
  if (auto* i = std::get_if<std::int64_t>(&storage_)) return *i;
  return std::nullopt;
}

std::optional<double> UserDefaultsValue::asDouble() const {
  if (auto* d = std::get_if<double>(&storage_)) return *d;
  return std::nullopt;
}

namespace userDefaultsConversion {

namespace {

std::string_view trimLeading(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
  return text.substr(i);
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

std::int64_t truncated(double d) {
  if (std::isnan(d)) return 0;
  // 2^63 is exactly representable; anything at or beyond it clamps.
  constexpr double limit = 9223372036854775808.0;
  if (d >= limit) return std::numeric_limits<std::int64_t>::max();
  if (d <= -limit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(d);
}

// The leading integer of a text: optional whitespace, sign and digits; clamps on overflow.
std::int64_t leadingInteger(std::string_view text) {
  text = trimLeading(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  std::uint64_t magnitude = 0;
  const std::uint64_t limit = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
  for (char c : text) {
    if (c < '0' || c > '9') break;
    auto digit = static_cast<std::uint64_t>(c - '0');
    if (magnitude > (limit - digit) / 10) {
      magnitude = limit;
      break;
    }
    magnitude = magnitude * 10 + digit;
  }
  if (negative) return magnitude == (std::uint64_t{1} << 63) ? std::numeric_limits<std::int64_t>::min()
                                                            : -static_cast<std::int64_t>(magnitude);
  return static_cast<std::int64_t>(magnitude);
}

// The leading decimal number of a text ("1.5kg" is 1.5); 0 when there is none.
double leadingDouble(std::string_view text) {
  text = trimLeading(text);
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  double result = 0;
  auto error = std::from_chars(text.data(), text.data() + text.size(), result, std::chars_format::general).ec;
  if (error == std::errc::result_out_of_range) {
    // Too large or too small for a double: keep the sign of the overflow.
    bool negative = !text.empty() && text[0] == '-';
    auto exponent = text.find_first_of("eE");
    bool tiny = exponent != std::string_view::npos && exponent + 1 < text.size() && text[exponent + 1] == '-';
    if (tiny) return 0;
    return negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  }
  if (error != std::errc()) return 0;
  // Only decimal numbers count, not the words "inf" and "nan".
  if (!std::isfinite(result)) return 0;
  return result;
}

}  // namespace

std::int64_t integer(const UserDefaultsValue& value) {
  switch (value.kind()) {
    case UserDefaultsValue::Kind::boolean: return *value.asBool() ? 1 : 0;
    case UserDefaultsValue::Kind::integer: return *value.asInteger();
    case UserDefaultsValue::Kind::double_: return truncated(*value.asDouble());
    case UserDefaultsValue::Kind::string: return leadingInteger(*value.asString());
    default: return 0;
  }
}

bool boolean(const UserDefaultsValue& value) {
  switch (value.kind()) {
    case UserDefaultsValue::Kind::boolean: return *value.asBool();
    case UserDefaultsValue::Kind::integer: return *value.asInteger() != 0;
    case UserDefaultsValue::Kind::double_: {
      double d = *value.asDouble();
      return !std::isnan(d) && d != 0;
    }
    case UserDefaultsValue::Kind::string: {
      std::string_view text = trimLeading(*value.asString());
      if (equalsIgnoringCase(text, "yes") || equalsIgnoringCase(text, "true")) return true;
      return leadingDouble(text) != 0;
    }
    default: return false;
  }
}

double doubleValue(const UserDefaultsValue& value) {
  switch (value.kind()) {
    case UserDefaultsValue::Kind::boolean: return *value.asBool() ? 1 : 0;
    case UserDefaultsValue::Kind::integer: return static_cast<double>(*value.asInteger());
    case UserDefaultsValue::Kind::double_: return *value.asDouble();
    case UserDefaultsValue::Kind::string: return leadingDouble(*value.asString());
    default: return 0;
  }
}

std::optional<std::string> string(const UserDefaultsValue& value) {
  switch (value.kind()) {
    case UserDefaultsValue::Kind::boolean: return *value.asBool() ? "1" : "0";
    case UserDefaultsValue::Kind::integer: return std::to_string(*value.asInteger());
    case UserDefaultsValue::Kind::double_: {
      std::array<char, 32> buffer{};
      auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), *value.asDouble());
      if (error != std::errc()) return std::nullopt;
      return std::string(buffer.data(), end);
    }
    case UserDefaultsValue::Kind::string: return *value.asString();
    default: return std::nullopt;
  }
}

std::optional<std::vector<std::string>> stringArray(const UserDefaultsValue& value) {
  const auto* array = value.asArray();
  if (!array) return std::nullopt;
  std::vector<std::string> strings;
  strings.reserve(array->size());
  for (const auto& element : *array) {
    const auto* s = element.asString();
    if (!s) return std::nullopt;
    strings.push_back(*s);
  }
  return strings;
}

}  // namespace userDefaultsConversion

}  // namespace platform
