#pragma once

#include <cairo.h>

#include <string>

namespace platform::ui {

// Writes `surface` as a PNG file at `path`. The picture goes to a temporary
// file beside it first and is renamed into place only when complete, so a
// full disk never leaves a truncated picture, and an earlier picture stays
// until the new one replaces it. A path that is a device or a pipe (standard
// output) is written to directly. Throws Error "cannot write <path>: <the
// system's reason>".
void writePngFile(cairo_surface_t* surface, const std::string& path);

}  // namespace platform::ui
