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

constexpr double kCaretWidth = 2;
constexpr double kCaretHeight = 22;

// Width of the field's line: the screen less the field's margins and padding.
double fieldLineWidth(Size screen) { return screen.width - 2 * 16 - 2 * 12; }

// The part of a line that the field lays out, and the caret's byte in it.
struct VisibleLine {
  std::string text;
  std::size_t caret = 0;
};

// The field's font draws nothing narrower than its hair space, a tenth of
// an em (204 of DejaVu Sans's 2048 units): that many points at the least
// for each character, at any scale, as text is measured unhinted.
double narrowestCharacterWidth() { return Font::body().pointSize() * 204 / 2048; }

// The most bytes a point of the line is given: the densest text the field
// fills is a narrow letter with a dozen marks, 'l' with twelve marks of
// three bytes each (37 bytes in under 5 points).
constexpr double kMaximumBytesPerPoint = 8;

// The caret's line around the caret, cut at character boundaries of the
// whole text: on each side as many characters as fill the line even at the
// narrowest, so the line shows whatever of it fits and the caret goes where
// the whole line would put it. A character can hold any number of bytes (a
// letter with its marks, a joined emoji): no side takes more than the
// densest text needs, and no search goes further, so a frame costs no more
// however long the text or its characters.
VisibleLine visibleLine(const HostTextField& field, double lineWidth) {
  // The line, and a caret past either end of it.
  const double width = std::max(0.0, lineWidth) + 2 * kCaretWidth;
  const auto characters = static_cast<std::size_t>(std::ceil(width / narrowestCharacterWidth()));
  const auto maximumBytes = static_cast<std::size_t>(std::ceil(width * kMaximumBytesPerPoint));
  const std::string_view text = field.text();
  const std::size_t caret = field.cursorByteOffset();
  std::size_t start = field.characterBoundaryBefore(caret, characters);
  if (caret - start > maximumBytes) start = field.characterBoundaryAtOrAfter(caret - maximumBytes);
  std::size_t end = field.characterBoundaryAfter(caret, characters);
  if (end - caret > maximumBytes) end = field.characterBoundaryAtOrBefore(caret + maximumBytes);
  // A line feed ends a character on either side of it.
  if (const std::size_t newline = text.substr(start, caret - start).rfind('\n'); newline != std::string_view::npos) {
    start += newline + 1;
  }
  if (const std::size_t newline = text.substr(caret, end - caret).find('\n'); newline != std::string_view::npos) {
    end = caret + newline;
  }
  return {std::string(text.substr(start, end - start)), caret - start};
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
  const Color ink = dark ? Color::white() : Color::black();
  const double lineWidth = fieldLineWidth(screen);
  View line;
  if (text.empty() && field.placeholder()) {
    line = HStack(VerticalAlignment::center, 0,
                  {View(Color::blue()).frame(kCaretWidth, kCaretHeight),
                   Text(*field.placeholder()).foregroundColor(Color::gray()), Spacer()});
  } else {
    // Laid out whole, as bidirectional text must be: the caret goes where
    // the layout puts its position, over the text.
    const VisibleLine visible = visibleLine(field, lineWidth);
    const CaretPlacement caret = PangoTextMetrics::shared()->placeCaret(visible.text, Font::body(), visible.caret);
    // On whole points, reaching from its position the way the line runs,
    // over where a character typed there goes.
    const double caretX = caret.rightToLeft ? std::floor(caret.x) - kCaretWidth : std::ceil(caret.x);
    // Scrolled no more than keeps the caret in view.
    const double scroll = std::max(0.0, caretX + kCaretWidth - lineWidth);
    line = Text(visible.text)
               .foregroundColor(ink)
               .frame(std::ceil(caret.textSize.width), std::nullopt)
               .overlay(View(Color::blue()).frame(kCaretWidth, kCaretHeight).offset(caretX, 0), Alignment::leading())
               .offset(-scroll, 0)
               .frame(lineWidth, std::max(kCaretHeight, caret.textSize.height), Alignment::leading());
  }
  // Cut at the field's inner edges, widened by a caret so one at either end
  // of the line shows whole.
  View fieldView = line.lineLimit(1)
                       .padding(EdgeInsets(10, kCaretWidth, 10, kCaretWidth))
                       .clipped()
                       .padding(EdgeInsets(0, 12 - kCaretWidth, 0, 12 - kCaretWidth))
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
