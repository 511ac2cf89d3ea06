#include "testing/SurfaceDifference.h"

#include <algorithm>
#include <cmath>

namespace keyloom::testing {

namespace {

int differingPixels(cairo_surface_t* a, cairo_surface_t* b, std::uint32_t mask, int x0, int y0, int x1,
                    int y1) {
  cairo_surface_flush(a);
  cairo_surface_flush(b);
  int count = 0;
  for (int y = y0; y < y1; ++y) {
    const auto* rowA = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(a) +
                                                              y * cairo_image_surface_get_stride(a));
    const auto* rowB = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(b) +
                                                              y * cairo_image_surface_get_stride(b));
    for (int x = x0; x < x1; ++x) count += (rowA[x] & mask) != (rowB[x] & mask);
  }
  return count;
}

}  // namespace

int differingPixels(cairo_surface_t* a, cairo_surface_t* b, std::uint32_t mask) {
  const int width = cairo_image_surface_get_width(a);
  const int height = cairo_image_surface_get_height(a);
  if (width != cairo_image_surface_get_width(b) || height != cairo_image_surface_get_height(b)) return -1;
  return differingPixels(a, b, mask, 0, 0, width, height);
}

int differingPixelsIn(cairo_surface_t* a, cairo_surface_t* b, platform::Rect box) {
  const int width = std::min(cairo_image_surface_get_width(a), cairo_image_surface_get_width(b));
  const int height = std::min(cairo_image_surface_get_height(a), cairo_image_surface_get_height(b));
  const int x0 = std::max(0, static_cast<int>(std::floor(box.minX())));
  const int y0 = std::max(0, static_cast<int>(std::floor(box.minY())));
  const int x1 = std::min(width, static_cast<int>(std::ceil(box.maxX())));
  const int y1 = std::min(height, static_cast<int>(std::ceil(box.maxY())));
  return differingPixels(a, b, 0xFFFFFFFF, x0, y0, x1, y1);
}

}  // namespace keyloom::testing
