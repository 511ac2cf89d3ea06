#pragma once

#include <cairo.h>

#include "apps/keyboard-simulator/SimulatorSession.h"
#include "platform/ui/HostRenderer.h"

namespace keyboard_simulator {

// The session's screen drawn in one piece at its scale, with nothing kept
// from earlier frames: what every other way of drawing it must equal.
inline cairo_surface_t* wholeFrame(SimulatorSession& session) {
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, session.pixelWidth(), session.pixelHeight());
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  cairo_scale(cr, session.scale(), session.scale());
  platform::ui::drawHost(*session.simulator().host(), session.simulator().shownViews(), cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  return surface;
}

}  // namespace keyboard_simulator
