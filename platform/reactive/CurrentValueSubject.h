#pragma once

#include <functional>
#include <utility>

#include "platform/reactive/Signal.h"

namespace platform {

// A subject that holds its latest value and replays it to each new subscriber.
template <class T>
class CurrentValueSubject {
 public:
  explicit CurrentValueSubject(T initial) : value_(std::move(initial)) {}

  const T& value() const { return value_; }

  // Stores, then delivers.
  void send(T value) {
    value_ = std::move(value);
    signal_.send(value_);
  }

  [[nodiscard]] Cancellable sink(std::function<void(const T&)> receive) {
    receive(value_);
    return signal_.sink(std::move(receive));
  }

  std::size_t subscriberCount() const { return signal_.subscriberCount(); }

 private:
  T value_;
  Signal<T> signal_;
};

}  // namespace platform
