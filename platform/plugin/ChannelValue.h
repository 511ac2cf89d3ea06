#pragma once

#include <compare>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace platform::plugin {

// A value that crosses a method channel: null, a Boolean, a 32- or 64-bit
// integer, a double, UTF-8 text, typed numeric lists, lists, and maps whose keys
// may be any of these.
//
// Values are ordered and compared totally, so any value can be a map key:
// doubles compare by their IEEE total order (NaN equals the same NaN, -0.0 is
// not 0.0), and values of different kinds order by kind.
class ChannelValue {
 public:
  using List = std::vector<ChannelValue>;
  using Map = std::map<ChannelValue, ChannelValue>;
  using Bytes = std::vector<std::uint8_t>;
  using Int32List = std::vector<std::int32_t>;
  using Int64List = std::vector<std::int64_t>;
  using Float32List = std::vector<float>;
  using Float64List = std::vector<double>;

  // Kinds in the order of the storage variant.
  enum class Kind {
    null,
    boolean,
    int32,
    int64,
    float64,
    string,
    bytes,
    int32List,
    int64List,
    float32List,
    float64List,
    list,
    map
  };

  using Storage = std::variant<std::monostate, bool, std::int32_t, std::int64_t, double, std::string, Bytes,
                               Int32List, Int64List, Float32List, Float64List, List, Map>;

  ChannelValue() = default;
  ChannelValue(std::nullptr_t) {}
  ChannelValue(bool value) : storage_(value) {}
  ChannelValue(std::int32_t value) : storage_(value) {}
  ChannelValue(std::int64_t value) : storage_(value) {}
  ChannelValue(double value) : storage_(value) {}
  ChannelValue(const char* text) : storage_(std::string(text)) {}
  ChannelValue(std::string text) : storage_(std::move(text)) {}
  ChannelValue(Bytes values) : storage_(std::move(values)) {}
  ChannelValue(Int32List values) : storage_(std::move(values)) {}
  ChannelValue(Int64List values) : storage_(std::move(values)) {}
  ChannelValue(Float32List values) : storage_(std::move(values)) {}
  ChannelValue(Float64List values) : storage_(std::move(values)) {}
  ChannelValue(List values) : storage_(std::move(values)) {}
  ChannelValue(Map values) : storage_(std::move(values)) {}

  Kind kind() const { return static_cast<Kind>(storage_.index()); }
  bool isNull() const { return kind() == Kind::null; }
  const Storage& storage() const { return storage_; }

  // The payload when the value holds a T, else null.
  template <class T>
  const T* getIf() const {
    return std::get_if<T>(&storage_);
  }

  // A short readable rendering for messages and test output.
  std::string description() const;

  friend std::strong_ordering operator<=>(const ChannelValue& a, const ChannelValue& b);
  friend bool operator==(const ChannelValue& a, const ChannelValue& b) { return (a <=> b) == 0; }

 private:
  Storage storage_;
};

std::ostream& operator<<(std::ostream& out, const ChannelValue& value);

}  // namespace platform::plugin
