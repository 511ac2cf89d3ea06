#pragma once

#include <functional>
#include <string>

#include "platform/foundation/Date.h"
#include "platform/foundation/Geometry.h"
#include "platform/ui/Gesture.h"
#include "platform/ui/GeometryProxy.h"

namespace platform::ui {

// One state of a drag, in the gesture's coordinate space.
struct DragValue {
  Point startLocation;
  Point location;
  Size translation;  // location - startLocation
  Date time;
  // Set on the final value of a drag that did not end with the finger
  // lifting: the touch was cancelled, or a scroll view took it over.
  bool isCancelled = false;

  bool operator==(const DragValue&) const = default;
};

// Recognises a touch that moved at least `minimumDistance` points from where
// it started (with 0: at once, at touch-down). `onChanged` runs when it is
// recognised and at every move after; `onEnded` runs once when the touch
// lifts, and also when the touch is cancelled (then with isCancelled set),
// so a recognised drag always gets a final value.
class DragGesture : public Gesture {
 public:
  using Action = std::function<void(const DragValue&)>;

  explicit DragGesture(double minimumDistance = 10,
                       CoordinateSpace coordinateSpace = CoordinateSpace::local());

  DragGesture onChanged(Action action) const;
  DragGesture onEnded(Action action) const;

  double minimumDistance() const { return minimumDistance_; }
  const CoordinateSpace& coordinateSpace() const { return coordinateSpace_; }
  void changed(const DragValue& value) const;
  void ended(const DragValue& value) const;

  std::string description() const override;

 private:
  double minimumDistance_;
  CoordinateSpace coordinateSpace_;
  Action onChanged_;
  Action onEnded_;
};

}  // namespace platform::ui
