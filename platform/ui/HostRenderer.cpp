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

// How far the shadows in a tree reach from what casts them, in points.
double shadowReach(const Node& node) {
  double reach = 0;
  for (const auto& modifier : node.modifiers()) {
    if (const auto* shadow = modifier.as<Shadow>()) {
      reach = std::max(reach, std::max(std::abs(shadow->x), std::abs(shadow->y)) + shadow->radius / 2);
    }
  }
  for (const auto& child : node.children()) reach = std::max(reach, shadowReach(*child));
  return reach;
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

void drawScreen(const SimulatedHost& host, const Node& application, const std::vector<PlacedTree>& trees,
                Renderer& renderer, cairo_t* cr) {
  renderer.draw(application);
  if (!host.isKeyboardVisible()) return;
  const Rect keyboard = host.keyboardFrame();
  // The platform's keyboard backdrop, under whatever the keyboard draws.
  if (host.configuration().userInterfaceStyle == UserInterfaceStyle::dark) cairo_set_source_rgb(cr, 0.17, 0.17, 0.17);
  else cairo_set_source_rgb(cr, 0.82, 0.83, 0.85);
  cairo_rectangle(cr, keyboard.origin.x, keyboard.origin.y, keyboard.size.width, keyboard.size.height);
  cairo_fill(cr);
  for (const auto& tree : trees) {
    cairo_save(cr);
    cairo_rectangle(cr, tree.frame.origin.x, tree.frame.origin.y, tree.frame.size.width, tree.frame.size.height);
    cairo_clip(cr);
    cairo_translate(cr, tree.offset.x, tree.offset.y);
    renderer.draw(*tree.root);
    cairo_restore(cr);
  }
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
  // reach across them (twice that, for shadows in scaled views).
  DamageTracker tracker;
  tracker.beginFrame();
  tracker.addTree(*application->root(), Point{});
  double reach = shadowReach(*application->root());
  for (const auto& tree : trees) {
    tracker.addTree(*tree.root, tree.offset);
    reach = std::max(reach, shadowReach(*tree.root));
  }
  tracker.endFrame();
  const int margin = static_cast<int>(std::ceil(2 * reach * pixelsPerPoint)) + 1;

  std::optional<Renderer> renderer;
  writeOpaquePngFile(path, report.pixelWidth, report.pixelHeight, margin, [&](cairo_t* cr, PixelRows rows) {
    if (!renderer) {
      renderer.emplace(cr);
      renderer->setDamage(&tracker);
    }
    tracker.selectNodesDrawingInto(Rect(0, rows.top / pixelsPerPoint, screen.width(), rows.count / pixelsPerPoint));
    cairo_scale(cr, pixelsPerPoint, pixelsPerPoint);
    drawScreen(host, *application->root(), trees, *renderer, cr);
  });
  report.unknownGlyphs = renderer ? renderer->unknownGlyphs() : 0;
  if (renderer) report.unknownSymbols = renderer->unknownSymbols();
  return report;
}

}  // namespace platform::ui
