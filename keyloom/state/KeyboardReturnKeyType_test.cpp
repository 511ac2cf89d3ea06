#include "keyloom/state/KeyboardReturnKeyType.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

TEST(KeyboardReturnKeyType, CustomTitleIsNotThePlainCase) {
  EXPECT_NE(KeyboardReturnKeyType::custom("done"), KeyboardReturnKeyType::done());
  EXPECT_EQ(KeyboardReturnKeyType::custom("done").id(), KeyboardReturnKeyType::done().id());
  EXPECT_EQ(KeyboardReturnKeyType::custom("a"), KeyboardReturnKeyType::custom("a"));
  EXPECT_EQ(KeyboardReturnKeyType::newLine().id(), "newLine");
}

TEST(KeyboardReturnKeyType, OnlyReturnAndNewLineAreSystemKeys) {
  for (const auto& type : KeyboardReturnKeyType::allCases()) {
    const bool expected =
        type == KeyboardReturnKeyType::return_() || type == KeyboardReturnKeyType::newLine();
    EXPECT_EQ(type.isSystemAction(), expected) << type;
  }
  EXPECT_FALSE(KeyboardReturnKeyType::custom("return").isSystemAction());
  EXPECT_EQ(KeyboardReturnKeyType::allCases().back(), KeyboardReturnKeyType::send());
}

TEST(KeyboardReturnKeyType, OnlyNewLineHasAnImageThatFollowsTheWritingDirection) {
  const platform::Locale english("en_US");
  for (const auto& type : KeyboardReturnKeyType::allCases()) {
    if (type == KeyboardReturnKeyType::newLine()) continue;
    EXPECT_EQ(type.standardButtonImage(english), std::nullopt) << type;
  }
  EXPECT_EQ(KeyboardReturnKeyType::custom("").standardButtonImage(english), std::nullopt);

  const auto newLine = KeyboardReturnKeyType::newLine();
  EXPECT_EQ(newLine.standardButtonImage(english), KeyboardImage::systemSymbol("arrow.turn.down.left"));
  EXPECT_EQ(newLine.standardButtonImage(platform::Locale("ar")),
            KeyboardImage::systemSymbol("arrow.turn.down.right"));
  // No language code: the direction is unknown, which is not left to right.
  EXPECT_EQ(newLine.standardButtonImage(platform::Locale("")),
            KeyboardImage::systemSymbol("arrow.turn.down.right"));
}

TEST(KeyboardReturnKeyType, PlatformReturnKeyTypes) {
  using Platform = platform::ReturnKeyType;
  struct Row {
    Platform platform;
    KeyboardReturnKeyType expected;
  };
  const Row rows[] = {
      {Platform::default_, KeyboardReturnKeyType::return_()},
      {Platform::go, KeyboardReturnKeyType::go()},
      {Platform::google, KeyboardReturnKeyType::custom("Google")},
      {Platform::join, KeyboardReturnKeyType::join()},
      {Platform::next, KeyboardReturnKeyType::next()},
      {Platform::route, KeyboardReturnKeyType::custom("route")},
      {Platform::search, KeyboardReturnKeyType::search()},
      {Platform::send, KeyboardReturnKeyType::send()},
      {Platform::yahoo, KeyboardReturnKeyType::custom("Yahoo")},
      {Platform::done, KeyboardReturnKeyType::done()},
      {Platform::emergencyCall, KeyboardReturnKeyType::custom("emergencyCall")},
      {Platform::continue_, KeyboardReturnKeyType::custom("continue")},
      {static_cast<Platform>(12), KeyboardReturnKeyType::custom("unknown")},
      {static_cast<Platform>(400), KeyboardReturnKeyType::custom("unknown")},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(keyboardReturnKeyType(row.platform), row.expected) << "raw " << static_cast<int>(row.platform);
  }
}

}  // namespace
}  // namespace keyloom
