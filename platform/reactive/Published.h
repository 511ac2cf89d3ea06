#pragma once

#include <functional>
#include <utility>

#include "platform/reactive/ObservableObject.h"
#include "platform/reactive/Signal.h"

namespace platform {

// A published field of an ObservableObject.
//
// A write publishes in this order: the owner's objectWillChange(), then
// willSet() with the new value, then the value is stored, then the sink()
// subscribers receive it (so get() inside a sink reads the new value).
template <class T>
class Published {
 public:
  Published(ObservableObject& owner, T initial) : owner_(&owner), value_(std::move(initial)) {}
  Published(const Published&) = delete;
  Published& operator=(const Published&) = delete;

  const T& get() const { return value_; }
  operator const T&() const { return value_; }
  const T* operator->() const { return &value_; }

  // Always publishes, even an equal value.
  void set(T value) {
    owner_->objectWillChange().send();
    willSet_.send(value);
    value_ = std::move(value);
    didSet_.send(value_);
  }

  Published& operator=(T value) {
    set(std::move(value));
    return *this;
  }

  // Publishes only a value different from the current one; returns whether it did.
  bool setIfChanged(T value) {
    if (value == value_) return false;
    set(std::move(value));
    return true;
  }

  // Receives the current value at once, then every stored value.
  [[nodiscard]] Cancellable sink(std::function<void(const T&)> receive) const {
    receive(value_);
    return didSet_.sink(std::move(receive));
  }

  // The new value before it is stored; no replay on subscription.
  Signal<T>& willSet() const { return willSet_; }
  // The new value after it is stored; no replay on subscription.
  Signal<T>& didSet() const { return didSet_; }

 private:
  ObservableObject* owner_;
  T value_;
  mutable Signal<T> willSet_;
  mutable Signal<T> didSet_;
};

}  // namespace platform
