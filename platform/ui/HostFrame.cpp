#include "platform/ui/HostFrame.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/input/Screen.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Renderer.h"

namespace platform::ui {

namespace {

// Past this many rectangles one box around them all costs less to paint.
constexpr std::size_t maximumRects = 12;

bool touch(const PixelRect& a, const PixelRect& b) {
  return a.x <= b.x + b.width && b.x <= a.x + a.width && a.y <= b.y + b.height && b.y <= a.y + a.height;
}

PixelRect bounding(const PixelRect& a, const PixelRect& b) {
  const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
  const int x1 = std::max(a.x + a.width, b.x + b.width), y1 = std::max(a.y + a.height, b.y + b.height);
  return {x0, y0, x1 - x0, y1 - y0};
}

// Rectangles that touch become their bounding box, until none do.
void merge(std::vector<PixelRect>& rects) {
  for (bool merged = true; merged;) {
    merged = false;
    for (std::size_t i = 0; i < rects.size() && !merged; ++i) {
      for (std::size_t j = i + 1; j < rects.size() && !merged; ++j) {
        if (!touch(rects[i], rects[j])) continue;
        rects[i] = bounding(rects[i], rects[j]);
        rects.erase(rects.begin() + static_cast<std::ptrdiff_t>(j));
        merged = true;
      }
    }
  }
  if (rects.size() > maximumRects) {
    PixelRect all = rects.front();
    for (const auto& rect : rects) all = bounding(all, rect);
    rects = {all};
  }
}

}  // namespace

HostFrame::HostFrame(double scale) : scale_(scale) {}

void HostFrame::setScale(double scale) {
  if (scale == scale_) return;
  scale_ = scale;
  full_ = true;
}

HostFrame::~HostFrame() {
  application_.reset();
  if (surface_) cairo_surface_destroy(surface_);
  if (scratch_) cairo_surface_destroy(scratch_);
}

void HostFrame::prepareSurface(Rect screen) {
  const int width = std::max(1, static_cast<int>(std::ceil(screen.width() * scale_)));
  const int height = std::max(1, static_cast<int>(std::ceil(screen.height() * scale_)));
  if (surface_ && cairo_image_surface_get_width(surface_) == width &&
      cairo_image_surface_get_height(surface_) == height) {
    return;
  }
  if (surface_) cairo_surface_destroy(surface_);
  if (scratch_) cairo_surface_destroy(scratch_);
  scratch_ = nullptr;
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  full_ = true;
}

std::vector<PixelRect> HostFrame::pixelRects(const std::vector<Rect>& damage) const {
  const int width = cairo_image_surface_get_width(surface_);
  const int height = cairo_image_surface_get_height(surface_);
  std::vector<PixelRect> rects;
  for (const Rect& rect : damage) {
    // Out to whole pixels, and one more for the edges' antialiasing.
    const int x0 = std::max(0, static_cast<int>(std::floor(rect.minX() * scale_)) - 1);
    const int y0 = std::max(0, static_cast<int>(std::floor(rect.minY() * scale_)) - 1);
    const int x1 = std::min(width, static_cast<int>(std::ceil(rect.maxX() * scale_)) + 1);
    const int y1 = std::min(height, static_cast<int>(std::ceil(rect.maxY() * scale_)) + 1);
    if (x1 > x0 && y1 > y0) rects.push_back({x0, y0, x1 - x0, y1 - y0});
  }
  merge(rects);
  return rects;
}

void HostFrame::repaint(const SimulatedHost& host, const std::vector<PlacedTree>& trees, Renderer& renderer,
                        const PixelRect& rect, int margin) {
  // Drawn apart with room around it, without a clip: Cairo rounds
  // differently under one, and sizes the groups of shadows by it, which
  // would lose what casts a shadow from outside the rectangle. The rows are
  // drawn whole, as in the frame: Cairo composes a shape it cuts at a side
  // of the surface by other means, which round an edge a level apart.
  const int width = cairo_image_surface_get_width(surface_);
  const int height = cairo_image_surface_get_height(surface_);
  // Cairo draws a glyph that a surface's edge cuts a little differently from
  // a whole one: the glyphs that reach into the rectangle are held whole.
  const Rect glyphs = tracker_.withGlyphsReaching(
      Rect(rect.x / scale_, rect.y / scale_, rect.width / scale_, rect.height / scale_));
  const int y0 = std::max(0, std::min(rect.y, static_cast<int>(std::floor(glyphs.minY() * scale_))) - margin);
  const int y1 = std::max(rect.y + rect.height, static_cast<int>(std::ceil(glyphs.maxY() * scale_))) + margin;
  const PixelRect held{0, y0, width, std::min(height, y1) - y0};
  // Only what draws into the rectangle and its margin is drawn, each node
  // whole on the full rows, so it is cut where the frame cuts it.
  const int x0 = std::max(0, rect.x - margin);
  const int x1 = std::min(width, rect.x + rect.width + margin);
  const PixelRect needed{x0, held.y, x1 - x0, held.height};
  // The rows are drawn on a surface kept between repaints, at least as tall
  // as they are and never past the screen's bottom: only the rectangle is
  // painted white first, as every other pixel of it is left unread.
  if (!scratch_ || cairo_image_surface_get_height(scratch_) < held.height) {
    if (scratch_) cairo_surface_destroy(scratch_);
    scratch_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, held.height);
  }
  cairo_surface_t* part = scratch_;
  const int top = std::min(held.y, height - cairo_image_surface_get_height(part));
  // Moved by the surface's offset, not the context's transformation: every
  // point then has the coordinates it has in the whole frame, less the
  // offset, exactly.
  cairo_surface_flush(part);
  cairo_surface_set_device_offset(part, 0, -top);
  cairo_t* cr = cairo_create(part);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_rectangle(cr, rect.x, rect.y, rect.width, rect.height);
  cairo_fill(cr);
  // Only the rectangle is copied out, with what reaches into it from its
  // margin (shadows).
  const int readTop = std::max(0, rect.y - margin);
  const int readBottom = std::min(height, rect.y + rect.height + margin);
  renderer.setNeededPixels(Renderer::PixelBox{x0, readTop, x1 - x0, readBottom - readTop});
  drawScreenPixels(host, *application_->root(), trees, renderer, &tracker_, scale_, needed, cr);
  cairo_destroy(cr);
  cairo_surface_flush(part);

  const unsigned char* from = cairo_image_surface_get_data(part);
  const int fromStride = cairo_image_surface_get_stride(part);
  unsigned char* to = cairo_image_surface_get_data(surface_);
  const int toStride = cairo_image_surface_get_stride(surface_);
  for (int y = rect.y; y < rect.y + rect.height; ++y) {
    std::memcpy(to + static_cast<std::ptrdiff_t>(y) * toStride + 4 * rect.x,
                from + static_cast<std::ptrdiff_t>(y - top) * fromStride + 4 * rect.x,
                4 * static_cast<std::size_t>(rect.width));
  }
  cairo_surface_mark_dirty_rectangle(surface_, rect.x, rect.y, rect.width, rect.height);
}

void HostFrame::draw(const SimulatedHost& host, const std::vector<ShownViewHost>& views) {
  requireRenderFonts();
  const Rect bounds = platform::Screen::main().bounds();
  const bool dark = host.configuration().userInterfaceStyle == UserInterfaceStyle::dark;
  prepareSurface(bounds);

  // The application's tree is kept, so its unchanged nodes are found again.
  if (!application_) {
    application_ = std::make_unique<ViewHost>(hostApplicationView(host, bounds.size, dark));
    application_->setFontMetrics(PangoTextMetrics::shared());
  } else {
    application_->setRootView(hostApplicationView(host, bounds.size, dark));
  }
  application_->layout(bounds);
  const std::vector<PlacedTree> trees = placeShownViews(host, views);

  Screen screen{bounds, dark, host.isKeyboardVisible(), host.keyboardFrame(), {}};
  for (const auto& tree : trees) screen.trees.emplace_back(tree.root.get(), tree.frame);
  bool full = full_ || !incremental_ || drawn_ != screen;
  drawn_ = screen;
  // Until this draw is done, a half-drawn frame is drawn whole next time.
  full_ = true;

  tracker_.beginFrame();
  tracker_.addTree(*application_->root(), Point{});
  for (const auto& tree : trees) tracker_.addTree(*tree.root, tree.offset);
  tracker_.endFrame();

  const int width = cairo_image_surface_get_width(surface_);
  const int height = cairo_image_surface_get_height(surface_);
  repainted_.clear();
  if (!full) {
    repainted_ = pixelRects(tracker_.damage());
    long area = 0;
    for (const auto& rect : repainted_) area += static_cast<long>(rect.width) * rect.height;
    full = 2 * area > static_cast<long>(width) * height;  // most of it: once, without the search
  }
  if (full) repainted_ = {{0, 0, width, height}};
  if (repainted_.empty()) {
    full_ = false;
    return;
  }

  Renderer renderer(nullptr);
  if (full) {
    cairo_t* cr = cairo_create(surface_);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    drawScreenPixels(host, *application_->root(), trees, renderer, nullptr, scale_, {0, 0, width, height}, cr);
    cairo_destroy(cr);
  } else {
    // Pictures are kept for the small repaints; a whole one would fill the
    // cache with pictures nobody paints again.
    renderer.setDamage(&tracker_);
    renderer.setPictureCache(&pictures_);
    renderer.setGradientCache(&gradients_);
    renderer.setTextLayoutCache(&layouts_);
    const int margin = pixelMargin(tracker_.shadowReach(), scale_);
    for (const auto& rect : repainted_) repaint(host, trees, renderer, rect, margin);
  }
  unknownGlyphs_ = renderer.unknownGlyphs();
  cairo_surface_flush(surface_);
  full_ = false;
}

}  // namespace platform::ui
