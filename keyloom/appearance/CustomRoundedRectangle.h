#pragma once

#include <string>

#include "platform/ui/Shape.h"

namespace keyloom {

// A rounded rectangle whose four corners each have their own radius.
class CustomRoundedRectangle : public platform::ui::Shape {
 public:
  CustomRoundedRectangle(double topLeft, double topRight, double bottomLeft, double bottomRight)
      : topLeft_(topLeft), topRight_(topRight), bottomLeft_(bottomLeft), bottomRight_(bottomRight) {}

  double topLeft() const { return topLeft_; }
  double topRight() const { return topRight_; }
  double bottomLeft() const { return bottomLeft_; }
  double bottomRight() const { return bottomRight_; }

  // Starts at the middle of the top edge and goes round clockwise on screen,
  // ending where the top-left arc meets the top edge. Each radius is limited
  // to half the shorter side; a negative or NaN radius is a square corner.
  // A NaN width or height gives an empty path.
  platform::ui::Path path(platform::Rect rect) const override;
  std::string description() const override;

  // The shape as the handle views take.
  platform::ui::AnyShape shape() const;

 private:
  double topLeft_;
  double topRight_;
  double bottomLeft_;
  double bottomRight_;
};

}  // namespace keyloom
