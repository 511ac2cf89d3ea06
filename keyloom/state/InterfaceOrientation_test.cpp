#include "keyloom/state/InterfaceOrientation.h"

#include <gtest/gtest.h>

#include "keyloom/state/DeviceType.h"
#include "platform/input/Device.h"

namespace keyloom {
namespace {

TEST(InterfaceOrientation, ReadFromTheScreen) {
  using Screen = platform::ScreenOrientation;
  struct Row {
    Screen screen;
    InterfaceOrientation expected;
  };
  const Row rows[] = {
      {Screen::portrait, InterfaceOrientation::portrait},
      {Screen::portraitUpsideDown, InterfaceOrientation::portraitUpsideDown},
      {Screen::landscapeLeft, InterfaceOrientation::landscapeLeft},
      {Screen::landscapeRight, InterfaceOrientation::landscapeRight},
      {Screen::unknown, InterfaceOrientation::unknown},
  };
  for (const auto& row : rows) {
    platform::Screen::main().setOrientation(row.screen);
    EXPECT_EQ(currentInterfaceOrientation(), row.expected) << rawValue(row.expected);
  }
}

TEST(InterfaceOrientation, PortraitAndLandscape) {
  EXPECT_TRUE(isLandscape(InterfaceOrientation::landscape));
  EXPECT_TRUE(isPortrait(InterfaceOrientation::portraitUpsideDown));
  EXPECT_FALSE(isPortrait(InterfaceOrientation::unknown));
  EXPECT_FALSE(isLandscape(InterfaceOrientation::unknown));
  EXPECT_EQ(fromRawValue<InterfaceOrientation>("Portrait"), std::nullopt);
  EXPECT_EQ(fromRawValue<InterfaceOrientation>("portrait"), InterfaceOrientation::portrait);
}

TEST(DeviceType, OnlyThePadIdiomIsAPad) {
  using Idiom = platform::UserInterfaceIdiom;
  platform::Device::current().setUserInterfaceIdiom(Idiom::pad);
  EXPECT_EQ(currentDeviceType(), DeviceType::pad);
  for (auto idiom : {Idiom::phone, Idiom::tv, Idiom::mac, Idiom::carPlay, Idiom::unspecified}) {
    platform::Device::current().setUserInterfaceIdiom(idiom);
    EXPECT_EQ(currentDeviceType(), DeviceType::phone);
  }
}

}  // namespace
}  // namespace keyloom
