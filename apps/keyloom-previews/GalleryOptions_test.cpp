#include "apps/keyloom-previews/GalleryOptions.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "apps/keyloom-previews/PreviewGallery.h"

namespace keyloom_previews {
namespace {

TEST(GalleryOptions, ReadsEveryOptionInBothForms) {
  const auto options =
      parseGalleryOptions({"--out", "pics", "--only=toggle-toolbar-opacity", "--scale=3", "--list"});
  EXPECT_TRUE(options.list);
  EXPECT_EQ(options.out, "pics");
  EXPECT_EQ(options.only, "toggle-toolbar-opacity");
  EXPECT_DOUBLE_EQ(options.scale, 3);
  EXPECT_DOUBLE_EQ(parseGalleryOptions({"--out=x"}).scale, 2) << "the default scale";
  EXPECT_DOUBLE_EQ(parseGalleryOptions({"--out=x", "--scale", "0.5"}).scale, 0.5);
  EXPECT_TRUE(parseGalleryOptions({"--help"}).help);
}

TEST(GalleryOptions, RejectsWhatItCannotRun) {
  const std::vector<std::vector<std::string>> bad = {
      {},                            // nothing to do
      {"--only", "gesture-button"},  // still nothing to do
      {"--list", "--frobnicate"},    // unknown option
      {"--list", "extra"},           // stray argument
      {"--out"},                     // missing value
      {"--out="},                    // empty directory
      {"--list", "--only="},         // empty name
      {"--list=yes"},                // a flag with a value
      {"--out", "x", "--scale", "0"},
      {"--out", "x", "--scale", "-2"},
      {"--out", "x", "--scale", "9"},
      {"--out", "x", "--scale", "2x"},
      {"--out", "x", "--scale", "nan"},
      {"--out", "x", "--scale", ""},
  };
  for (const auto& arguments : bad) {
    std::string line;
    for (const auto& argument : arguments) line += argument + " ";
    EXPECT_THROW(parseGalleryOptions(arguments), GalleryUsageError) << line;
  }
}

TEST(PreviewGallery, NamesAreUniqueAndCoverEveryComponent) {
  std::set<std::string> names;
  for (const auto& preview : galleryPreviews()) {
    EXPECT_TRUE(names.insert(preview.name).second) << "repeated " << preview.name;
    EXPECT_EQ(findGalleryPreview(preview.name), &preview);
    EXPECT_GT(preview.size.width, 0);
    EXPECT_GT(preview.size.height, 0);
  }
  for (const char* name :
       {"gesture-button", "scroll-view-gesture-button", "toggle-toolbar-opacity", "toggle-toolbar-flip-up",
        "toggle-toolbar-flip-down", "toggle-toolbar-slide-up", "toggle-toolbar-slide-down",
        "system-keyboard-phone", "system-keyboard-pad", "input-callout", "action-callout",
        "autocomplete-toolbar", "keyboard-enabled-label"}) {
    EXPECT_TRUE(names.count(name)) << name;
  }
  EXPECT_EQ(findGalleryPreview("no-such-preview"), nullptr);
}

}  // namespace
}  // namespace keyloom_previews
