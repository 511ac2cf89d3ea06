// Golden pictures of the gallery previews whose drawing is fixed (the
// gesture-button previews draw random backgrounds, so they are left out).
//
// After an intended change of how one looks, write the new pictures with
//   KEYLOOM_UPDATE_GOLDENS=1 build/bin/keyloom_previews_program_tests --gtest_filter='GalleryGolden*'
// look at them, and commit them with the change.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "apps/keyloom-previews/PreviewGallery.h"

namespace keyloom_previews {
namespace {

constexpr double kScale = 2;
// Channels may differ this much anywhere (font hinting, antialiasing) ...
constexpr int kChannelTolerance = 24;
// ... and by more on this share of the pixels.
constexpr double kOutlierShare = 0.002;

struct Comparison {
  bool sameSize = false;
  double outlierShare = 1;
};

Comparison compare(const std::filesystem::path& actual, const std::filesystem::path& expected) {
  cairo_surface_t* a = cairo_image_surface_create_from_png(actual.c_str());
  cairo_surface_t* b = cairo_image_surface_create_from_png(expected.c_str());
  Comparison result;
  if (cairo_surface_status(a) == CAIRO_STATUS_SUCCESS && cairo_surface_status(b) == CAIRO_STATUS_SUCCESS) {
    cairo_surface_flush(a);
    cairo_surface_flush(b);
    const int width = cairo_image_surface_get_width(a), height = cairo_image_surface_get_height(a);
    result.sameSize = width == cairo_image_surface_get_width(b) &&
                      height == cairo_image_surface_get_height(b) &&
                      cairo_image_surface_get_format(a) == cairo_image_surface_get_format(b);
    if (result.sameSize && width > 0 && height > 0) {
      const int strideA = cairo_image_surface_get_stride(a), strideB = cairo_image_surface_get_stride(b);
      const unsigned char* pixelsA = cairo_image_surface_get_data(a);
      const unsigned char* pixelsB = cairo_image_surface_get_data(b);
      long outliers = 0;
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          for (int channel = 0; channel < 4; ++channel) {
            const int difference =
                std::abs(pixelsA[y * strideA + 4 * x + channel] - pixelsB[y * strideB + 4 * x + channel]);
            if (difference > kChannelTolerance) {
              ++outliers;
              break;
            }
          }
        }
      }
      result.outlierShare = static_cast<double>(outliers) / (static_cast<double>(width) * height);
    }
  }
  cairo_surface_destroy(a);
  cairo_surface_destroy(b);
  return result;
}

class GalleryGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(GalleryGolden, MatchesTheCommittedPicture) {
  const GalleryPreview* preview = findGalleryPreview(GetParam());
  ASSERT_TRUE(preview);
  const std::filesystem::path golden =
      std::filesystem::path(KEYLOOM_PREVIEWS_GOLDENS) / (preview->name + ".png");
  const std::filesystem::path actual = std::filesystem::path(::testing::TempDir()) / (preview->name + ".png");
  const auto report = renderGalleryPreview(*preview, actual, kScale);
  EXPECT_EQ(report.unknownGlyphs, 0);

  const char* update = std::getenv("KEYLOOM_UPDATE_GOLDENS");
  if (update && std::string(update) == "1") {
    std::filesystem::copy_file(actual, golden, std::filesystem::copy_options::overwrite_existing);
    GTEST_SKIP() << "wrote " << golden;
  }
  ASSERT_TRUE(std::filesystem::exists(golden)) << "no golden " << golden << " (see the top of this file)";
  const Comparison comparison = compare(actual, golden);
  EXPECT_TRUE(comparison.sameSize) << actual << " against " << golden;
  EXPECT_LE(comparison.outlierShare, kOutlierShare) << actual << " against " << golden;
}

INSTANTIATE_TEST_SUITE_P(Previews, GalleryGolden,
                         ::testing::Values("toggle-toolbar-slide-up", "system-keyboard-pad", "input-callout",
                                           "action-callout", "autocomplete-toolbar",
                                           "keyboard-enabled-label"),
                         [](const auto& info) {
                           std::string name = info.param;
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

}  // namespace
}  // namespace keyloom_previews
