#include "platform/reactive/Cancellable.h"

#include <utility>

namespace platform {

Cancellable::Cancellable(std::function<void()> onCancel) : onCancel_(std::move(onCancel)) {}

Cancellable::~Cancellable() { cancel(); }

Cancellable::Cancellable(Cancellable&& other) noexcept : onCancel_(std::exchange(other.onCancel_, nullptr)) {}

Cancellable& Cancellable::operator=(Cancellable&& other) noexcept {
  if (this != &other) {
    cancel();
    onCancel_ = std::exchange(other.onCancel_, nullptr);
  }
  return *this;
}

void Cancellable::cancel() {
  // Clear first: the cancel action may destroy whatever owns this token.
  auto onCancel = std::exchange(onCancel_, nullptr);
  if (onCancel) onCancel();
}

void Cancellable::store(std::vector<Cancellable>& bag) && { bag.push_back(std::move(*this)); }

}  // namespace platform
