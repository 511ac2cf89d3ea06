#pragma once

#include "keyloom/state/DeviceType.h"
#include "keyloom/state/InterfaceOrientation.h"
#include "platform/foundation/Geometry.h"

namespace keyloom {

class KeyboardContext;

// The proportions of a keyboard on one class of device: the corner radius of
// the key buttons, the insets around each button inside its key frame, and the
// height of a row of keys.
struct KeyboardLayoutConfiguration {
  double buttonCornerRadius = 0;
  platform::EdgeInsets buttonInsets;
  double rowHeight = 0;

  bool operator==(const KeyboardLayoutConfiguration&) const = default;

  // Row heights of the pads are fixed.
  static constexpr double standardPadRowHeight = 64;
  static constexpr double standardPadLandscapeRowHeight = 86;
  static constexpr double standardPadProLargeRowHeight = 69;
  static constexpr double standardPadProLargeLandscapeRowHeight = 88;

  // Row heights of the phones can be set. A phone preset copies its row height
  // when it is first read, so only a change made before that reaches it.
  static double& standardPhoneRowHeight();
  static double& standardPhoneLandscapeRowHeight();
  static double& standardPhoneProMaxRowHeight();
  static double& standardPhoneProMaxLandscapeRowHeight();

  // The eight presets, each made at its first read and settable.
  static KeyboardLayoutConfiguration& standardPad();
  static KeyboardLayoutConfiguration& standardPadLandscape();
  static KeyboardLayoutConfiguration& standardPadProLarge();
  static KeyboardLayoutConfiguration& standardPadProLargeLandscape();
  static KeyboardLayoutConfiguration& standardPhone();
  static KeyboardLayoutConfiguration& standardPhoneLandscape();
  static KeyboardLayoutConfiguration& standardPhoneProMax();
  static KeyboardLayoutConfiguration& standardPhoneProMaxLandscape();

  // The preset for the context's device type, screen size and orientation.
  static KeyboardLayoutConfiguration standard(const KeyboardContext& context);
  // Pads get the pad presets; every other device the phone presets.
  static KeyboardLayoutConfiguration standard(DeviceType device, platform::Size screenSize,
                                              InterfaceOrientation orientation);
  // The large pad preset for a screen of exactly 1024 x 1366 points, either
  // way round; else the ordinary pad preset.
  static KeyboardLayoutConfiguration standardPad(platform::Size screenSize, InterfaceOrientation orientation);
  // The large phone preset for a screen within 10 points of 428 x 926 points
  // in both sides, width against width (a landscape size does not match);
  // else the ordinary phone preset.
  static KeyboardLayoutConfiguration standardPhone(platform::Size screenSize, InterfaceOrientation orientation);
};

}  // namespace keyloom
