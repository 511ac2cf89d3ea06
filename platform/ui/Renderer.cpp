#include "platform/ui/Renderer.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <map>
#include <memory>

#include <pango/pangocairo.h>

#include "platform/foundation/Text.h"
#include "platform/ui/CairoPath.h"
#include "platform/ui/DamageTracker.h"
#include "platform/ui/DrawingKey.h"
#include "platform/ui/PictureCache.h"
#include "platform/ui/TextLayoutCache.h"
#include "platform/ui/Modifier.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/PngFile.h"
#include "platform/ui/ViewHost.h"

namespace platform::ui {

namespace {

// Room around a view for what it draws outside its frame (shadows of the
// views inside it) when it is drawn into an intermediate group.
constexpr double groupMargin = 24;

std::string joined(const std::vector<std::string>& names) {
  std::string text;
  for (const auto& name : names) text += (text.empty() ? "" : ", ") + name;
  return text;
}

void rectanglePath(cairo_t* cr, Rect rect) {
  cairo_rectangle(cr, rect.origin.x, rect.origin.y, rect.size.width, rect.size.height);
}

void appendBytes(std::string& key, std::initializer_list<double> values) {
  for (double value : values) key.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// The transformation and the pixels a picture is drawn for: its pixels
// depend on both, so both belong in the key it is kept under.
template <typename Box>
void appendPlacement(std::string& key, const cairo_matrix_t& matrix, const Box& box) {
  appendBytes(key, {matrix.xx, matrix.yx, matrix.xy, matrix.yy, matrix.x0, matrix.y0});
  appendBytes(key, {static_cast<double>(box.x), static_cast<double>(box.y), static_cast<double>(box.width),
                    static_cast<double>(box.height)});
}

Rect expanded(Rect rect, double by) {
  return Rect(rect.origin.x - by, rect.origin.y - by, rect.size.width + 2 * by, rect.size.height + 2 * by);
}

// A system symbol as drawn: characters present in DejaVu Sans or Symbola,
// turned around where no font has the symbol's direction. Symbols that are
// also emoji ask for their text form, so they take the foreground colour as
// the others do instead of the emoji font's colours. A symbol named for a
// direction points that way: the right-to-left keyboards' backspace and
// return are delete.right and arrow.turn.down.right.
struct SymbolCharacters {
  SymbolCharacters(const char* text, bool mirrored = false) : text(text), mirrored(mirrored) {}
  std::string text;
  bool mirrored;
};

const std::map<std::string, SymbolCharacters>& symbolCharacters() {
  static const std::map<std::string, SymbolCharacters> table = {
      {"arrow.left", "\u2190"},
      {"arrow.right", "\u2192"},
      {"arrow.right.to.line", "\u21E5"},
      {"arrow.turn.down.left", "\u21B5"},
      {"arrow.turn.down.right", {"\u21B5", true}},
      {"arrow.uturn.left", "\u21B6"},
      {"arrow.uturn.right", "\u21B7"},
      {"capslock", "\u21EA"},
      {"capslock.fill", "\u21EA"},
      {"checkmark", "\u2713"},
      {"chevron.left", "\u2039"},
      {"chevron.right", "\u203A"},
      {"circle.dotted", "\u25CC"},
      {"clock", "\U0001F552\uFE0E"},
      {"command", "\u2318"},
      {"control", "\u2303"},
      {"delete.left", "\u232B"},
      {"delete.left.fill", "\u232B"},
      {"delete.right", "\u2326"},
      {"envelope", "\u2709\uFE0E"},
      {"face.smiling", "\u263A"},
      {"gearshape", "\u2699"},
      {"globe", "\U0001F310\uFE0E"},
      {"keyboard", "\u2328"},
      {"keyboard.chevron.compact.down", "\u2328"},
      {"magnifyingglass", "\U0001F50D\uFE0E"},
      {"mic", "\U0001F3A4\uFE0E"},
      {"option", "\u2325"},
      {"photo", "\U0001F304\uFE0E"},
      {"return", "\u21B5"},
      {"shift", "\u21E7"},
      {"shift.fill", "\u2B06"},
      {"space", "\u2423"},
      {"xmark", "\u2715"},
  };
  return table;
}

}  // namespace

MissingFontError::MissingFontError(std::vector<std::string> families)
    : Error("missing fonts: " + joined(families) +
            " (install fonts-dejavu-core and fonts-noto-color-emoji)"),
      families_(std::move(families)) {}

void requireRenderFonts() {
  static const std::vector<std::string> missing = [] {
    std::vector<std::string> result;
    PangoFontFamily** families = nullptr;
    int count = 0;
    pango_font_map_list_families(pango_cairo_font_map_get_default(), &families, &count);
    for (const char* wanted : {"DejaVu Sans", "Noto Color Emoji"}) {
      bool found = false;
      for (int i = 0; i < count && !found; ++i) {
        found = std::strcmp(pango_font_family_get_name(families[i]), wanted) == 0;
      }
      if (!found) result.emplace_back(wanted);
    }
    g_free(families);
    return result;
  }();
  if (!missing.empty()) throw MissingFontError(missing);
}

std::string drawnText(const Node& node) {
  std::string text = node.content<TextContent>()->text;
  if (auto textCase = node.environment().get(textCaseKey)) {
    text = *textCase == TextCase::uppercase ? text::uppercased(text) : text::lowercased(text);
  }
  return text;
}

Renderer::Renderer(cairo_t* cr) : cr_(cr) {}

void Renderer::countUnknownGlyphs(const Node& node, int count) {
  if (count <= 0) return;  // the common case costs no lookup
  int& counted = unknownGlyphsByNode_[&node];
  counted = std::max(counted, count);
}

void Renderer::noteUnknownSymbols(const std::vector<std::string>& names) {
  for (const auto& name : names) {
    if (std::find(unknownSymbols_.begin(), unknownSymbols_.end(), name) == unknownSymbols_.end()) {
      unknownSymbols_.push_back(name);
    }
  }
}

int Renderer::unknownGlyphs() const {
  int total = 0;
  for (const auto& [node, count] : unknownGlyphsByNode_) total += count;
  return total;
}

void Renderer::draw(const Node& node) {
  if (damage_ && !damage_->needsDrawing(node)) return;
  drawLevel(node, node.modifiers().size());
}

void Renderer::setColor(const Node& node, const Color& color) {
  Rgba c = color.resolved(node.colorScheme());
  cairo_set_source_rgba(cr_, c.red, c.green, c.blue, c.alpha);
}

void Renderer::drawLayer(const Node& node, std::size_t modifierIndex) {
  if (auto layer = node.layer(modifierIndex)) draw(*layer);
}

void Renderer::drawLevel(const Node& node, std::size_t level) {
  if (level == 0) {
    drawContent(node);
    return;
  }
  const Modifier& m = node.modifiers()[level - 1];
  const Rect inner = node.frameAt(level - 1);
  auto drawInner = [&] { drawLevel(node, level - 1); };

  if (m.as<Hidden>()) return;
  if (auto* opacity = m.as<Opacity>()) {
    if (opacity->value <= 0) return;
    if (opacity->value >= 1) return drawInner();
    drawComposed(node, level, expanded(inner, groupMargin), &Renderer::drawFadedLayers, opacity->value);
  } else if (m.as<Background>()) {
    drawLayer(node, level - 1);
    drawInner();
  } else if (m.as<Overlay>()) {
    drawInner();
    drawLayer(node, level - 1);
  } else if (auto* shadow = m.as<Shadow>()) {
    if (shadow->color.resolved(node.colorScheme()).alpha <= 0) return drawInner();
    drawComposed(node, level,
                 expanded(inner, groupMargin + 2 * shadow->radius + std::abs(shadow->x) + std::abs(shadow->y)),
                 &Renderer::drawShadowLayers);
  } else if (auto* clip = m.as<ClipShape>()) {
    cairo_save(cr_);
    appendToCairo(cr_, clip->shape.path(inner));
    cairo_set_fill_rule(cr_, clip->style.evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
    cairo_clip(cr_);
    drawInner();
    cairo_restore(cr_);
  } else if (auto* corner = m.as<CornerRadius>()) {
    cairo_save(cr_);
    appendToCairo(cr_, RoundedRectangle(corner->radius).path(inner));
    cairo_clip(cr_);
    drawInner();
    cairo_restore(cr_);
  } else if (m.as<Clipped>()) {
    cairo_save(cr_);
    rectanglePath(cr_, inner);
    cairo_clip(cr_);
    drawInner();
    cairo_restore(cr_);
  } else if (m.as<Mask>()) {
    drawComposed(node, level, expanded(inner, groupMargin), &Renderer::drawMaskLayers);
  } else if (auto* scale = m.as<ScaleEffect>()) {
    const double ax = inner.origin.x + inner.size.width * scale->anchor.x;
    const double ay = inner.origin.y + inner.size.height * scale->anchor.y;
    if (scale->scale.width == 0 || scale->scale.height == 0) return;
    cairo_save(cr_);
    cairo_translate(cr_, ax, ay);
    cairo_scale(cr_, scale->scale.width, scale->scale.height);
    cairo_translate(cr_, -ax, -ay);
    drawInner();
    cairo_restore(cr_);
  } else if (auto* rotation = m.as<Rotation3DEffect>()) {
    // The flat projection of the turn: about y it narrows (or mirrors) the
    // view, about x it flattens it, about z it turns it.
    const double ax = inner.origin.x + inner.size.width * rotation->anchor.x;
    const double ay = inner.origin.y + inner.size.height * rotation->anchor.y;
    const double length = std::sqrt(rotation->axisX * rotation->axisX + rotation->axisY * rotation->axisY +
                                     rotation->axisZ * rotation->axisZ);
    if (length == 0) return drawInner();
    const double angle = rotation->angle.radians();
    const double sx = 1 + (std::cos(angle) - 1) * std::abs(rotation->axisY) / length;
    const double sy = 1 + (std::cos(angle) - 1) * std::abs(rotation->axisX) / length;
    cairo_save(cr_);
    cairo_translate(cr_, ax, ay);
    cairo_rotate(cr_, angle * rotation->axisZ / length);
    if (std::abs(sx) > 1e-9 && std::abs(sy) > 1e-9) cairo_scale(cr_, sx, sy);
    cairo_translate(cr_, -ax, -ay);
    drawInner();
    cairo_restore(cr_);
  } else {
    drawInner();
  }
}

// The view with its shadow or mask is composed on its own, then drawn over
// what is below: a picture that shows what it showed before is painted again
// from the cache, with the same pixels.
void Renderer::drawComposed(const Node& node, std::size_t level, Rect area, Layers layers, double alpha) {
  // Composed on a surface of its own that holds all of it, whatever the
  // clip or the target's extent (a part of the screen drawn alone): a group
  // that Cairo sizes by the clip is cut there, and rounds by its size.
  const PixelBox whole = deviceBox(area);
  const PixelBox painted = needed_ ? whole.intersection(*needed_) : whole;
  if (painted.isEmpty()) return;  // nothing of it is read
  std::optional<std::string> key;
  if (cache_ && whole.width * whole.height <= PictureCache::maximumPixels) key = drawingKey(node, level);
  cairo_matrix_t matrix;
  cairo_get_matrix(cr_, &matrix);
  if (key) appendPlacement(*key, matrix, whole);
  const PictureCache::Picture* picture = key ? cache_->find(*key) : nullptr;
  std::optional<PictureCache::Picture> drawn;
  if (!picture) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, whole.width, whole.height);
    // Moved by its offset, so every point lands where it does on the target.
    cairo_surface_set_device_offset(surface, -whole.x, -whole.y);
    cairo_t* cr = cairo_create(surface);
    cairo_set_matrix(cr, &matrix);
    Renderer pictureRenderer(cr);
    pictureRenderer.setTextLayoutCache(layouts_);
    (pictureRenderer.*layers)(node, level);
    cairo_destroy(cr);
    drawn = PictureCache::Picture{surface, whole.x, whole.y, pictureRenderer.unknownGlyphs(),
                                   pictureRenderer.unknownSymbols()};
    if (key) {
      picture = cache_->store(std::move(*key), *drawn);
      drawn.reset();
    } else {
      picture = &*drawn;
    }
  }
  countUnknownGlyphs(node, picture->unknownGlyphs);
  noteUnknownSymbols(picture->unknownSymbols);
  cairo_save(cr_);
  clipToPixels(painted);
  cairo_identity_matrix(cr_);
  cairo_set_source_surface(cr_, picture->surface, 0, 0);
  cairo_paint_with_alpha(cr_, alpha);
  cairo_restore(cr_);
  if (drawn) cairo_surface_destroy(drawn->surface);
}

cairo_pattern_t* Renderer::popGroup() {
  // The group's pixels are where the context's were: read in device space,
  // they are copied, never interpolated (a matrix and its inverse multiplied
  // are not quite the identity at every scale, and Cairo interpolates then).
  cairo_pattern_t* group = cairo_pop_group(cr_);
  cairo_matrix_t identity;
  cairo_matrix_init_identity(&identity);
  cairo_pattern_set_matrix(group, &identity);
  return group;
}

void Renderer::drawShadowLayers(const Node& node, std::size_t level) {
  const Shadow& shadow = *node.modifiers()[level - 1].as<Shadow>();
  const Rgba color = shadow.color.resolved(node.colorScheme());
  cairo_push_group(cr_);
  drawLevel(node, level - 1);
  cairo_pattern_t* content = popGroup();
  // A blur approximated by a few spread copies of the silhouette, each moved
  // by whole device pixels, so that it is copied, not interpolated.
  const double spread = shadow.radius / 2;
  const double offsets[5][2] = {{0, 0}, {spread, 0}, {-spread, 0}, {0, spread}, {0, -spread}};
  const int samples = spread > 0 ? 5 : 1;
  double moves[5][2];
  for (int i = 0; i < samples; ++i) {
    moves[i][0] = shadow.x + offsets[i][0];
    moves[i][1] = shadow.y + offsets[i][1];
    cairo_user_to_device_distance(cr_, &moves[i][0], &moves[i][1]);
  }
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  for (int i = 0; i < samples; ++i) {
    cairo_matrix_t moved;
    cairo_matrix_init_translate(&moved, -std::round(moves[i][0]), -std::round(moves[i][1]));
    cairo_pattern_set_matrix(content, &moved);
    cairo_set_source_rgba(cr_, color.red, color.green, color.blue, color.alpha / samples);
    cairo_mask(cr_, content);
  }
  cairo_matrix_t identity;
  cairo_matrix_init_identity(&identity);
  cairo_pattern_set_matrix(content, &identity);
  cairo_set_source(cr_, content);
  cairo_paint(cr_);
  cairo_restore(cr_);
  cairo_pattern_destroy(content);
}

void Renderer::drawFadedLayers(const Node& node, std::size_t level) { drawLevel(node, level - 1); }

void Renderer::drawMaskLayers(const Node& node, std::size_t level) {
  cairo_push_group(cr_);
  drawLevel(node, level - 1);
  cairo_pattern_t* content = popGroup();
  cairo_push_group(cr_);
  drawLayer(node, level - 1);
  cairo_pattern_t* mask = popGroup();
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  cairo_set_source(cr_, content);
  cairo_mask(cr_, mask);
  cairo_restore(cr_);
  cairo_pattern_destroy(mask);
  cairo_pattern_destroy(content);
}

Renderer::PixelBox Renderer::PixelBox::intersection(const PixelBox& other) const {
  const int x0 = std::max(x, other.x), y0 = std::max(y, other.y);
  const int x1 = std::min(x + width, other.x + other.width), y1 = std::min(y + height, other.y + other.height);
  return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

void Renderer::fillAtItsOwnPlace(cairo_pattern_t* pattern, Rect frame, std::string key) {
  // Cairo works a gradient out from where the target's pixels are, a level
  // apart now and then by how far the target is moved: on a surface of its
  // own box, it comes out the same in a part of the screen as in the whole.
  const PixelBox box = deviceBox(frame);
  if (box.isEmpty()) return;
  cairo_matrix_t matrix;
  cairo_get_matrix(cr_, &matrix);
  // A keyboard's background spans the keyboard: a small repaint would fill
  // all of it again, so it is kept, apart from the other pictures, which it
  // would push out.
  const bool kept =
      gradientCache_ && 4L * box.width * box.height <= static_cast<long>(PictureCache::maximumBytes / 2);
  if (kept) {
    appendBytes(key, {frame.origin.x, frame.origin.y, frame.size.width, frame.size.height});
    appendPlacement(key, matrix, box);
  }
  const PictureCache::Picture* picture = kept ? gradientCache_->find(key) : nullptr;
  cairo_surface_t* surface = picture ? picture->surface : nullptr;
  if (!surface) {
    surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, box.width, box.height);
    cairo_surface_set_device_offset(surface, -box.x, -box.y);
    cairo_t* cr = cairo_create(surface);
    cairo_set_matrix(cr, &matrix);
    cairo_set_source(cr, pattern);
    rectanglePath(cr, frame);
    cairo_fill(cr);
    cairo_destroy(cr);
    if (kept) gradientCache_->store(std::move(key), PictureCache::Picture{surface, box.x, box.y, 0, {}});
  }
  // Its pixels are copied: those never read need not be.
  const PixelBox painted = needed_ ? box.intersection(*needed_) : box;
  cairo_save(cr_);
  cairo_identity_matrix(cr_);
  cairo_set_source_surface(cr_, surface, 0, 0);
  cairo_rectangle(cr_, painted.x, painted.y, painted.width, painted.height);
  cairo_fill(cr_);
  cairo_restore(cr_);
  if (!kept) cairo_surface_destroy(surface);
}

void Renderer::fillRectangle(Rect rect) {
  // A rectangle on whole device pixels covers each of them whole: filled
  // only where it is read, those pixels come out the same.
  cairo_matrix_t matrix;
  cairo_get_matrix(cr_, &matrix);
  const PixelBox box = deviceBox(rect);
  double x0 = rect.minX(), y0 = rect.minY(), x1 = rect.maxX(), y1 = rect.maxY();
  cairo_user_to_device(cr_, &x0, &y0);
  cairo_user_to_device(cr_, &x1, &y1);
  const bool onWholePixels = matrix.xy == 0 && matrix.yx == 0 && std::min(x0, x1) == box.x &&
                             std::min(y0, y1) == box.y && std::abs(x1 - x0) == box.width &&
                             std::abs(y1 - y0) == box.height;
  if (!needed_ || !onWholePixels) {
    rectanglePath(cr_, rect);
    cairo_fill(cr_);
    return;
  }
  const PixelBox filled = box.intersection(*needed_);
  if (filled.isEmpty()) return;
  cairo_identity_matrix(cr_);
  cairo_rectangle(cr_, filled.x, filled.y, filled.width, filled.height);
  cairo_fill(cr_);
  cairo_set_matrix(cr_, &matrix);
}

void Renderer::clipToPixels(const PixelBox& box) {
  cairo_matrix_t matrix;
  cairo_get_matrix(cr_, &matrix);
  cairo_identity_matrix(cr_);
  cairo_rectangle(cr_, box.x, box.y, box.width, box.height);
  cairo_clip(cr_);
  cairo_set_matrix(cr_, &matrix);
}

Renderer::PixelBox Renderer::deviceBox(Rect rect) const {
  double xs[4] = {rect.minX(), rect.maxX(), rect.minX(), rect.maxX()};
  double ys[4] = {rect.minY(), rect.minY(), rect.maxY(), rect.maxY()};
  for (int i = 0; i < 4; ++i) cairo_user_to_device(cr_, &xs[i], &ys[i]);
  const int x0 = static_cast<int>(std::floor(*std::min_element(xs, xs + 4)));
  const int y0 = static_cast<int>(std::floor(*std::min_element(ys, ys + 4)));
  const int x1 = static_cast<int>(std::ceil(*std::max_element(xs, xs + 4)));
  const int y1 = static_cast<int>(std::ceil(*std::max_element(ys, ys + 4)));
  return {x0, y0, x1 - x0, y1 - y0};
}

void Renderer::drawChildren(const Node& node) {
  for (const auto& child : node.children()) {
    if (child->role() == NodeRole::content) draw(*child);
  }
}

void Renderer::drawContent(const Node& node) {
  const Rect frame = node.contentFrame;
  switch (node.kind()) {
    case NodeKind::color:
      setColor(node, node.content<ColorContent>()->color);
      fillRectangle(frame);
      break;
    case NodeKind::linearGradient: {
      auto* gradient = node.content<LinearGradientContent>();
      cairo_pattern_t* pattern = cairo_pattern_create_linear(
          frame.origin.x + frame.size.width * gradient->startPoint.x,
          frame.origin.y + frame.size.height * gradient->startPoint.y,
          frame.origin.x + frame.size.width * gradient->endPoint.x,
          frame.origin.y + frame.size.height * gradient->endPoint.y);
      std::string key;
      appendBytes(key, {frame.origin.x + frame.size.width * gradient->startPoint.x,
                        frame.origin.y + frame.size.height * gradient->startPoint.y,
                        frame.origin.x + frame.size.width * gradient->endPoint.x,
                        frame.origin.y + frame.size.height * gradient->endPoint.y});
      const auto& colors = gradient->colors;
      for (std::size_t i = 0; i < colors.size(); ++i) {
        Rgba c = colors[i].resolved(node.colorScheme());
        double stop = colors.size() == 1 ? 0 : static_cast<double>(i) / static_cast<double>(colors.size() - 1);
        cairo_pattern_add_color_stop_rgba(pattern, stop, c.red, c.green, c.blue, c.alpha);
        appendBytes(key, {stop, c.red, c.green, c.blue, c.alpha});
      }
      fillAtItsOwnPlace(pattern, frame, std::move(key));
      cairo_pattern_destroy(pattern);
      break;
    }
    case NodeKind::shape: {
      auto* shape = node.content<ShapeContent>();
      setColor(node, shape->color ? *shape->color : node.resolvedForegroundColor());
      const StrokeStyle& stroke = shape->strokeStyle;
      Rect rect = frame;
      if (shape->drawing == ShapeDrawing::strokeBorder) {
        rect = frame.insetBy(stroke.lineWidth / 2, stroke.lineWidth / 2);
        if (rect.isNull()) break;
      }
      appendToCairo(cr_, shape->shape.path(rect));
      if (shape->drawing == ShapeDrawing::fill) {
        cairo_set_fill_rule(cr_, shape->fillStyle.evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
        cairo_fill(cr_);
      } else {
        cairo_set_line_width(cr_, stroke.lineWidth);
        cairo_set_line_cap(cr_, stroke.lineCap == LineCap::round    ? CAIRO_LINE_CAP_ROUND
                                : stroke.lineCap == LineCap::square ? CAIRO_LINE_CAP_SQUARE
                                                                    : CAIRO_LINE_CAP_BUTT);
        cairo_set_line_join(cr_, stroke.lineJoin == LineJoin::round   ? CAIRO_LINE_JOIN_ROUND
                                 : stroke.lineJoin == LineJoin::bevel ? CAIRO_LINE_JOIN_BEVEL
                                                                      : CAIRO_LINE_JOIN_MITER);
        cairo_set_miter_limit(cr_, stroke.miterLimit);
        cairo_set_dash(cr_, stroke.dash.data(), static_cast<int>(stroke.dash.size()), stroke.dashPhase);
        cairo_stroke(cr_);
        cairo_set_dash(cr_, nullptr, 0, 0);
      }
      break;
    }
    case NodeKind::text:
      drawText(node, drawnText(node), node.resolvedFont(), frame);
      break;
    case NodeKind::image:
      drawImage(node);
      break;
    case NodeKind::divider:
      cairo_set_source_rgba(cr_, 0.5, 0.5, 0.5, 0.4);
      rectanglePath(cr_, frame);
      cairo_fill(cr_);
      break;
    case NodeKind::scrollView:
      cairo_save(cr_);
      rectanglePath(cr_, frame);
      cairo_clip(cr_);
      drawChildren(node);
      cairo_restore(cr_);
      break;
    default:
      drawChildren(node);
      break;
  }
}

PangoLayout* Renderer::textLayout(const std::string& text, const Font& font) {
  PangoLayout* layout = pango_cairo_create_layout(cr_);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
  cairo_font_options_destroy(options);
  pango_layout_context_changed(layout);
  PangoFontDescription* description = makeFontDescription(font);
  pango_layout_set_font_description(layout, description);
  pango_font_description_free(description);
  pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
  return layout;
}

PangoLayout* Renderer::sharedTextLayout(const std::string& text, const Font& font) {
  if (!layouts_) return textLayout(text, font);
  // A layout's context takes the transformation without its move: the same
  // text in the same font at the same scale shapes the same anywhere. The
  // font is known by what its description is made of.
  cairo_matrix_t matrix;
  cairo_get_matrix(cr_, &matrix);
  std::string key = font.name().value_or("");
  key += '\0';
  key += text;
  key += '\0';
  key += font.name() ? 'n' : static_cast<char>('0' + static_cast<int>(font.design()));
  key += static_cast<char>('0' + static_cast<int>(font.effectiveWeight()));
  key += font.isItalic() ? 'i' : 'r';
  appendBytes(key, {font.pointSize(), matrix.xx, matrix.yx, matrix.xy, matrix.yy});
  if (PangoLayout* layout = layouts_->find(key)) return static_cast<PangoLayout*>(g_object_ref(layout));
  PangoLayout* layout = textLayout(text, font);
  layouts_->store(std::move(key), layout);
  return layout;
}

void Renderer::drawText(const Node& node, const std::string& text, const Font& font, Rect frame) {
  if (text.empty()) return;
  PangoLayout* layout = sharedTextLayout(text, font);
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  const double width = static_cast<double>(logical.width) / PANGO_SCALE;
  const double height = static_cast<double>(logical.height) / PANGO_SCALE;
  // A text too wide for its frame shrinks, down to its minimum scale factor,
  // and only what still does not fit is cut, ending with an ellipsis.
  const double available = std::max(0.0, frame.size.width);
  double factor = 1;
  if (width > available + 0.5) {
    factor = std::clamp(available / width, std::min(1.0, node.environment().get(minimumScaleFactorKey)), 1.0);
    if (width * factor > available + 0.5) {
      // Cut on a layout of its own, so the kept one stays whole.
      g_object_unref(layout);
      layout = textLayout(text, font);
      pango_layout_set_width(layout, static_cast<int>(available / factor * PANGO_SCALE));
      pango_layout_set_ellipsize(layout, PANGO_ELLIPSIZE_END);
      cutTexts_.push_back(text);
    }
  }
  countUnknownGlyphs(node, pango_layout_get_unknown_glyphs_count(layout));
  setColor(node, node.resolvedForegroundColor());
  if (factor < 1) {
    cairo_save(cr_);
    cairo_translate(cr_, frame.origin.x, frame.origin.y + (frame.size.height - height * factor) / 2);
    cairo_scale(cr_, factor, factor);
    cairo_move_to(cr_, 0, 0);
    pango_cairo_show_layout(cr_, layout);
    cairo_restore(cr_);
  } else {
    cairo_move_to(cr_, frame.origin.x, frame.origin.y + (frame.size.height - height) / 2);
    pango_cairo_show_layout(cr_, layout);
  }
  g_object_unref(layout);
}

void Renderer::drawImage(const Node& node) {
  const Image& image = node.content<ImageContent>()->image;
  const Rect frame = node.contentFrame;
  if (image.source() == Image::Source::data) {
    if (image.isEmpty() || image.pixelSize().width <= 0 || image.pixelSize().height <= 0) return;
    struct Reader {
      const std::vector<std::uint8_t>* bytes;
      std::size_t offset = 0;
    } reader{&image.data()};
    cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(
        [](void* closure, unsigned char* data, unsigned int length) -> cairo_status_t {
          auto* r = static_cast<Reader*>(closure);
          if (r->offset + length > r->bytes->size()) return CAIRO_STATUS_READ_ERROR;
          std::memcpy(data, r->bytes->data() + r->offset, length);
          r->offset += length;
          return CAIRO_STATUS_SUCCESS;
        },
        &reader);
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
      cairo_save(cr_);
      rectanglePath(cr_, frame);
      cairo_clip(cr_);
      cairo_translate(cr_, frame.origin.x, frame.origin.y);
      cairo_scale(cr_, frame.size.width / image.pixelSize().width, frame.size.height / image.pixelSize().height);
      cairo_set_source_surface(cr_, surface, 0, 0);
      cairo_paint(cr_);
      cairo_restore(cr_);
    }
    cairo_surface_destroy(surface);
    return;
  }
  const auto& symbols = symbolCharacters();
  auto found = symbols.find(image.name());
  if (found == symbols.end()) {
    // Said, so that a test fails on it rather than a key being drawn empty.
    if (image.source() == Image::Source::system) noteUnknownSymbols({image.name()});
    return;
  }
  drawSymbol(node, found->second.text, found->second.mirrored, node.resolvedFont(), frame);
}

void Renderer::drawSymbol(const Node& node, const std::string& text, bool mirrored, const Font& font,
                          Rect frame) {
  PangoLayout* layout = pango_cairo_create_layout(cr_);
  PangoFontDescription* description = makeFontDescription(font);
  pango_layout_set_font_description(layout, description);
  pango_font_description_free(description);
  pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  const double width = static_cast<double>(logical.width) / PANGO_SCALE;
  const double height = static_cast<double>(logical.height) / PANGO_SCALE;
  double factor = 1;
  if (width > 0 && height > 0) {
    factor = std::min({1.0, frame.size.width / width, frame.size.height / height});
  }
  countUnknownGlyphs(node, pango_layout_get_unknown_glyphs_count(layout));
  setColor(node, node.resolvedForegroundColor());
  cairo_save(cr_);
  cairo_translate(cr_, frame.origin.x + (frame.size.width - width * factor) / 2,
                  frame.origin.y + (frame.size.height - height * factor) / 2);
  cairo_scale(cr_, factor, factor);
  if (mirrored) {
    cairo_translate(cr_, width, 0);
    cairo_scale(cr_, -1, 1);
  }
  cairo_move_to(cr_, 0, 0);
  pango_cairo_show_layout(cr_, layout);
  cairo_restore(cr_);
  g_object_unref(layout);
}

RenderReport renderPNG(const Node& root, Rect area, const std::string& path, double scale,
                       std::optional<Color> background) {
  requireRenderFonts();
  RenderReport report;
  report.pixelWidth = std::max(1, static_cast<int>(std::ceil(area.size.width * scale)));
  report.pixelHeight = std::max(1, static_cast<int>(std::ceil(area.size.height * scale)));
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, report.pixelWidth, report.pixelHeight);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, scale, scale);
  cairo_translate(cr, -area.origin.x, -area.origin.y);
  if (background) {
    Rgba c = background->resolved(root.colorScheme());
    cairo_set_source_rgba(cr, c.red, c.green, c.blue, c.alpha);
    cairo_paint(cr);
  }
  Renderer renderer(cr);
  renderer.draw(root);
  report.unknownGlyphs = renderer.unknownGlyphs();
  report.cutTexts = renderer.cutTexts();
  report.unknownSymbols = renderer.unknownSymbols();
  cairo_destroy(cr);
  const std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> owner(surface, cairo_surface_destroy);
  writePngFile(surface, path);
  return report;
}

RenderReport renderPNG(const ViewHost& host, const std::string& path, double scale,
                       std::optional<Color> background) {
  auto root = host.root();
  return renderPNG(*root, host.layoutBounds().value_or(root->frame), path, scale, background);
}

}  // namespace platform::ui
