#pragma once

#include <string_view>

#include "platform/foundation/Geometry.h"
#include "platform/ui/Font.h"

namespace platform::ui {

// Measures text for layout. Text is laid out on one line per newline; the
// size is that of the lines' logical extents, in points.
class FontMetrics {
 public:
  virtual ~FontMetrics();
  virtual Size measure(std::string_view text, const Font& font) const = 0;
};

// A deterministic metric for tests: every character (grapheme cluster) is
// 0.6 × the point size wide, and a line is 1.2 × the point size tall.
class FixedFontMetrics : public FontMetrics {
 public:
  static constexpr double characterWidth = 0.6;
  static constexpr double lineHeight = 1.2;

  Size measure(std::string_view text, const Font& font) const override;
  static const FixedFontMetrics& shared();
};

}  // namespace platform::ui
