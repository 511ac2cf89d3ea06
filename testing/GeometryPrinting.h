#pragma once

#include <ostream>

#include "platform/foundation/Geometry.h"

// Readable failures for the geometry values: "(0, 613, 390, 231)" rather
// than the bytes of the value.
namespace platform {

inline void PrintTo(const Size& size, std::ostream* out) { *out << '(' << size.width << ", " << size.height << ')'; }

inline void PrintTo(const Rect& rect, std::ostream* out) {
  *out << '(' << rect.origin.x << ", " << rect.origin.y << ", " << rect.size.width << ", " << rect.size.height << ')';
}

}  // namespace platform
