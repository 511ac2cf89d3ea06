#pragma once

#include "platform/foundation/Geometry.h"

namespace keyloom {

// Screen sizes that get layout presets of their own, in points.
inline constexpr platform::Size iPadProLargeScreenPortrait{1024, 1366};
inline constexpr platform::Size iPadProLargeScreenLandscape{1366, 1024};
inline constexpr platform::Size iPadProSmallScreenPortrait{834, 1194};
inline constexpr platform::Size iPadProSmallScreenLandscape{1194, 834};
inline constexpr platform::Size iPadScreenPortrait{768, 1024};
inline constexpr platform::Size iPadScreenLandscape{1024, 768};
inline constexpr platform::Size iPhoneProMaxScreenPortrait{428, 926};
inline constexpr platform::Size iPhoneProMaxScreenLandscape{926, 428};

// Width and height swapped.
constexpr platform::Size flipped(platform::Size size) { return {size.height, size.width}; }

// The size is `screen` exactly, in either orientation.
bool isScreenSize(platform::Size size, platform::Size screen);
// Each side lies strictly within `tolerance` of the screen's, in either
// orientation; so a tolerance of 0 never matches.
bool isScreenSize(platform::Size size, platform::Size screen, double tolerance);

}  // namespace keyloom
