#include "testing/Ink.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace keyloom::testing {

Ink inkIn(const std::string& path, platform::Rect box, platform::ui::Rgba color) {
  Ink ink;
  cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
  if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(image);
    return ink;
  }
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  const int x0 = std::max(0, static_cast<int>(std::floor(box.minX())));
  const int y0 = std::max(0, static_cast<int>(std::floor(box.minY())));
  const int x1 = std::min(width, static_cast<int>(std::ceil(box.maxX())));
  const int y1 = std::min(height, static_cast<int>(std::ceil(box.maxY())));
  const double wanted[3] = {color.red * 255, color.green * 255, color.blue * 255};
  for (int y = y0; y < y1; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(image) +
                                                             y * cairo_image_surface_get_stride(image));
    for (int x = x0; x < x1; ++x) {
      const std::uint32_t argb = row[x];
      const int alpha = static_cast<int>(argb >> 24);
      if (alpha < 43) continue;
      // Cairo keeps colours multiplied by their alpha.
      const double channels[3] = {double((argb >> 16) & 0xff) * 255 / alpha,
                                  double((argb >> 8) & 0xff) * 255 / alpha,
                                  double(argb & 0xff) * 255 / alpha};
      bool near = true;
      for (int i = 0; i < 3; ++i) near = near && std::abs(channels[i] - wanted[i]) <= 43;
      (near ? ink.inColor : ink.inOtherColors) += 1;
    }
  }
  cairo_surface_destroy(image);
  return ink;
}

}  // namespace keyloom::testing
