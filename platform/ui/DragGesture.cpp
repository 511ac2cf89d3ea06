#include "platform/ui/DragGesture.h"

#include "platform/ui/Color.h"

namespace platform::ui {

DragGesture::DragGesture(double minimumDistance, CoordinateSpace coordinateSpace)
    : minimumDistance_(minimumDistance), coordinateSpace_(std::move(coordinateSpace)) {}

DragGesture DragGesture::onChanged(Action action) const {
  DragGesture copy = *this;
  copy.onChanged_ = std::move(action);
  return copy;
}

DragGesture DragGesture::onEnded(Action action) const {
  DragGesture copy = *this;
  copy.onEnded_ = std::move(action);
  return copy;
}

void DragGesture::changed(const DragValue& value) const {
  if (onChanged_) onChanged_(value);
}

void DragGesture::ended(const DragValue& value) const {
  if (onEnded_) onEnded_(value);
}

std::string DragGesture::description() const {
  std::string space = coordinateSpace_.kind == CoordinateSpace::Kind::local    ? "local"
                      : coordinateSpace_.kind == CoordinateSpace::Kind::global ? "global"
                                                                               : "named(" + coordinateSpace_.name + ")";
  return "DragGesture(minimumDistance: " + formatNumber(minimumDistance_) + ", " + space + ")";
}

}  // namespace platform::ui
