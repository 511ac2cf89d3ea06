#include "platform/plugin/ChannelValue.h"

#include <bit>
#include <sstream>
#include <type_traits>

namespace platform::plugin {

namespace {

// IEEE total order on the bit patterns: negative values have their magnitude
// bits flipped so that the signed integers sort like the numbers.
std::strong_ordering totalOrder(double a, double b) {
  auto key = [](double x) {
    auto bits = std::bit_cast<std::int64_t>(x);
    return bits < 0 ? bits ^ INT64_MAX : bits;
  };
  return key(a) <=> key(b);
}

std::strong_ordering totalOrder(float a, float b) {
  auto key = [](float x) {
    auto bits = std::bit_cast<std::int32_t>(x);
    return bits < 0 ? bits ^ INT32_MAX : bits;
  };
  return key(a) <=> key(b);
}

template <class T>
std::strong_ordering compareScalars(const T& a, const T& b) {
  if constexpr (std::is_floating_point_v<T>) {
    return totalOrder(a, b);
  } else if constexpr (std::is_same_v<T, std::monostate>) {
    return std::strong_ordering::equal;
  } else {
    return a <=> b;
  }
}

template <class T>
std::strong_ordering compareLists(const std::vector<T>& a, const std::vector<T>& b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    if (auto order = compareScalars(a[i], b[i]); order != 0) return order;
  }
  return a.size() <=> b.size();
}

std::strong_ordering compareMaps(const ChannelValue::Map& a, const ChannelValue::Map& b) {
  auto left = a.begin();
  auto right = b.begin();
  for (; left != a.end() && right != b.end(); ++left, ++right) {
    if (auto order = left->first <=> right->first; order != 0) return order;
    if (auto order = left->second <=> right->second; order != 0) return order;
  }
  return a.size() <=> b.size();
}

template <class T>
void describeList(std::ostream& out, const std::vector<T>& values) {
  out << '[';
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out << ", ";
    if constexpr (std::is_same_v<T, std::uint8_t>) {
      out << static_cast<int>(values[i]);
    } else {
      out << values[i];
    }
  }
  out << ']';
}

}  // namespace

std::strong_ordering operator<=>(const ChannelValue& a, const ChannelValue& b) {
  if (a.storage_.index() != b.storage_.index()) return a.storage_.index() <=> b.storage_.index();
  return std::visit(
      [&b](const auto& left) -> std::strong_ordering {
        using T = std::decay_t<decltype(left)>;
        const auto& right = std::get<T>(b.storage_);
        if constexpr (std::is_same_v<T, ChannelValue::Map>) {
          return compareMaps(left, right);
        } else if constexpr (std::is_same_v<T, ChannelValue::List>) {
          for (std::size_t i = 0; i < left.size() && i < right.size(); ++i) {
            if (auto order = left[i] <=> right[i]; order != 0) return order;
          }
          return left.size() <=> right.size();
        } else if constexpr (std::is_same_v<T, std::string>) {
          return left.compare(right) <=> 0;
        } else if constexpr (requires { left.size(); }) {
          return compareLists(left, right);
        } else {
          return compareScalars(left, right);
        }
      },
      a.storage_);
}

std::string ChannelValue::description() const {
  std::ostringstream out;
  out << *this;
  return out.str();
}

std::ostream& operator<<(std::ostream& out, const ChannelValue& value) {
  std::visit(
      [&out](const auto& v) {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, std::monostate>) {
          out << "null";
        } else if constexpr (std::is_same_v<T, bool>) {
          out << (v ? "true" : "false");
        } else if constexpr (std::is_same_v<T, std::string>) {
          out << '"' << v << '"';
        } else if constexpr (std::is_same_v<T, ChannelValue::List>) {
          describeList(out, v);
        } else if constexpr (std::is_same_v<T, ChannelValue::Map>) {
          out << '{';
          bool first = true;
          for (const auto& [key, element] : v) {
            if (!first) out << ", ";
            first = false;
            out << key << ": " << element;
          }
          out << '}';
        } else if constexpr (requires { v.size(); }) {
          describeList(out, v);
        } else {
          out << v;
        }
      },
      value.storage());
  return out;
}

}  // namespace platform::plugin
