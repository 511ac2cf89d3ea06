#pragma once

#include <ostream>

#include "keyloom/layout/KeyboardLayoutItemWidth.h"

namespace keyloom {

// A key's width rule and its height in points.
struct KeyboardLayoutItemSize {
  KeyboardLayoutItemWidth width = KeyboardLayoutItemWidth::available();
  double height = 0;

  bool operator==(const KeyboardLayoutItemSize&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const KeyboardLayoutItemSize& size) {
  return out << "{" << size.width << ", " << size.height << "}";
}

}  // namespace keyloom
