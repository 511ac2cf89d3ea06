#pragma once

#include <cairo.h>

#include <memory>
#include <optional>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/DamageTracker.h"
#include "platform/ui/HostRenderer.h"
#include "platform/ui/PictureCache.h"
#include "platform/ui/TextLayoutCache.h"

namespace platform::ui {

// The simulated host's screen as a window shows it: one frame kept between
// draws, repainted only where the drawing changed since the last draw
// (each place drawn apart and copied in), or whole when the change cannot be placed (another
// screen size or scale, the keyboard shown or hidden or moved, dark mode,
// another tree) or covers most of it. Either way the pixels are those of
// drawHost.
class HostFrame {
 public:
  // `scale`: pixels a screen point.
  explicit HostFrame(double scale);
  ~HostFrame();
  HostFrame(const HostFrame&) = delete;
  HostFrame& operator=(const HostFrame&) = delete;

  // Brings the frame up to date with the screen.
  void draw(const SimulatedHost& host, const std::vector<ShownViewHost>& views);
  // The next draw repaints everything.
  void invalidate() { full_ = true; }
  // Another number of pixels a point: the next draw makes a frame of the
  // new size and repaints it whole.
  void setScale(double scale);
  // Off: every draw repaints everything (the pixels are the same).
  void setIncremental(bool incremental) { incremental_ = incremental; }

  // Null before the first draw.
  cairo_surface_t* surface() const { return surface_; }
  // What the last draw repainted, in pixels; empty when nothing changed.
  const std::vector<PixelRect>& repainted() const { return repainted_; }
  // Characters drawn as missing-glyph boxes by the last draw.
  int unknownGlyphs() const { return unknownGlyphs_; }

 private:
  // What a change of makes the whole frame new.
  struct Screen {
    Rect bounds;
    bool dark = false;
    bool keyboardVisible = false;
    Rect keyboardFrame;
    std::vector<std::pair<const Node*, Rect>> trees;
    bool operator==(const Screen&) const = default;
  };

  void prepareSurface(Rect screen);
  // Draws `rect` of the frame anew; the pixels within `margin` around it
  // are drawn too, for what reaches into it from there.
  void repaint(const SimulatedHost& host, const std::vector<PlacedTree>& trees, Renderer& renderer,
               const PixelRect& rect, int margin);
  std::vector<PixelRect> pixelRects(const std::vector<Rect>& damage) const;

  double scale_;
  cairo_surface_t* surface_ = nullptr;
  // Full rows of the screen a repaint draws on before copying its rectangle.
  cairo_surface_t* scratch_ = nullptr;
  std::unique_ptr<ViewHost> application_;
  DamageTracker tracker_;
  // At twice the scale a callout's picture takes a megabyte: room for those
  // of a finger sliding across its entries, and for the keys'.
  PictureCache pictures_{2 * PictureCache::maximumBytes};
  PictureCache gradients_;
  TextLayoutCache layouts_;
  std::optional<Screen> drawn_;
  std::vector<PixelRect> repainted_;
  bool full_ = true;
  bool incremental_ = true;
  int unknownGlyphs_ = 0;
};

}  // namespace platform::ui
