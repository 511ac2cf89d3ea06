#pragma once

#include <array>
#include <string_view>

#include "keyloom/state/RawValueTable.h"

namespace keyloom {

// What a key reports to the action handler.
enum class KeyboardGesture { doubleTap, press, release, longPress, repeatPress };

template <>
struct RawValueTable<KeyboardGesture> {
  static constexpr std::array<std::string_view, 5> names{"doubleTap", "press", "release", "longPress",
                                                         "repeatPress"};
};

}  // namespace keyloom
