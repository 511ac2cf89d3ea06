#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "platform/foundation/ProcessState.h"

namespace keyloom {

// A settable process-wide style preset: made by its factory on the first
// read, then whatever is assigned through the reference. The process reset
// forgets the value, so the next read makes it anew. Hold one in a
// function-local static; main thread only after the first read.
template <class T>
class Preset {
 public:
  explicit Preset(std::function<T()> make) : make_(std::move(make)) {
    platform::registerProcessReset([this] { value_.reset(); });
  }
  Preset(const Preset&) = delete;
  Preset& operator=(const Preset&) = delete;

  T& get() {
    if (!value_) value_.emplace(make_());
    return *value_;
  }

 private:
  std::function<T()> make_;
  std::optional<T> value_;
};

}  // namespace keyloom
