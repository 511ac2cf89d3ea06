#include "keyloom/layout/KeyboardLayoutConfiguration.h"

#include <cmath>
#include <optional>

#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/ScreenSizes.h"
#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

using Config = KeyboardLayoutConfiguration;

struct PhoneRowHeights {
  double phone = 54;
  double phoneLandscape = 40;
  double phoneProMax = 56;
  double phoneProMaxLandscape = 40;
};

struct Presets {
  std::optional<Config> pad;
  std::optional<Config> padLandscape;
  std::optional<Config> padProLarge;
  std::optional<Config> padProLargeLandscape;
  std::optional<Config> phone;
  std::optional<Config> phoneLandscape;
  std::optional<Config> phoneProMax;
  std::optional<Config> phoneProMaxLandscape;
};

struct State {
  PhoneRowHeights rowHeights;
  Presets presets;
};

State& state() {
  static State* value = [] {
    static State instance;
    platform::registerProcessReset([] { instance = State(); });
    return &instance;
  }();
  return *value;
}

Config make(double radius, double top, double leading, double bottom, double trailing, double rowHeight) {
  return Config{radius, platform::EdgeInsets(top, leading, bottom, trailing), rowHeight};
}

// The preset, made on first read from `initial`.
template <class Make>
Config& preset(std::optional<Config>& slot, Make initial) {
  if (!slot) slot = initial();
  return *slot;
}

bool isPortraitOrientation(InterfaceOrientation orientation) {
  return orientation == InterfaceOrientation::portrait || orientation == InterfaceOrientation::portraitUpsideDown;
}

bool isLargePhone(platform::Size size) {
  return std::abs(size.width - iPhoneProMaxScreenPortrait.width) < 10 &&
         std::abs(size.height - iPhoneProMaxScreenPortrait.height) < 10;
}

}  // namespace

double& Config::standardPhoneRowHeight() { return state().rowHeights.phone; }
double& Config::standardPhoneLandscapeRowHeight() { return state().rowHeights.phoneLandscape; }
double& Config::standardPhoneProMaxRowHeight() { return state().rowHeights.phoneProMax; }
double& Config::standardPhoneProMaxLandscapeRowHeight() { return state().rowHeights.phoneProMaxLandscape; }

Config& Config::standardPad() {
  return preset(state().presets.pad, [] { return make(5, 4, 6, 4, 6, standardPadRowHeight); });
}
Config& Config::standardPadLandscape() {
  return preset(state().presets.padLandscape, [] { return make(7, 6, 7, 6, 7, standardPadLandscapeRowHeight); });
}
Config& Config::standardPadProLarge() {
  return preset(state().presets.padProLarge, [] { return make(6, 4, 4, 4, 4, standardPadProLargeRowHeight); });
}
Config& Config::standardPadProLargeLandscape() {
  return preset(state().presets.padProLargeLandscape,
                [] { return make(8, 5, 7, 5, 7, standardPadProLargeLandscapeRowHeight); });
}
Config& Config::standardPhone() {
  return preset(state().presets.phone, [] { return make(5, 6, 3, 6, 3, standardPhoneRowHeight()); });
}
Config& Config::standardPhoneLandscape() {
  return preset(state().presets.phoneLandscape,
                [] { return make(5, 4, 3, 4, 3, standardPhoneLandscapeRowHeight()); });
}
Config& Config::standardPhoneProMax() {
  return preset(state().presets.phoneProMax,
                [] { return make(5, 5.5, 3, 5.5, 3, standardPhoneProMaxRowHeight()); });
}
Config& Config::standardPhoneProMaxLandscape() {
  return preset(state().presets.phoneProMaxLandscape,
                [] { return make(5, 4, 3, 4, 3, standardPhoneProMaxLandscapeRowHeight()); });
}

Config Config::standard(const KeyboardContext& context) {
  return standard(context.deviceType.get(), context.screenSize.get(), context.interfaceOrientation.get());
}

Config Config::standard(DeviceType device, platform::Size screenSize, InterfaceOrientation orientation) {
  if (device == DeviceType::pad) return standardPad(screenSize, orientation);
  return standardPhone(screenSize, orientation);
}

Config Config::standardPad(platform::Size screenSize, InterfaceOrientation orientation) {
  const bool portrait = isPortraitOrientation(orientation);
  if (isScreenSize(screenSize, iPadProLargeScreenPortrait)) {
    return portrait ? standardPadProLarge() : standardPadProLargeLandscape();
  }
  return portrait ? standardPad() : standardPadLandscape();
}

Config Config::standardPhone(platform::Size screenSize, InterfaceOrientation orientation) {
  const bool portrait = isPortraitOrientation(orientation);
  if (isLargePhone(screenSize)) return portrait ? standardPhoneProMax() : standardPhoneProMaxLandscape();
  return portrait ? standardPhone() : standardPhoneLandscape();
}

}  // namespace keyloom
