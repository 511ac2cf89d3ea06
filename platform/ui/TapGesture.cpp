#include "platform/ui/TapGesture.h"

namespace platform::ui {

TapGesture::TapGesture(int count) : count_(count < 1 ? 1 : count) {}

TapGesture TapGesture::onEnded(std::function<void()> action) const {
  TapGesture copy = *this;
  copy.onEnded_ = std::move(action);
  return copy;
}

void TapGesture::ended() const {
  if (onEnded_) onEnded_();
}

std::string TapGesture::description() const {
  return "TapGesture(count: " + std::to_string(count_) + ")";
}

}  // namespace platform::ui
