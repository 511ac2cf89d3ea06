#pragma once

#include "platform/foundation/Geometry.h"

namespace keyloom {

// Handles the drags of a key: the drag's start and current location, in the
// key's coordinate space, in points.
class DragGestureHandler {
 public:
  virtual ~DragGestureHandler() = default;
  virtual void handleDragGesture(platform::Point startLocation, platform::Point currentLocation) = 0;
};

}  // namespace keyloom
