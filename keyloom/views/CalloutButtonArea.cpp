#include "keyloom/views/CalloutButtonArea.h"

#include <numbers>

#include "keyloom/appearance/CustomRoundedRectangle.h"
#include "keyloom/views/CalloutCurve.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

using platform::ui::Angle;
using platform::ui::View;

platform::ui::View CalloutButtonArea::body() const {
  const auto& curve = style.curveSize;
  const double radius = style.buttonCornerRadius;
  View leftCurve = CalloutCurve()
                       .shape()
                       .fill(style.backgroundColor)
                       .frame(curve.width, curve.height)
                       .rotation3DEffect(Angle::radians(std::numbers::pi), 0, 1, 0);
  View key = CustomRoundedRectangle(0, 0, radius, radius)
                 .shape()
                 .fill(style.backgroundColor)
                 .frame(frame.width(), frame.height());
  View rightCurve = CalloutCurve().shape().fill(style.backgroundColor).frame(curve.width, curve.height);
  return platform::ui::HStack(platform::ui::VerticalAlignment::top, 0,
                              {std::move(leftCurve), std::move(key), std::move(rightCurve)});
}

platform::ui::View keyboardCalloutShadow(const View& view, const KeyboardCalloutStyle& style) {
  return view.shadow(style.borderColor, 0.4).shadow(style.shadowColor, style.shadowRadius);
}

}  // namespace keyloom
