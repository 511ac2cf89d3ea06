#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace platform::ui {

// An explicit view identity: a number or a text. ForEach ids and .id(...)
// values are converted to one, so any integer or string serves as an id. A
// number and a text are different ids even when they read the same.
class ViewId {
 public:
  template <class I>
    requires std::is_integral_v<I>
  ViewId(I value) : number_(static_cast<std::int64_t>(value)), isNumber_(true) {}  // NOLINT
  ViewId(std::string value) : text_(std::move(value)) {}                           // NOLINT
  ViewId(std::string_view value) : text_(value) {}                                 // NOLINT
  ViewId(const char* value) : text_(value) {}                                      // NOLINT

  std::string description() const { return isNumber_ ? std::to_string(number_) : text_; }

  bool operator==(const ViewId&) const = default;

 private:
  std::string text_;
  std::int64_t number_ = 0;
  bool isNumber_ = false;
};

}  // namespace platform::ui
