#pragma once

#include <any>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "platform/ui/BlockPool.h"
#include "platform/ui/View.h"

namespace platform::ui {

// The modifiers a node carries, as plain data. Each is what one modifier
// method recorded; Node::modifiers() lists them innermost first.

struct Padding {
  EdgeInsets insets;
};
struct Frame {
  std::optional<double> width;
  std::optional<double> height;
  Alignment alignment;
};
// FlexibleFrame (View.h) is a modifier too.
struct Offset {
  double x = 0;
  double y = 0;
};
struct Position {
  double x = 0;
  double y = 0;
};
struct ScaleEffect {
  Size scale;
  UnitPoint anchor;
};
struct Rotation3DEffect {
  Angle angle;
  double axisX = 0;
  double axisY = 0;
  double axisZ = 0;
  UnitPoint anchor;
  double anchorZ = 0;
  double perspective = 1;
};
struct Resizable {
  EdgeInsets capInsets;
  ResizingMode mode = ResizingMode::stretch;
};
struct AspectRatio {
  std::optional<double> ratio;
  ContentMode mode = ContentMode::fit;
};

// Layers: modifiers that hold a view of their own, evaluated as a child node.
struct Background {
  View content;
  Alignment alignment;
};
struct Overlay {
  View content;
  Alignment alignment;
};
struct Mask {
  View content;
  Alignment alignment;
};
struct ContextMenu {
  View items;
};

struct Opacity {
  double value = 1;
};
struct Shadow {
  Color color;
  double radius = 0;
  double x = 0;
  double y = 0;
};
struct CornerRadius {
  double radius = 0;
  bool antialiased = true;
};
struct ClipShape {
  AnyShape shape;
  FillStyle style;
};
struct Clipped {
  bool antialiased = false;
};
struct CompositingGroup {};
struct Hidden {};

// Changes the environment of the content and of the layers applied before it.
struct EnvironmentWrite {
  std::string name;
  std::string value;  // for descriptions
  std::function<void(EnvironmentValues&)> apply;
  // When set, describes the value instead of `value`, reading it back from
  // an environment `apply` wrote to: views are built far more often than
  // described, so the text is made only when asked for.
  std::string (*describeValue)(const EnvironmentValues&) = nullptr;

  // The text of `value`, or of describeValue.
  std::string valueDescription() const;
};

struct ContentShape {
  AnyShape shape;
};
struct AllowsHitTesting {
  bool enabled = true;
};
struct GestureAttachment {
  std::shared_ptr<const Gesture> gesture;
  GestureMask mask = GestureMask::all;
  GesturePriority priority = GesturePriority::normal;
};
struct TapAction {
  int count = 1;
  std::function<void()> action;
};
struct CoordinateSpaceName {
  std::string name;
};

struct ExplicitId {
  ViewId id;
};
struct AppearAction {
  std::function<void()> action;
};
struct DisappearAction {
  std::function<void()> action;
};
// ChangeHook (ChangeHook.h) is a modifier too.
struct AnimationRecord {
  std::optional<Animation> animation;
  WatchedValue value;
};
struct TransitionRecord {
  Transition transition;
};

struct AccessibilityLabel {
  std::string label;
};
struct AccessibilityIdentifier {
  std::string identifier;
};
struct AccessibilityTraits {
  AccessibilityTrait trait;
};

struct Attachment {
  std::any value;
  std::string description;
};

using ModifierValue =
    std::variant<Padding, Frame, FlexibleFrame, Offset, Position, ScaleEffect, Rotation3DEffect,
                 Resizable, AspectRatio, Background, Overlay, Mask, ContextMenu, Opacity, Shadow,
                 CornerRadius, ClipShape, Clipped, CompositingGroup, Hidden, EnvironmentWrite,
                 ContentShape, AllowsHitTesting, GestureAttachment, TapAction,
                 CoordinateSpaceName, ExplicitId, AppearAction, DisappearAction, ChangeHook,
                 AnimationRecord, TransitionRecord, AccessibilityLabel, AccessibilityIdentifier,
                 AccessibilityTraits, Attachment>;

// Immutable and shared: each modifier method copies the modifiers the view
// already has, so a copy must not copy what they hold.
struct Modifier {
  Modifier(ModifierValue value)  // NOLINT: every modifier value is a Modifier
      : value(makeShared<const ModifierValue>(std::move(value))) {}

  template <class M>
  const M* as() const {
    return std::get_if<M>(value.get());
  }

  // The view of a layer modifier (background, overlay, mask, context menu).
  const View* layerContent() const;

  // One line for tree dumps: "padding(8)", "font(body)", "background".
  std::string description() const;

  std::shared_ptr<const ModifierValue> value;
};

}  // namespace platform::ui
