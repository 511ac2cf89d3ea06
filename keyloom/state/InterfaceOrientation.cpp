#include "keyloom/state/InterfaceOrientation.h"

#include <cmath>

namespace keyloom {

bool isPortrait(InterfaceOrientation orientation) {
  return orientation == InterfaceOrientation::portrait ||
         orientation == InterfaceOrientation::portraitUpsideDown;
}

bool isLandscape(InterfaceOrientation orientation) {
  return orientation == InterfaceOrientation::landscape ||
         orientation == InterfaceOrientation::landscapeLeft ||
         orientation == InterfaceOrientation::landscapeRight;
}

InterfaceOrientation interfaceOrientation(const platform::Screen& screen) {
  const platform::Point origin = screen.convertToFixedCoordinateSpace({0, 0});
  if (std::isnan(origin.x) || std::isnan(origin.y)) return InterfaceOrientation::unknown;
  const bool xIsZero = origin.x == 0;
  const bool yIsZero = origin.y == 0;
  if (xIsZero && yIsZero) return InterfaceOrientation::portrait;
  if (!xIsZero && !yIsZero) return InterfaceOrientation::portraitUpsideDown;
  if (xIsZero) return InterfaceOrientation::landscapeLeft;
  return InterfaceOrientation::landscapeRight;
}

InterfaceOrientation currentInterfaceOrientation() { return interfaceOrientation(platform::Screen::main()); }

}  // namespace keyloom
