#include "platform/ui/PangoTextMetrics.h"

#include <pango/pangocairo.h>

#include <algorithm>

#include "platform/foundation/ProcessState.h"

namespace platform::ui {

namespace {

PangoWeight pangoWeight(FontWeight weight) {
  switch (weight) {
    case FontWeight::ultraLight: return PANGO_WEIGHT_ULTRALIGHT;
    case FontWeight::thin: return PANGO_WEIGHT_THIN;
    case FontWeight::light: return PANGO_WEIGHT_LIGHT;
    case FontWeight::regular: return PANGO_WEIGHT_NORMAL;
    case FontWeight::medium: return PANGO_WEIGHT_MEDIUM;
    case FontWeight::semibold: return PANGO_WEIGHT_SEMIBOLD;
    case FontWeight::bold: return PANGO_WEIGHT_BOLD;
    case FontWeight::heavy: return PANGO_WEIGHT_HEAVY;
    case FontWeight::black: return PANGO_WEIGHT_ULTRAHEAVY;
  }
  return PANGO_WEIGHT_NORMAL;
}

}  // namespace

PangoFontDescription* makeFontDescription(const Font& font) {
  PangoFontDescription* description = pango_font_description_new();
  std::string family;
  if (font.name()) {
    family = *font.name() + ",DejaVu Sans";
  } else {
    switch (font.design()) {
      case FontDesign::serif: family = "DejaVu Serif"; break;
      case FontDesign::monospaced: family = "DejaVu Sans Mono"; break;
      default: family = "DejaVu Sans"; break;
    }
  }
  pango_font_description_set_family(description, family.c_str());
  pango_font_description_set_weight(description, pangoWeight(font.effectiveWeight()));
  pango_font_description_set_style(description, font.isItalic() ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_font_description_set_absolute_size(description, font.pointSize() * PANGO_SCALE);
  return description;
}

PangoTextMetrics::PangoTextMetrics()
    : context_(pango_font_map_create_context(pango_cairo_font_map_get_default())) {
  // Unhinted metrics: sizes in points that do not depend on the scale drawn at.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  pango_cairo_context_set_font_options(context_, options);
  cairo_font_options_destroy(options);
}

PangoTextMetrics::~PangoTextMetrics() { g_object_unref(context_); }

PangoTextMetrics::Sizes& PangoTextMetrics::sizesFor(const Font& font) const {
  auto sizes =
      std::find_if(cache_.begin(), cache_.end(), [&font](const auto& entry) { return entry.first == font; });
  if (sizes == cache_.end()) sizes = cache_.insert(cache_.end(), {font, Sizes()});
  return sizes->second;
}

void PangoTextMetrics::remember(Sizes& sizes, std::string_view text, Size size) const {
  // Keys repeat their few texts; a text field being typed into measures a
  // new text at every key. Starting afresh now and then keeps memory flat.
  if (sizes.size() >= maximumTextsPerFont) sizes.clear();
  sizes.emplace(std::string(text), size);
}

PangoLayout* PangoTextMetrics::layout(std::string_view text, const Font& font) const {
  PangoLayout* layout = pango_layout_new(context_);
  PangoFontDescription* description = makeFontDescription(font);
  pango_layout_set_font_description(layout, description);
  pango_font_description_free(description);
  pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
  return layout;
}

Size PangoTextMetrics::measure(std::string_view text, const Font& font) const {
  Sizes& sizes = sizesFor(font);
  if (auto found = sizes.find(text); found != sizes.end()) return found->second;
  PangoLayout* layout = this->layout(text, font);
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  g_object_unref(layout);
  Size size{static_cast<double>(logical.width) / PANGO_SCALE, static_cast<double>(logical.height) / PANGO_SCALE};
  remember(sizes, text, size);
  return size;
}

CaretPlacement PangoTextMetrics::placeCaret(std::string_view text, const Font& font, std::size_t index) const {
  if (lastCaret_ && lastCaret_->index == index && lastCaret_->text == text && lastCaret_->font == font) {
    return lastCaret_->placement;
  }
  PangoLayout* layout = this->layout(text, font);
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  // The strong cursor: where a character of the line's own direction would
  // be inserted, which is where the field's owner types next.
  PangoRectangle strong;
  pango_layout_get_cursor_pos(layout, static_cast<int>(std::min(index, text.size())), &strong, nullptr);
  CaretPlacement placement;
  placement.x = static_cast<double>(strong.x - logical.x) / PANGO_SCALE;
  placement.textSize = {static_cast<double>(logical.width) / PANGO_SCALE,
                        static_cast<double>(logical.height) / PANGO_SCALE};
  placement.rightToLeft = pango_layout_get_line_readonly(layout, 0)->resolved_dir == PANGO_DIRECTION_RTL;
  g_object_unref(layout);
  // The text is laid out next at this size: measured once.
  remember(sizesFor(font), text, placement.textSize);
  lastCaret_ = PlacedCaret{std::string(text), font, index, placement};
  return placement;
}

std::shared_ptr<const PangoTextMetrics> PangoTextMetrics::shared() {
  static std::shared_ptr<const PangoTextMetrics> metrics = [] {
    // The cache holds only measurements of installed fonts, so it may
    // outlive a test; dropping it keeps tests from sharing memory anyway.
    registerProcessReset([] { metrics.reset(); });
    return std::make_shared<const PangoTextMetrics>();
  }();
  if (!metrics) metrics = std::make_shared<const PangoTextMetrics>();
  return metrics;
}

}  // namespace platform::ui
