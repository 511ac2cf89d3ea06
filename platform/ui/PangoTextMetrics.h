#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include <pango/pango.h>

#include "platform/ui/FontMetrics.h"

namespace platform::ui {

// The face a Font is drawn with: DejaVu Sans (Serif, Sans Mono for those
// designs), or a custom face with DejaVu Sans behind it; colour emoji come
// from Noto Color Emoji. Sizes are absolute, in points. The caller frees the
// description with pango_font_description_free.
PangoFontDescription* makeFontDescription(const Font& font);

// Where a caret stands in a text laid out as one line: `x` from the text's
// left edge, the text's size, and whether the line runs right to left.
struct CaretPlacement {
  double x = 0;
  Size textSize;
  bool rightToLeft = false;
};

// Measures text with Pango's real metrics, as the renderer draws it.
// Results are cached; use on the main thread only.
class PangoTextMetrics : public FontMetrics {
 public:
  PangoTextMetrics();
  ~PangoTextMetrics() override;
  PangoTextMetrics(const PangoTextMetrics&) = delete;
  PangoTextMetrics& operator=(const PangoTextMetrics&) = delete;

  Size measure(std::string_view text, const Font& font) const override;
  // The caret at byte `index` of `text` (a character boundary), where the
  // text laid out whole puts it: in a right-to-left or mixed line the
  // characters after it in memory may stand on either side.
  CaretPlacement placeCaret(std::string_view text, const Font& font, std::size_t index) const;
  static std::shared_ptr<const PangoTextMetrics> shared();

 private:
  // Looked up by the text as it is, without making a key string.
  struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  using Sizes = std::unordered_map<std::string, Size, TextHash, std::equal_to<>>;
  static constexpr std::size_t maximumTextsPerFont = 4096;

  Sizes& sizesFor(const Font& font) const;
  void remember(Sizes& sizes, std::string_view text, Size size) const;
  // A new layout of `text`; the caller unrefs it.
  PangoLayout* layout(std::string_view text, const Font& font) const;

  PangoContext* context_;
  // Sizes by font (a keyboard uses a handful), then by text.
  mutable std::vector<std::pair<Font, Sizes>> cache_;
  // The last caret placed: a window redraws its field many times unchanged.
  struct PlacedCaret {
    std::string text;
    Font font;
    std::size_t index = 0;
    CaretPlacement placement;
  };
  mutable std::optional<PlacedCaret> lastCaret_;
};

}  // namespace platform::ui
