#pragma once

#include <functional>
#include <memory>
#include <string>

namespace platform::ui {

// A value watched for changes between two evaluations of a view, with its type
// erased: the modifier that holds it is not a template.
class WatchedValue {
 public:
  template <class T>
  static WatchedValue make(T value) {
    WatchedValue watched;
    watched.value_ = std::make_shared<const T>(std::move(value));
    watched.equal_ = [](const void* a, const void* b) {
      return *static_cast<const T*>(a) == *static_cast<const T*>(b);
    };
    return watched;
  }

  // Whether both hold equal values of the same type.
  bool sameAs(const WatchedValue& other) const {
    if (!value_ || !other.value_) return !value_ && !other.value_;
    return equal_.target_type() == other.equal_.target_type() &&
           equal_(value_.get(), other.value_.get());
  }
  const void* get() const { return value_.get(); }

 private:
  std::shared_ptr<const void> value_;
  std::function<bool(const void*, const void*)> equal_;
};

// What onChange(of:) attaches: the watched value and the action that receives
// the new value.
struct ChangeHook {
  WatchedValue value;
  std::function<void(const void*)> action;

  template <class T>
  static ChangeHook make(T value, std::function<void(const T&)> action) {
    ChangeHook hook;
    hook.value = WatchedValue::make(std::move(value));
    hook.action = [action = std::move(action)](const void* newValue) {
      action(*static_cast<const T*>(newValue));
    };
    return hook;
  }
};

}  // namespace platform::ui
