#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>

#include "platform/foundation/ProcessState.h"

namespace keyloom {

// A settable process-wide style preset: made by its factory on the first
// read, then whatever is assigned through the reference. The process reset
// forgets the value, so the next read makes it anew. Hold one in a
// function-local static. The first read may come from several threads at
// once and still makes the value exactly once; assigning to it is for the
// main thread.
template <class T>
class Preset {
 public:
  explicit Preset(std::function<T()> make) : make_(std::move(make)) {
    // Runs between tests, when no other thread reads the preset.
    platform::registerProcessReset([this] {
      value_.reset();
      made_ = std::make_unique<std::once_flag>();
    });
  }
  Preset(const Preset&) = delete;
  Preset& operator=(const Preset&) = delete;

  T& get() {
    std::call_once(*made_, [this] { value_.emplace(make_()); });
    return *value_;
  }

 private:
  std::function<T()> make_;
  std::optional<T> value_;
  std::unique_ptr<std::once_flag> made_ = std::make_unique<std::once_flag>();
};

}  // namespace keyloom
