#pragma once

#include <cairo.h>

#include <cstdint>

#include "platform/foundation/Geometry.h"

namespace keyloom::testing {

// How many pixels of two image surfaces differ, comparing only the bits of
// `mask` (0x00FFFFFF leaves alpha out); -1 when their sizes differ.
int differingPixels(cairo_surface_t* a, cairo_surface_t* b, std::uint32_t mask = 0xFFFFFFFF);
// The same inside `box` (in pixels, cut to the surfaces).
int differingPixelsIn(cairo_surface_t* a, cairo_surface_t* b, platform::Rect box);

}  // namespace keyloom::testing
