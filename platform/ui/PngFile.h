#pragma once

#include <cairo.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform::ui {

// Both writers put the picture in a temporary file beside `path` first and
// rename it into place only when complete, so a full disk never leaves a
// truncated picture, and an earlier picture stays until the new one replaces
// it. A path that is a link is written the same way at the file the link
// leads to (or will, when there is none yet), and stays a link. The picture
// replaced keeps its mode, owner and group as far as the writer may give
// them (root may; anyone else owns what they write and keeps a group they are
// in), and what killed writes of it left beside it is removed. A device, a
// pipe, standard output (also where a shell redirected it to a file) and what
// a descriptor's link leads to (/dev/stdout) are written to directly. Both
// throw Error "cannot write <path>: <the system's reason>", a write past the
// file-size limit included, and refuse a name pictureNameProblem refuses.

// Pictures are PNG: a name ending in another picture format's extension
// (".jpg", ".jpeg", ".gif", ".bmp", ".webp", ".tif", ".tiff", in any case)
// would misname what it holds. The reason such a name is refused; none for
// every other name.
std::optional<std::string> pictureNameProblem(std::string_view path);

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
