#pragma once

#include <cairo.h>

#include <cstdint>

namespace keyloom::testing {

// How many pixels of two image surfaces differ, comparing only the bits of
// `mask` (0x00FFFFFF leaves alpha out); -1 when their sizes differ.
int differingPixels(cairo_surface_t* a, cairo_surface_t* b, std::uint32_t mask = 0xFFFFFFFF);

}  // namespace keyloom::testing
