#include "platform/ui/HostRenderer.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

#include "platform/foundation/Text.h"
#include "platform/input/Screen.h"
#include "platform/ui/DamageTracker.h"
#include "platform/ui/Modifier.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/PngFile.h"
#include "platform/ui/Primitives.h"

namespace platform::ui {

namespace {

// Inner width of the field: the screen less its margins and padding.
double fieldTextWidth(Size screen) { return screen.width - 2 * 16 - 2 * 12 - 2; }

// The end of `before` that fits in `width`, so the caret stays in view as a
// field scrolls its text; cut at a character boundary.
std::string visibleTail(std::string_view before, double width) {
  // Never more characters than could fit, so long texts cost no more.
  constexpr std::size_t kMaximumBytes = 1024;
  std::string tail(before.size() > kMaximumBytes ? before.substr(before.size() - kMaximumBytes) : before);
  if (tail.size() < before.size()) tail = text::dropFirstGraphemes(tail, 1);  // may start mid-character
  const auto& metrics = PangoTextMetrics::shared();
  while (!tail.empty() && metrics->measure(tail, Font::body()).width > width) {
    tail = text::dropFirstGraphemes(tail, std::max<std::size_t>(1, text::graphemeCount(tail) / 8));
  }
  return tail;
}

// The start of the text after the caret; the field cuts it at its edge.
std::string visibleHead(std::string_view after) {
  constexpr std::size_t kMaximumBytes = 1024;
  if (after.size() <= kMaximumBytes) return std::string(after);
  return text::dropLastGraphemes(after.substr(0, kMaximumBytes), 1);  // may end mid-character
}

// The host application's tree, laid out on the screen.
std::unique_ptr<ViewHost> laidOutApplication(const SimulatedHost& host, Rect screen) {
  const bool dark = host.configuration().userInterfaceStyle == UserInterfaceStyle::dark;
  auto application = std::make_unique<ViewHost>(hostApplicationView(host, screen.size, dark));
  application->setFontMetrics(PangoTextMetrics::shared());
  application->layout(screen);
  return application;
}

}  // namespace

// The host application: a text field near the top of the screen, showing
// the line with the caret, scrolled so the caret is in view.
View hostApplicationView(const SimulatedHost& host, Size screen, bool dark) {
  const HostTextField& field = host.textField();
  const std::string& text = field.text();
  const std::size_t split = text::byteOffsetOfGrapheme(text, field.cursorOffset());
  const std::size_t lineStart = split == 0 ? 0 : text.rfind('\n', split - 1) + 1;  // npos + 1 is 0
  const std::size_t lineEnd = std::min(text.find('\n', split), text.size());
  const Color ink = dark ? Color::white() : Color::black();
  std::vector<View> line;
  if (text.empty() && field.placeholder()) {
    line.push_back(View(Color::blue()).frame(2, 22));
    line.push_back(Text(*field.placeholder()).foregroundColor(Color::gray()));
  } else {
    const std::string_view all(text);
    // At its own width, so the stack gives the caret's side what it needs.
    const std::string before = visibleTail(all.substr(lineStart, split - lineStart), fieldTextWidth(screen));
    const double beforeWidth = std::ceil(PangoTextMetrics::shared()->measure(before, Font::body()).width);
    line.push_back(Text(before).foregroundColor(ink).frame(beforeWidth, std::nullopt));
    line.push_back(View(Color::blue()).frame(2, 22));
    line.push_back(Text(visibleHead(all.substr(split, lineEnd - split))).foregroundColor(ink));
  }
  line.push_back(Spacer());
  View fieldView = HStack(VerticalAlignment::center, 0, line)
                       .lineLimit(1)
                       .padding(EdgeInsets(10, 12, 10, 12))
                       .background(RoundedRectangle(10).fill(dark ? Color::white(0.17) : Color::white()))
                       .padding(EdgeInsets(60, 16, 0, 16));
  return VStack(HorizontalAlignment::center, 0, {fieldView, Spacer()})
      .frame(screen.width, screen.height)
      .background(dark ? Color::black() : Color::white(0.95));
}

std::vector<PlacedTree> placeShownViews(const SimulatedHost& host, const std::vector<ShownViewHost>& views) {
  std::vector<PlacedTree> placed;
  if (!host.isKeyboardVisible()) return placed;
  const Rect keyboard = host.keyboardFrame();
  for (const auto& shown : views) {
    if (!shown.host) continue;
    const Rect frame = shown.frame.value_or(keyboard);
    // A tree laid out for this size keeps its own coordinates (a hosting
    // view lays out in its bounds) and is moved into place; any other is
    // laid out in the frame.
    std::optional<Rect> bounds = shown.host->layoutBounds();
    if (!bounds || bounds->size != frame.size) {
      shown.host->layout(frame);
      bounds = frame;
    }
    const Point offset{frame.origin.x - bounds->origin.x, frame.origin.y - bounds->origin.y};
    placed.push_back({shown.host->root(), frame, offset});
  }
  return placed;
}

// The rectangle of whole device pixels nearest `rect`: Cairo composites
// under an edge that cuts pixels in ways that round by how much of the
// surface the drawing covers, so a part drawn alone would differ.
void pixelRectanglePath(cairo_t* cr, Rect rect) {
  double x0 = rect.minX(), y0 = rect.minY(), x1 = rect.maxX(), y1 = rect.maxY();
  cairo_user_to_device(cr, &x0, &y0);
  cairo_user_to_device(cr, &x1, &y1);
  cairo_matrix_t matrix;
  cairo_get_matrix(cr, &matrix);
  cairo_identity_matrix(cr);
  x0 = std::round(x0), y0 = std::round(y0), x1 = std::round(x1), y1 = std::round(y1);
  cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
  cairo_set_matrix(cr, &matrix);
}

void drawScreen(const SimulatedHost& host, const Node& application, const std::vector<PlacedTree>& trees,
                Renderer& renderer, cairo_t* cr) {
  renderer.draw(application);
  if (!host.isKeyboardVisible()) return;
  const Rect keyboard = host.keyboardFrame();
  // The platform's keyboard backdrop, under whatever the keyboard draws.
  if (host.configuration().userInterfaceStyle == UserInterfaceStyle::dark) cairo_set_source_rgb(cr, 0.17, 0.17, 0.17);
  else cairo_set_source_rgb(cr, 0.82, 0.83, 0.85);
  pixelRectanglePath(cr, keyboard);
  cairo_fill(cr);
  for (const auto& tree : trees) {
    cairo_save(cr);
    pixelRectanglePath(cr, tree.frame);
    cairo_clip(cr);
    cairo_translate(cr, tree.offset.x, tree.offset.y);
    renderer.draw(*tree.root);
    cairo_restore(cr);
  }
}

void drawScreenPixels(const SimulatedHost& host, const Node& application, const std::vector<PlacedTree>& trees,
                      Renderer& renderer, DamageTracker* tracker, double scale, PixelRect needed, cairo_t* cr) {
  cairo_save(cr);
  if (tracker) {
    tracker->selectNodesDrawingInto(
        Rect(needed.x / scale, needed.y / scale, needed.width / scale, needed.height / scale));
  }
  cairo_scale(cr, scale, scale);
  renderer.setContext(cr);
  drawScreen(host, application, trees, renderer, cr);
  cairo_restore(cr);
}

int pixelMargin(double points, double scale) {
  // One pixel more for rounding.
  return static_cast<int>(std::ceil(points * scale)) + 1;
}

int drawHost(const SimulatedHost& host, const std::vector<ShownViewHost>& views, cairo_t* cr) {
  requireRenderFonts();
  const auto application = laidOutApplication(host, Screen::main().bounds());
  Renderer renderer(cr);
  drawScreen(host, *application->root(), placeShownViews(host, views), renderer, cr);
  return renderer.unknownGlyphs();
}

RenderReport renderHost(const SimulatedHost& host, const std::vector<ShownViewHost>& views,
                        const std::string& path, std::optional<double> scale) {
  requireRenderFonts();
  const Rect screen = Screen::main().bounds();
  const double pixelsPerPoint = scale.value_or(host.configuration().screenScale);

  RenderReport report;
  report.pixelWidth = std::max(1, static_cast<int>(std::ceil(screen.width() * pixelsPerPoint)));
  report.pixelHeight = std::max(1, static_cast<int>(std::ceil(screen.height() * pixelsPerPoint)));

  const auto application = laidOutApplication(host, screen);
  const std::vector<PlacedTree> trees = placeShownViews(host, views);
  // The screen is drawn a band at a time; each band draws only the nodes
  // that reach into it, and sees as far beyond its edges as a shadow may
  // reach across them, and any glyph: Cairo draws a glyph that a surface's
  // edge cuts a little differently from a whole one.
  DamageTracker tracker;
  tracker.beginFrame();
  tracker.addTree(*application->root(), Point{});
  for (const auto& tree : trees) tracker.addTree(*tree.root, tree.offset);
  tracker.endFrame();

  std::optional<Renderer> renderer;
  writeOpaquePngFile(path, report.pixelWidth, report.pixelHeight, pixelMargin(tracker.shadowReach() + tracker.glyphReach(), pixelsPerPoint),
                     [&](cairo_t* cr, PixelRows rows) {
                       if (!renderer) {
                         renderer.emplace(cr);
                         renderer->setDamage(&tracker);
                       }
                       drawScreenPixels(host, *application->root(), trees, *renderer, &tracker, pixelsPerPoint,
                                        PixelRect{0, rows.top, report.pixelWidth, rows.count}, cr);
                     });
  report.unknownGlyphs = renderer ? renderer->unknownGlyphs() : 0;
  if (renderer) report.unknownSymbols = renderer->unknownSymbols();
  return report;
}

}  // namespace platform::ui
