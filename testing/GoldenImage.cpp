#include "testing/GoldenImage.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace keyloom::testing {
namespace {

constexpr int kChannelTolerance = 32;
constexpr long kOutlierDivisor = 500;

using Surface = std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)>;

Surface load(const std::filesystem::path& path) {
  return Surface(cairo_image_surface_create_from_png(path.c_str()), &cairo_surface_destroy);
}

bool updating() {
  const char* update = std::getenv("KEYLOOM_UPDATE_GOLDENS");
  return update && std::string(update) == "1";
}

}  // namespace

void expectMatchesGoldenFile(const std::filesystem::path& rendered, const std::filesystem::path& golden) {
  namespace fs = std::filesystem;
  if (updating()) {
    fs::create_directories(golden.parent_path());
    fs::copy_file(rendered, golden, fs::copy_options::overwrite_existing);
    return;
  }
  const Surface expected = load(golden);
  const Surface actual = load(rendered);
  if (cairo_surface_status(expected.get()) != CAIRO_STATUS_SUCCESS) {
    ADD_FAILURE() << "no readable golden " << golden << " (rendered " << rendered << ")";
    return;
  }
  if (cairo_surface_status(actual.get()) != CAIRO_STATUS_SUCCESS) {
    ADD_FAILURE() << "no readable rendering " << rendered;
    return;
  }
  const int width = cairo_image_surface_get_width(actual.get());
  const int height = cairo_image_surface_get_height(actual.get());
  if (width != cairo_image_surface_get_width(expected.get()) ||
      height != cairo_image_surface_get_height(expected.get()) ||
      cairo_image_surface_get_format(actual.get()) != cairo_image_surface_get_format(expected.get())) {
    ADD_FAILURE() << rendered << " is " << width << "x" << height << ", the golden " << golden << " is "
                  << cairo_image_surface_get_width(expected.get()) << "x"
                  << cairo_image_surface_get_height(expected.get());
    return;
  }
  cairo_surface_flush(expected.get());
  cairo_surface_flush(actual.get());
  const unsigned char* a = cairo_image_surface_get_data(actual.get());
  const unsigned char* e = cairo_image_surface_get_data(expected.get());
  const int strideA = cairo_image_surface_get_stride(actual.get());
  const int strideE = cairo_image_surface_get_stride(expected.get());
  long differing = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      for (int channel = 0; channel < 4; ++channel) {
        if (std::abs(a[y * strideA + 4 * x + channel] - e[y * strideE + 4 * x + channel]) > kChannelTolerance) {
          ++differing;
          break;
        }
      }
    }
  }
  EXPECT_LE(differing, static_cast<long>(width) * height / kOutlierDivisor)
      << differing << " pixels differ; rendered " << rendered << " against " << golden;
}

}  // namespace keyloom::testing
