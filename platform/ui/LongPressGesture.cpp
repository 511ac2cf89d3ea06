#include "platform/ui/LongPressGesture.h"

#include "platform/ui/Color.h"

namespace platform::ui {

LongPressGesture::LongPressGesture(TimeInterval minimumDuration, double maximumDistance)
    : minimumDuration_(minimumDuration), maximumDistance_(maximumDistance) {}

LongPressGesture LongPressGesture::onEnded(std::function<void()> action) const {
  LongPressGesture copy = *this;
  copy.onEnded_ = std::move(action);
  return copy;
}

void LongPressGesture::ended() const {
  if (onEnded_) onEnded_();
}

std::string LongPressGesture::description() const {
  return "LongPressGesture(minimumDuration: " + formatNumber(minimumDuration_) + ")";
}

}  // namespace platform::ui
