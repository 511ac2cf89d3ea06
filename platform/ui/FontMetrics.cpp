#include "platform/ui/FontMetrics.h"

#include <algorithm>

#include "platform/foundation/Text.h"

namespace platform::ui {

FontMetrics::~FontMetrics() = default;

Size FixedFontMetrics::measure(std::string_view text, const Font& font) const {
  const double size = font.pointSize();
  double widest = 0;
  int lines = 0;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
    widest = std::max(widest, static_cast<double>(text::graphemeCount(line)) * characterWidth * size);
    ++lines;
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return Size{widest, lines * lineHeight * size};
}

const FixedFontMetrics& FixedFontMetrics::shared() {
  static const FixedFontMetrics metrics;
  return metrics;
}

}  // namespace platform::ui
