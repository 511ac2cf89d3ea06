#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/input/SimulatedHost.h"
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

// Renders what is on the simulated host's screen into a PNG: the host app
// with its text field (text, caret or selection, placeholder) and, while the
// keyboard is visible, the keyboard area with the given trees laid out in
// their frames (with the trees' own font metrics; give them
// PangoTextMetrics::shared() to lay out as drawn). The scale is the screen's
// unless given.
RenderReport renderHost(const SimulatedHost& host, const std::vector<ShownViewHost>& views,
                        const std::string& path, std::optional<double> scale = std::nullopt);

// Draws the same screen into `cr` in screen points, through the context's
// current transformation (a window scales it to its pixels). Returns the
// number of characters drawn as missing-glyph boxes.
int drawHost(const SimulatedHost& host, const std::vector<ShownViewHost>& views, cairo_t* cr);

}  // namespace platform::ui
