#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/DamageTracker.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/ViewHost.h"

namespace platform::ui {

// A view tree shown on the simulated screen, at `frame` (screen points);
// without a frame it fills the keyboard's frame. A tree already laid out at
// the frame's size is drawn in its own coordinates moved to the frame;
// another is laid out in the frame first.
struct ShownViewHost {
  ViewHost* host = nullptr;
  std::optional<Rect> frame;
};

// A shown tree as drawn: its root, the frame it is clipped to and the move
// from its coordinates to the screen's.
struct PlacedTree {
  std::shared_ptr<Node> root;
  Rect frame;
  Point offset;
};

// A rectangle of whole pixels.
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  bool operator==(const PixelRect&) const = default;
};

// The host application's view: its text field (text, caret or selection,
// placeholder) on the screen's background.
View hostApplicationView(const SimulatedHost& host, Size screen, bool dark);
// The shown trees where the screen draws them, each laid out for its frame
// first when it is not yet. Empty while the keyboard is hidden.
std::vector<PlacedTree> placeShownViews(const SimulatedHost& host, const std::vector<ShownViewHost>& views);
// Draws the screen with `renderer` into `cr` (screen points): the
// application's laid-out tree, then the keyboard area with the trees.
void drawScreen(const SimulatedHost& host, const Node& application, const std::vector<PlacedTree>& trees,
                Renderer& renderer, cairo_t* cr);

// Draws the screen at `scale` pixels a point into `cr`, whose surface holds
// some of the screen's pixels and whose transformation puts the screen's top
// left pixel where it goes: moved by whole pixels only, and without a clip,
// every pixel comes out as in the screen drawn in one piece, except within
// `pixelMargin` of an edge of the surface that is not the screen's. With
// `tracker`, only the nodes that draw into `needed` are drawn, each whole:
// only the pixels of `needed` are then sure to come out so.
void drawScreenPixels(const SimulatedHost& host, const Node& application, const std::vector<PlacedTree>& trees,
                      Renderer& renderer, DamageTracker* tracker, double scale, PixelRect needed, cairo_t* cr);
// How many pixels around a part of the screen must be drawn with it for its
// own to come out right, for drawing that reaches `points` across its edge.
int pixelMargin(double points, double scale);

// Renders what is on the simulated host's screen into a PNG: the host app
// with its text field (text, caret or selection, placeholder) and, while the
// keyboard is visible, the keyboard area with the given trees laid out in
// their frames (with the trees' own font metrics; give them
// PangoTextMetrics::shared() to lay out as drawn). The scale is the screen's
// unless given. The screen is drawn a band of rows at a time, so the whole
// picture is never in memory; its pixels are exactly those drawHost draws.
RenderReport renderHost(const SimulatedHost& host, const std::vector<ShownViewHost>& views,
                        const std::string& path, std::optional<double> scale = std::nullopt);

// Draws the same screen into `cr` in screen points, through the context's
// current transformation (a window scales it to its pixels). Returns the
// number of characters drawn as missing-glyph boxes.
int drawHost(const SimulatedHost& host, const std::vector<ShownViewHost>& views, cairo_t* cr);

}  // namespace platform::ui
