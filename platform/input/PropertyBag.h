#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <variant>

namespace platform {

// A value read by key from a platform object whose properties are not part of
// its documented interface. Absent (monostate) when the object has no such key.
using PropertyValue = std::variant<std::monostate, bool, std::int64_t, double, std::string>;

// Named properties of a platform object, as a host or a test configures them.
class PropertyBag {
 public:
  PropertyBag() = default;
  PropertyBag(std::initializer_list<std::pair<const std::string, PropertyValue>> values) : values_(values) {}

  // The value under `key`, or monostate when there is none.
  PropertyValue value(const std::string& key) const {
    auto it = values_.find(key);
    return it == values_.end() ? PropertyValue{} : it->second;
  }
  std::optional<std::string> string(const std::string& key) const {
    auto found = value(key);
    if (auto* s = std::get_if<std::string>(&found)) return *s;
    return std::nullopt;
  }
  std::optional<std::int64_t> integer(const std::string& key) const {
    auto found = value(key);
    if (auto* i = std::get_if<std::int64_t>(&found)) return *i;
    return std::nullopt;
  }

  void set(const std::string& key, PropertyValue value) { values_[key] = std::move(value); }
  void remove(const std::string& key) { values_.erase(key); }
  bool empty() const { return values_.empty(); }

  bool operator==(const PropertyBag&) const = default;

 private:
  std::map<std::string, PropertyValue> values_;
};

}  // namespace platform
