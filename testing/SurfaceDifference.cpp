#include "testing/SurfaceDifference.h"

namespace keyloom::testing {

int differingPixels(cairo_surface_t* a, cairo_surface_t* b, std::uint32_t mask) {
  const int width = cairo_image_surface_get_width(a);
  const int height = cairo_image_surface_get_height(a);
  if (width != cairo_image_surface_get_width(b) || height != cairo_image_surface_get_height(b)) return -1;
  cairo_surface_flush(a);
  cairo_surface_flush(b);
  int count = 0;
  for (int y = 0; y < height; ++y) {
    const auto* rowA = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(a) +
                                                              y * cairo_image_surface_get_stride(a));
    const auto* rowB = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(b) +
                                                              y * cairo_image_surface_get_stride(b));
    for (int x = 0; x < width; ++x) count += (rowA[x] & mask) != (rowB[x] & mask);
  }
  return count;
}

}  // namespace keyloom::testing
