#include "platform/input/Screen.h"

#include <limits>

#include "platform/foundation/ProcessState.h"

namespace platform {

bool isLandscape(ScreenOrientation orientation) {
  return orientation == ScreenOrientation::landscapeLeft || orientation == ScreenOrientation::landscapeRight;
}

Screen::Screen() : Screen(Size{390, 844}, 3) {}

Screen::Screen(Size portraitSize, double scale, ScreenOrientation orientation)
    : portraitSize_(portraitSize), scale_(scale), orientation_(orientation) {}

Screen& Screen::main() {
  static Screen screen;
  static const bool registered = [] {
    registerProcessReset([] { screen = Screen(); });
    return true;
  }();
  (void)registered;
  return screen;
}

Rect Screen::bounds() const {
  if (isLandscape(orientation_)) return Rect(0, 0, portraitSize_.height, portraitSize_.width);
  return Rect(0, 0, portraitSize_.width, portraitSize_.height);
}

Point Screen::convertToFixedCoordinateSpace(Point p) const {
  const double width = portraitSize_.width;
  const double height = portraitSize_.height;
  switch (orientation_) {
    case ScreenOrientation::portrait:
      return p;
    case ScreenOrientation::portraitUpsideDown:
      return {width - p.x, height - p.y};
    case ScreenOrientation::landscapeLeft:
      return {p.y, height - p.x};
    case ScreenOrientation::landscapeRight:
      return {width - p.y, p.x};
    case ScreenOrientation::unknown:
      break;
  }
  const double nan = std::numeric_limits<double>::quiet_NaN();
  return {nan, nan};
}

}  // namespace platform
