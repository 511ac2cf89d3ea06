#pragma once

#include "platform/foundation/Geometry.h"

namespace platform {

// How the interface is turned relative to the device held upright.
enum class ScreenOrientation {
  portrait,
  portraitUpsideDown,
  landscapeLeft,
  landscapeRight,
  unknown,  // the platform could not tell; coordinates convert to NaN
};

bool isLandscape(ScreenOrientation orientation);

// A display. Its bounds follow the interface orientation (a landscape screen
// is wider than tall); its fixed coordinate space does not turn.
class Screen {
 public:
  // A phone-sized portrait screen (390 x 844 points at scale 3).
  Screen();
  Screen(Size portraitSize, double scale, ScreenOrientation orientation = ScreenOrientation::portrait);

  // The screen the keyboard is shown on. The simulated host configures it;
  // the process reset puts back the default screen.
  static Screen& main();

  // Bounds in the current orientation, at the origin.
  Rect bounds() const;
  // The size with the device upright; the same in every orientation.
  Size portraitSize() const { return portraitSize_; }
  double scale() const { return scale_; }
  ScreenOrientation orientation() const { return orientation_; }

  void setPortraitSize(Size size) { portraitSize_ = size; }
  void setScale(double scale) { scale_ = scale; }
  // Turning between portrait and landscape swaps the width and height of bounds().
  void setOrientation(ScreenOrientation orientation) { orientation_ = orientation; }

  // A point of the screen's (turned) coordinate space in its fixed, upright
  // coordinate space. The origin lands on a different corner per orientation,
  // which is how the keyboard tells the orientation.
  Point convertToFixedCoordinateSpace(Point point) const;

 private:
  Size portraitSize_;
  double scale_;
  ScreenOrientation orientation_;
};

}  // namespace platform
