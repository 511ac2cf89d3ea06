#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/Geometry.h"
#include "platform/ui/Color.h"
#include "platform/ui/Path.h"

namespace platform::ui {

class View;

// A two-dimensional outline that fits itself to a rectangle. Custom shapes
// derive from it and give path(); the description names them in tree dumps.
class Shape {
 public:
  virtual ~Shape();
  virtual Path path(Rect rect) const = 0;
  virtual std::string description() const;
};

enum class RoundedCornerStyle { circular, continuous };

// A shared, immutable shape handle: what views and modifiers hold.
class AnyShape {
 public:
  explicit AnyShape(std::shared_ptr<const Shape> shape);

  Path path(Rect rect) const { return shape_->path(rect); }
  std::string description() const { return shape_->description(); }
  const Shape& shape() const { return *shape_; }
  // The concrete shape, when it is of type S.
  template <class S>
  const S* as() const {
    return dynamic_cast<const S*>(shape_.get());
  }

  // The shape as a view: filled (with the foreground colour when no colour is
  // given), stroked along its outline, or stroked inside its outline.
  View fill(std::optional<Color> color = std::nullopt, FillStyle style = {}) const;
  View stroke(std::optional<Color> color, StrokeStyle style = {}) const;
  View strokeBorder(std::optional<Color> color, StrokeStyle style = {}) const;

 private:
  std::shared_ptr<const Shape> shape_;
};

class RectangleShape : public Shape {
 public:
  Path path(Rect rect) const override;
  std::string description() const override;
};

class RoundedRectangleShape : public Shape {
 public:
  RoundedRectangleShape(Size cornerSize, RoundedCornerStyle style)
      : cornerSize_(cornerSize), style_(style) {}
  Size cornerSize() const { return cornerSize_; }
  RoundedCornerStyle style() const { return style_; }
  Path path(Rect rect) const override;
  std::string description() const override;

 private:
  Size cornerSize_;
  RoundedCornerStyle style_;
};

// A rounded rectangle whose corner radius is half its shorter side.
class CapsuleShape : public Shape {
 public:
  Path path(Rect rect) const override;
  std::string description() const override;
};

// The largest circle centred in the rectangle.
class CircleShape : public Shape {
 public:
  Path path(Rect rect) const override;
  std::string description() const override;
};

// A fixed path, drawn where it is whatever the rectangle.
class PathShape : public Shape {
 public:
  explicit PathShape(Path path) : path_(std::move(path)) {}
  Path path(Rect rect) const override;
  std::string description() const override;

 private:
  Path path_;
};

AnyShape Rectangle();
AnyShape RoundedRectangle(double cornerRadius,
                          RoundedCornerStyle style = RoundedCornerStyle::continuous);
AnyShape RoundedRectangle(Size cornerSize,
                          RoundedCornerStyle style = RoundedCornerStyle::continuous);
AnyShape Capsule();
AnyShape Circle();
AnyShape PathAsShape(Path path);

}  // namespace platform::ui
