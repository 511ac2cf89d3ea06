#include "platform/foundation/ObserverToken.h"

#include <utility>

namespace platform {

ObserverToken::ObserverToken(std::function<void()> onRemove) : onRemove_(std::move(onRemove)) {}

ObserverToken::~ObserverToken() { remove(); }

ObserverToken::ObserverToken(ObserverToken&& other) noexcept : onRemove_(std::exchange(other.onRemove_, nullptr)) {}

ObserverToken& ObserverToken::operator=(ObserverToken&& other) noexcept {
  if (this != &other) {
    remove();
    onRemove_ = std::exchange(other.onRemove_, nullptr);
  }
  return *this;
}

void ObserverToken::remove() {
  auto onRemove = std::exchange(onRemove_, nullptr);
  if (onRemove) onRemove();
}

std::function<void()> ObserverToken::release() { return std::exchange(onRemove_, nullptr); }

}  // namespace platform
