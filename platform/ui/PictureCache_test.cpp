#include "platform/ui/PictureCache.h"

#include <gtest/gtest.h>

namespace platform::ui {
namespace {

PictureCache::Picture picture(int side, int x = 0) {
  return {cairo_image_surface_create(CAIRO_FORMAT_ARGB32, side, side), x, 0, 0, {}};
}

TEST(PictureCache, FindsWhatItKept) {
  PictureCache cache;
  EXPECT_EQ(cache.find("a"), nullptr);
  cache.store("a", picture(10, 7));
  cache.store("b", picture(10, 8));
  ASSERT_NE(cache.find("a"), nullptr);
  EXPECT_EQ(cache.find("a")->x, 7);
  EXPECT_EQ(cache.find("b")->x, 8);
  EXPECT_EQ(cache.bytes(), 2u * 10 * 40);
}

TEST(PictureCache, ForgetsTheLeastRecentlyUsedBeyondItsBudget) {
  PictureCache cache;
  // Three pictures of a third of the budget each, less a little.
  const int side = 590;
  cache.store("first", picture(side));
  cache.store("second", picture(side));
  cache.store("third", picture(side));
  ASSERT_EQ(cache.size(), 3u);
  cache.find("first");  // used again: the second is now the oldest
  cache.store("fourth", picture(side));
  EXPECT_EQ(cache.size(), 3u);
  EXPECT_EQ(cache.find("second"), nullptr);
  EXPECT_NE(cache.find("first"), nullptr);
  EXPECT_NE(cache.find("fourth"), nullptr);
  EXPECT_LE(cache.bytes(), PictureCache::maximumBytes);
}

}  // namespace
}  // namespace platform::ui
