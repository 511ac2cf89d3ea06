#include "keyloom/state/KeyboardImageReader.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

using Reader = KeyboardImageReader;

TEST(KeyboardImageReader, ArrowsFollowTheWritingDirection) {
  struct Row {
    const char* locale;
    const char* backspace;
    const char* newline;
  };
  const Row rows[] = {
      {"en", "delete.left", "arrow.turn.down.left"},
      {"de_CH", "delete.left", "arrow.turn.down.left"},
      {"ar", "delete.right", "arrow.turn.down.right"},
      {"he", "delete.right", "arrow.turn.down.right"},
      // No language code: the direction is unknown, which is not left to right.
      {"", "delete.right", "arrow.turn.down.right"},
  };
  for (const auto& row : rows) {
    const platform::Locale locale(row.locale);
    EXPECT_EQ(Reader::keyboardBackspace(locale), KeyboardImage::systemSymbol(row.backspace)) << row.locale;
    EXPECT_EQ(Reader::keyboardNewline(locale), KeyboardImage::systemSymbol(row.newline)) << row.locale;
  }
}

TEST(KeyboardImageReader, EmojiIsALibraryAssetNotASymbol) {
  EXPECT_EQ(Reader::keyboardEmoji(), KeyboardImage::libraryAsset("keyboardEmoji"));
  EXPECT_NE(Reader::keyboardEmoji(), KeyboardImage::systemSymbol("keyboardEmoji"));
  EXPECT_NE(KeyboardImage::mainBundleAsset("x"), KeyboardImage::libraryAsset("x"));
}

}  // namespace
}  // namespace keyloom
