#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeindex>
#include <variant>
#include <vector>

#include "platform/ui/BlockPool.h"
#include "platform/ui/GeometryProxy.h"
#include "platform/ui/Modifier.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewRepresentable.h"

namespace platform::ui {

// What a view is, one struct per kind of view. Static children live in
// ViewDefinition::children.

struct EmptyContent {};
struct TextContent {
  std::string text;  // verbatim: never looked up as a localisation key
};
struct ImageContent {
  Image image;
};
struct ColorContent {
  Color color;
};
struct LinearGradientContent {
  std::vector<Color> colors;
  UnitPoint startPoint;
  UnitPoint endPoint;
};

enum class ShapeDrawing { fill, stroke, strokeBorder };
struct ShapeContent {
  AnyShape shape;
  ShapeDrawing drawing = ShapeDrawing::fill;
  std::optional<Color> color;  // absent: the foreground colour
  FillStyle fillStyle;
  StrokeStyle strokeStyle;
};

struct VStackContent {
  HorizontalAlignment alignment = HorizontalAlignment::center;
  std::optional<double> spacing;  // absent: defaultSpacing
  bool lazy = false;
};
struct HStackContent {
  VerticalAlignment alignment = VerticalAlignment::center;
  std::optional<double> spacing;
  bool lazy = false;
};
struct ZStackContent {
  Alignment alignment;
};
struct SpacerContent {
  std::optional<double> minLength;
};
struct DividerContent {};
// Children are laid out by the container the group stands in.
struct GroupContent {};
// One child per id, children[i] identified by ids[i].
struct ForEachContent {
  std::vector<ViewId> ids;
};
// children[0] when the condition holds, children[1] otherwise; each branch
// has its own identity.
struct ConditionalContent {
  bool condition = false;
};
// children[0] is the label; the button style builds what is shown.
struct ButtonContent {
  std::function<void()> action;
};
// children[0] is the label; a tap opens the url through openURLKey.
struct LinkContent {
  std::string url;
};
// children[0] title, children[1] icon.
struct LabelContent {};
struct ScrollViewContent {
  Axis axis = Axis::vertical;
  bool showsIndicators = true;
};

// The size of one row (of a horizontal grid) or column (of a vertical one).
struct GridItem {
  enum class Kind { fixed, flexible, adaptive };

  Kind kind = Kind::flexible;
  double minimum = 10;
  double maximum = infinity;
  std::optional<double> spacing = std::nullopt;
  Alignment alignment = Alignment::center();

  static GridItem fixed(double size, std::optional<double> spacing = std::nullopt) {
    return {Kind::fixed, size, size, spacing, Alignment::center()};
  }
  static GridItem flexible(double minimum = 10, double maximum = infinity) {
    return {Kind::flexible, minimum, maximum, std::nullopt, Alignment::center()};
  }
  static GridItem adaptive(double minimum, double maximum = infinity) {
    return {Kind::adaptive, minimum, maximum, std::nullopt, Alignment::center()};
  }

  bool operator==(const GridItem&) const = default;
};
// A lazy grid: `axis` horizontal is a grid of rows that grows sideways
// (cells fill each column from the top), vertical a grid of columns.
struct GridContent {
  Axis axis = Axis::horizontal;
  std::vector<GridItem> items;
  Alignment alignment;
  std::optional<double> spacing;
};
struct GeometryReaderContent {
  std::function<View(const GeometryProxy&)> content;
};
// children[0] label, children[1] the items offered when it is opened. A
// plain tap runs the primary action, when there is one.
struct MenuContent {
  std::function<void()> primaryAction;
};
struct RepresentableContent {
  std::shared_ptr<const ViewRepresentable> representable;
};
struct CompositeContent {
  std::type_index type;
  std::string_view typeName;  // interned (internedTypeName)
  // Shared by every copy of the view: it holds the view's value.
  std::shared_ptr<const CompositeBody> body;
};

using ViewContent =
    std::variant<EmptyContent, TextContent, ImageContent, ColorContent, LinearGradientContent,
                 ShapeContent, VStackContent, HStackContent, ZStackContent, SpacerContent,
                 DividerContent, GroupContent, ForEachContent, ConditionalContent, ButtonContent,
                 LinkContent, LabelContent, ScrollViewContent, GridContent, GeometryReaderContent,
                 MenuContent, RepresentableContent, CompositeContent>;

// The value behind a View.
struct ViewDefinition {
  ViewContent content;
  std::vector<View> children;
  BlockVector<Modifier> modifiers;  // innermost first
};

}  // namespace platform::ui
