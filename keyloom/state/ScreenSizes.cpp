#include "keyloom/state/ScreenSizes.h"

namespace keyloom {

namespace {

bool isStrictlyNear(double value, double target, double tolerance) {
  return value > target - tolerance && value < target + tolerance;
}

bool matchesUpright(platform::Size size, platform::Size screen, double tolerance) {
  return isStrictlyNear(size.width, screen.width, tolerance) &&
         isStrictlyNear(size.height, screen.height, tolerance);
}

}  // namespace

bool isScreenSize(platform::Size size, platform::Size screen) {
  return size == screen || size == flipped(screen);
}

bool isScreenSize(platform::Size size, platform::Size screen, double tolerance) {
  return matchesUpright(size, screen, tolerance) || matchesUpright(size, flipped(screen), tolerance);
}

}  // namespace keyloom
