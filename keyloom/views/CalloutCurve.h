#pragma once

#include <string>

#include "platform/ui/Shape.h"

namespace keyloom {

// The fillet between a callout's bubble and its foot: the concave piece
// between a quarter curve from the bottom-left to the top-right corner and
// the top-left corner. Mirror it for the left side of the foot.
class CalloutCurve : public platform::ui::Shape {
 public:
  // Empty when the rectangle's width or height is NaN.
  platform::ui::Path path(platform::Rect rect) const override;
  std::string description() const override;

  // The shape as the handle views take.
  platform::ui::AnyShape shape() const;
};

}  // namespace keyloom
