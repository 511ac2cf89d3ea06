#include "platform/ui/HostRenderer.h"

#include <cmath>

#include "platform/foundation/Text.h"
#include "platform/input/Screen.h"
#include "platform/ui/Modifier.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Primitives.h"

namespace platform::ui {

namespace {

// The host application: a text field near the top of the screen.
View applicationView(const SimulatedHost& host, Size screen, bool dark) {
  const HostTextField& field = host.textField();
  const std::string& text = field.text();
  const std::size_t cursor = std::min(field.cursorOffset(), text::graphemeCount(text));
  const std::size_t split = text::byteOffsetOfGrapheme(text, cursor);
  const Color ink = dark ? Color::white() : Color::black();
  std::vector<View> line;
  if (text.empty() && field.placeholder()) {
    line.push_back(View(Color::blue()).frame(2, 22));
    line.push_back(Text(*field.placeholder()).foregroundColor(Color::gray()));
  } else {
    line.push_back(Text(text.substr(0, split)).foregroundColor(ink));
    line.push_back(View(Color::blue()).frame(2, 22));
    line.push_back(Text(text.substr(split)).foregroundColor(ink));
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

}  // namespace

RenderReport renderHost(const SimulatedHost& host, const std::vector<ShownViewHost>& views,
                        const std::string& path, std::optional<double> scale) {
  requireRenderFonts();
  const Rect screen = Screen::main().bounds();
  const bool dark = host.configuration().userInterfaceStyle == UserInterfaceStyle::dark;
  const double pixelsPerPoint = scale.value_or(host.configuration().screenScale);

  ViewHost application(applicationView(host, screen.size, dark));
  application.setFontMetrics(PangoTextMetrics::shared());
  application.layout(screen);

  RenderReport report;
  report.pixelWidth = std::max(1, static_cast<int>(std::ceil(screen.width() * pixelsPerPoint)));
  report.pixelHeight = std::max(1, static_cast<int>(std::ceil(screen.height() * pixelsPerPoint)));
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, report.pixelWidth, report.pixelHeight);
  cairo_t* cr = cairo_create(surface);
  cairo_scale(cr, pixelsPerPoint, pixelsPerPoint);
  Renderer renderer(cr);
  renderer.draw(*application.root());
  if (host.isKeyboardVisible()) {
    const Rect keyboard = host.keyboardFrame();
    // The platform's keyboard backdrop, under whatever the keyboard draws.
    if (dark) cairo_set_source_rgb(cr, 0.17, 0.17, 0.17);
    else cairo_set_source_rgb(cr, 0.82, 0.83, 0.85);
    cairo_rectangle(cr, keyboard.origin.x, keyboard.origin.y, keyboard.size.width, keyboard.size.height);
    cairo_fill(cr);
    for (const auto& shown : views) {
      if (!shown.host) continue;
      const Rect frame = shown.frame.value_or(keyboard);
      shown.host->layout(frame);
      cairo_save(cr);
      cairo_rectangle(cr, frame.origin.x, frame.origin.y, frame.size.width, frame.size.height);
      cairo_clip(cr);
      renderer.draw(*shown.host->root());
      cairo_restore(cr);
    }
  }
  report.unknownGlyphs = renderer.unknownGlyphs();
  cairo_destroy(cr);
  cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) throw Error("cannot write " + path + ": " + cairo_status_to_string(status));
  return report;
}

}  // namespace platform::ui
