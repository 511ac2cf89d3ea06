#pragma once

#include <cairo.h>

#include <functional>
#include <string>

namespace platform::ui {

// Both writers put the picture in a temporary file beside `path` first and
// rename it into place only when complete, so a full disk never leaves a
// truncated picture, and an earlier picture stays until the new one replaces
// it. A path that is a link, a device or a pipe (standard output) is written
// to directly, where it leads: neither ever replaces a link. Both throw Error
// "cannot write <path>: <the system's reason>", a write past the file-size
// limit included.

// Writes `surface` as a PNG file at `path`.
void writePngFile(cairo_surface_t* surface, const std::string& path);

// Rows of a picture, in its pixels.
struct PixelRows {
  int top = 0;
  int count = 0;
};

// Writes an opaque picture of `width` x `height` pixels as a PNG file at
// `path` (without an alpha channel), drawn a band of rows at a time so the
// whole picture is never in memory. `drawBand` is called for each band, top
// to bottom: its context's surface holds only the band's rows and `margin`
// rows more above and below them where the picture has them (`rows`), painted
// white, and moved by whole rows (its device offset), without a clip, so
// that drawing the whole picture in pixels lands those rows there. Drawing
// whose pixels depend on others up to `margin` rows away (a shadow cast by
// what lies beyond the band) comes out as in the whole picture.
void writeOpaquePngFile(const std::string& path, int width, int height, int margin,
                        const std::function<void(cairo_t* cr, PixelRows rows)>& drawBand);

}  // namespace platform::ui
