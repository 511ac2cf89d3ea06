#pragma once

#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <cairo.h>
#include <pango/pango.h>

#include "platform/foundation/Error.h"
#include "platform/foundation/Geometry.h"
#include "platform/ui/Color.h"
#include "platform/ui/Node.h"

namespace platform::ui {

class ViewHost;
class DamageTracker;
class PictureCache;
class TextLayoutCache;

// A font the renderer needs is not installed. Rendering refuses to go on
// rather than draw boxes in its place.
class MissingFontError : public Error {
 public:
  explicit MissingFontError(std::vector<std::string> families);
  const std::vector<std::string>& families() const { return families_; }

 private:
  std::vector<std::string> families_;
};

// Throws MissingFontError naming each of DejaVu Sans and Noto Color Emoji
// that is not installed (Debian: fonts-dejavu-core, fonts-noto-color-emoji).
void requireRenderFonts();

// What a text node shows: its text in the environment's letter case.
std::string drawnText(const Node& node);

struct RenderReport {
  int pixelWidth = 0;
  int pixelHeight = 0;
  // Characters drawn as "missing glyph" boxes; 0 when every font was found.
  int unknownGlyphs = 0;
  // Texts too wide for their frames even at their minimum scale factor,
  // drawn cut with an ellipsis (reported by renderPNG).
  std::vector<std::string> cutTexts;
  // System symbols asked for that the renderer has no character for, each
  // name once; they draw nothing.
  std::vector<std::string> unknownSymbols;
};

// Draws laid-out nodes with Cairo and Pango, in host coordinates through the
// context's current transformation: colours, gradients, shapes (fills,
// strokes, borders), text (with colour emoji), images, and the modifiers
// that change drawing: backgrounds and overlays, opacity, shadows, clip
// shapes and corner radii, masks, scale effects and a 3D rotation drawn as
// its flat projection. Hidden views are not drawn.
class Renderer {
 public:
  explicit Renderer(cairo_t* cr);
  void draw(const Node& node);
  // Draws into `cr` from now on; what was counted stays.
  void setContext(cairo_t* cr) { cr_ = cr; }
  // Draws only the nodes the tracker says draw into the repainted areas (the
  // context is clipped to them); null draws every node.
  void setDamage(const DamageTracker* damage) { damage_ = damage; }
  // Keeps the pictures of shadowed views there between frames; null draws
  // them every time. The pixels are the same either way.
  void setPictureCache(PictureCache* cache) { cache_ = cache; }
  // Keeps the surfaces gradients are filled on there between frames.
  void setGradientCache(PictureCache* cache) { gradientCache_ = cache; }
  // Keeps the shaped texts there between frames.
  void setTextLayoutCache(TextLayoutCache* cache) { layouts_ = cache; }
  // A rectangle of whole device pixels.
  struct PixelBox {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool isEmpty() const { return width <= 0 || height <= 0; }
    PixelBox intersection(const PixelBox& other) const;
  };
  // Only the pixels of `needed` are read afterwards (a repaint's rectangle
  // and what reaches into it): a composed picture is painted there only.
  // Absent, everywhere.
  void setNeededPixels(std::optional<PixelBox> needed) { needed_ = needed; }
  // Characters drawn as missing-glyph boxes, each node's once however often
  // it was drawn (in several repainted areas, say).
  int unknownGlyphs() const;
  const std::vector<std::string>& cutTexts() const { return cutTexts_; }
  const std::vector<std::string>& unknownSymbols() const { return unknownSymbols_; }

 private:
  void drawLevel(const Node& node, std::size_t level);
  void drawContent(const Node& node);
  void drawText(const Node& node, const std::string& text, const Font& font, Rect frame);
  // A new layout of `text` for the context; the caller owns it.
  PangoLayout* textLayout(const std::string& text, const Font& font);
  // The same, kept in the layout cache when there is one: the caller owns a
  // reference and must not change it.
  PangoLayout* sharedTextLayout(const std::string& text, const Font& font);
  // A symbol is a picture: centred in its frame and shrunk to fit, never cut;
  // mirrored, it is turned around its vertical middle.
  void drawSymbol(const Node& node, const std::string& text, bool mirrored, const Font& font, Rect frame);
  void drawImage(const Node& node);
  void drawChildren(const Node& node);
  void drawLayer(const Node& node, std::size_t modifierIndex);
  // Draws the node's first `level` modifiers and content composed in `area`
  // by `layers` (the view with its shadow, or masked, or to be faded), then
  // over what is below with `alpha`.
  using Layers = void (Renderer::*)(const Node& node, std::size_t level);
  void drawComposed(const Node& node, std::size_t level, Rect area, Layers layers, double alpha = 1);
  void drawFadedLayers(const Node& node, std::size_t level);
  void drawShadowLayers(const Node& node, std::size_t level);
  // The group drawn since the last push, to be drawn in device space.
  cairo_pattern_t* popGroup();
  void drawMaskLayers(const Node& node, std::size_t level);
  // The box of device pixels around `rect`.
  PixelBox deviceBox(Rect rect) const;
  void clipToPixels(const PixelBox& box);
  // Fills `frame` with `pattern` drawn on a surface of the frame's pixels;
  // with a gradient cache, the surface is kept under `key` (the bytes that
  // make the pattern) and the place it is drawn at.
  void fillAtItsOwnPlace(cairo_pattern_t* pattern, Rect frame, std::string key);
  void setColor(const Node& node, const Color& color);
  // Fills `rect` with the source.
  void fillRectangle(Rect rect);
  void countUnknownGlyphs(const Node& node, int count);
  void noteUnknownSymbols(const std::vector<std::string>& names);

  cairo_t* cr_;
  const DamageTracker* damage_ = nullptr;
  PictureCache* cache_ = nullptr;
  PictureCache* gradientCache_ = nullptr;
  TextLayoutCache* layouts_ = nullptr;
  std::optional<PixelBox> needed_;
  std::unordered_map<const Node*, int> unknownGlyphsByNode_;
  std::vector<std::string> cutTexts_;
  std::vector<std::string> unknownSymbols_;
};

// Renders `root` (laid out) into a PNG of `area` at `scale` pixels per point,
// on `background` (transparent when absent).
RenderReport renderPNG(const Node& root, Rect area, const std::string& path, double scale = 3,
                       std::optional<Color> background = std::nullopt);
// Renders a host's tree in its layout bounds (its root's frame before any
// layout).
RenderReport renderPNG(const ViewHost& host, const std::string& path, double scale = 3,
                       std::optional<Color> background = std::nullopt);

}  // namespace platform::ui
