// Golden pictures of the gallery previews whose drawing is fixed (the
// gesture-button previews draw random backgrounds, so they are left out).
//
// After an intended change of how one looks, write the new pictures with
//   KEYLOOM_UPDATE_GOLDENS=1 build/bin/keyloom_previews_program_tests --gtest_filter='GalleryGolden*'
// look at them, and commit them with the change.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "apps/keyloom-previews/PreviewGallery.h"
#include "testing/GoldenImage.h"

namespace keyloom_previews {
namespace {

constexpr double kScale = 2;

class GalleryGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(GalleryGolden, MatchesTheCommittedPicture) {
  const GalleryPreview* preview = findGalleryPreview(GetParam());
  ASSERT_TRUE(preview);
  const std::filesystem::path golden =
      std::filesystem::path(KEYLOOM_PREVIEWS_GOLDENS) / (preview->name + ".png");
  const std::filesystem::path actual = std::filesystem::path(::testing::TempDir()) / (preview->name + ".png");
  const auto report = renderGalleryPreview(*preview, actual, kScale);
  EXPECT_EQ(report.unknownGlyphs, 0);
  EXPECT_TRUE(report.unknownSymbols.empty());

  keyloom::testing::expectMatchesGoldenFile(actual, golden);
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
