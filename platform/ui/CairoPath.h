#pragma once

#include <cairo.h>

#include "platform/foundation/Geometry.h"
#include "platform/ui/Path.h"

namespace platform::ui {

// Appends `path` to the current path of `cr` (arcs and curves as Path
// documents them).
void appendToCairo(cairo_t* cr, const Path& path);

// Whether `point` is inside `path` when filled.
bool pathContains(const Path& path, Point point, bool evenOdd = false);

}  // namespace platform::ui
