#pragma once

#include <string>

#include "platform/foundation/Geometry.h"
#include "platform/ui/Color.h"

namespace keyloom::testing {

// What a rendered picture shows in a box of pixels, as a person sees it:
// the pixels drawn in one colour and those drawn in others. Pixels less than
// a sixth opaque are left out. On a transparent picture the anti-aliased
// edge of a shape keeps its colour; over a background it is a blend, which
// counts as another colour.
struct Ink {
  int inColor = 0;
  int inOtherColors = 0;
};

// The ink of the PNG at `path` inside `box` (in pixels, cut to the picture),
// a pixel counting as `color` when none of its channels is off by more than
// a sixth. An unreadable file has no ink.
Ink inkIn(const std::string& path, platform::Rect box, platform::ui::Rgba color);

}  // namespace keyloom::testing
