#include "platform/ui/CairoPath.h"

namespace platform::ui {

void appendToCairo(cairo_t* cr, const Path& path) {
  Point current;
  bool hasCurrent = false;
  for (const auto& element : path.elements()) {
    switch (element.kind) {
      case PathElement::Kind::move:
        cairo_move_to(cr, element.to.x, element.to.y);
        current = element.to;
        hasCurrent = true;
        break;
      case PathElement::Kind::line:
        if (!hasCurrent) cairo_move_to(cr, current.x, current.y);
        cairo_line_to(cr, element.to.x, element.to.y);
        current = element.to;
        hasCurrent = true;
        break;
      case PathElement::Kind::quadCurve: {
        if (!hasCurrent) cairo_move_to(cr, current.x, current.y);
        // A quadratic curve as the cubic with the same shape.
        Point c = element.control1;
        Point c1{current.x + 2.0 / 3.0 * (c.x - current.x), current.y + 2.0 / 3.0 * (c.y - current.y)};
        Point c2{element.to.x + 2.0 / 3.0 * (c.x - element.to.x), element.to.y + 2.0 / 3.0 * (c.y - element.to.y)};
        cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, element.to.x, element.to.y);
        current = element.to;
        hasCurrent = true;
        break;
      }
      case PathElement::Kind::curve:
        if (!hasCurrent) cairo_move_to(cr, current.x, current.y);
        cairo_curve_to(cr, element.control1.x, element.control1.y, element.control2.x,
                       element.control2.y, element.to.x, element.to.y);
        current = element.to;
        hasCurrent = true;
        break;
      case PathElement::Kind::arc:
        if (element.clockwise) {
          cairo_arc_negative(cr, element.center.x, element.center.y, element.radius,
                             element.startAngle.radians(), element.endAngle.radians());
        } else {
          cairo_arc(cr, element.center.x, element.center.y, element.radius,
                    element.startAngle.radians(), element.endAngle.radians());
        }
        {
          double x = 0;
          double y = 0;
          cairo_get_current_point(cr, &x, &y);
          current = Point{x, y};
          hasCurrent = true;
        }
        break;
      case PathElement::Kind::close:
        cairo_close_path(cr);
        {
          double x = 0;
          double y = 0;
          cairo_get_current_point(cr, &x, &y);
          current = Point{x, y};
        }
        break;
    }
  }
}

bool pathContains(const Path& path, Point point, bool evenOdd) {
  // A 1×1 surface is enough: in_fill works on the path, not on pixels.
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* cr = cairo_create(surface);
  appendToCairo(cr, path);
  cairo_set_fill_rule(cr, evenOdd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
  bool inside = cairo_in_fill(cr, point.x, point.y) != 0;
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return inside;
}

}  // namespace platform::ui
