#include "keyloom/views/SystemKeyboardButtonShadow.h"

#include <memory>
#include <string>

#include "platform/ui/Primitives.h"

namespace keyloom {

using platform::Rect;
using platform::ui::Color;
using platform::ui::Path;
using platform::ui::RoundedCornerStyle;
using platform::ui::View;

namespace {

// Fits the even-odd mask to whatever size the shadow is laid out at.
class ShadowMaskShape : public platform::ui::Shape {
 public:
  ShadowMaskShape(double shadowSize, double cornerRadius)
      : shadowSize_(shadowSize), cornerRadius_(cornerRadius) {}

  // The rectangle is the shadow's own frame, so the mask follows the key.
  Path path(Rect rect) const override {
    return SystemKeyboardButtonShadow::maskPath(rect, shadowSize_, cornerRadius_);
  }

  std::string description() const override { return "SystemKeyboardButtonShadowMask"; }

 private:
  double shadowSize_;
  double cornerRadius_;
};

}  // namespace

Color SystemKeyboardButtonShadow::shadowColor() const {
  if (!style.shadowSize()) return Color::clear();
  return style.shadowColor().value_or(Color::clear());
}

double SystemKeyboardButtonShadow::shadowSize() const {
  if (!style.shadowSize() || !style.shadowColor()) return 0;
  return *style.shadowSize();
}

double SystemKeyboardButtonShadow::shadowCornerRadius() const {
  return style.cornerRadius().value_or(0);
}

Path SystemKeyboardButtonShadow::maskPath(Rect rect, double shadowSize, double cornerRadius) {
  Path path;
  path.addRect(rect.insetBy(-shadowSize, -shadowSize));
  path.addPath(
      platform::ui::RoundedRectangle(cornerRadius, RoundedCornerStyle::continuous).path(rect));
  return path;
}

View SystemKeyboardButtonShadow::body() const {
  const double size = shadowSize();
  const double radius = shadowCornerRadius();
  platform::ui::AnyShape mask(std::make_shared<const ShadowMaskShape>(size, radius));
  return View(platform::ui::RoundedRectangle(radius, RoundedCornerStyle::continuous))
      .foregroundColor(shadowColor())
      .offset(0, size)
      .mask(mask.fill(Color::black(), platform::ui::FillStyle{.evenOdd = true, .antialiased = true}));
}

}  // namespace keyloom
