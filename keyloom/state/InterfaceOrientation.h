#pragma once

#include <array>
#include <string_view>

#include "keyloom/core/RawValueTable.h"
#include "platform/input/Screen.h"

namespace keyloom {

// How the interface is turned. The plain `landscape` is never read from a
// screen; it is there for callers that set an orientation themselves.
enum class InterfaceOrientation {
  portrait,
  portraitUpsideDown,
  landscape,
  landscapeLeft,
  landscapeRight,
  unknown
};

template <>
struct RawValueTable<InterfaceOrientation> {
  static constexpr std::array<std::string_view, 6> names{"portrait",      "portraitUpsideDown", "landscape",
                                                         "landscapeLeft", "landscapeRight",     "unknown"};
};

// `unknown` is neither portrait nor landscape.
bool isPortrait(InterfaceOrientation orientation);
bool isLandscape(InterfaceOrientation orientation);

// Read from where the screen's origin lands in its fixed coordinate space.
InterfaceOrientation interfaceOrientation(const platform::Screen& screen);
// The main screen's orientation.
InterfaceOrientation currentInterfaceOrientation();

}  // namespace keyloom
