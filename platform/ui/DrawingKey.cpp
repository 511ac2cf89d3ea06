#include "platform/ui/DrawingKey.h"

#include <cstring>
#include <type_traits>
#include <typeinfo>

#include "platform/ui/Modifier.h"

namespace platform::ui {

namespace {

class KeyWriter {
 public:
  KeyWriter() { key_.reserve(4096); }

  template <class T>
    requires std::is_arithmetic_v<T> || std::is_enum_v<T>
  void add(T value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    key_.append(bytes, sizeof(T));
  }
  void add(const std::string& text) {
    add(text.size());
    key_ += text;
  }
  void add(Point point) {
    add(point.x);
    add(point.y);
  }
  void add(Rect rect) {
    add(rect.origin);
    add(rect.size.width);
    add(rect.size.height);
  }
  void add(const Rgba& color) {
    add(color.red);
    add(color.green);
    add(color.blue);
    add(color.alpha);
  }
  void add(const Path& path) {
    add(path.elements().size());
    for (const auto& element : path.elements()) {
      add(element.kind);
      add(element.to);
      add(element.control1);
      add(element.control2);
      add(element.center);
      add(element.radius);
      add(element.startAngle.radians());
      add(element.endAngle.radians());
      add(element.clockwise);
    }
  }
  void add(const Font& font) {
    add(font.kind());
    add(font.name().value_or(""));
    add(font.pointSize());
    add(font.textStyle() ? static_cast<int>(*font.textStyle()) : -1);
    add(static_cast<int>(font.effectiveWeight()));
    add(font.design());
    add(font.isItalic());
  }
  // A built-in shape is known by its kind and corners (the rectangle it
  // fills is in the key already); any other by the path it traces there.
  void add(const AnyShape& shape, Rect rect) {
    const std::type_info& type = typeid(shape.shape());
    if (type == typeid(RoundedRectangleShape)) {
      const auto& rounded = static_cast<const RoundedRectangleShape&>(shape.shape());
      add(1);
      add(rounded.cornerSize().width);
      add(rounded.cornerSize().height);
      add(rounded.style());
    } else if (type == typeid(RectangleShape)) {
      add(2);
    } else if (type == typeid(CapsuleShape)) {
      add(3);
    } else if (type == typeid(CircleShape)) {
      add(4);
    } else {
      add(0);
      add(shape.path(rect));
    }
  }
  void add(const StrokeStyle& stroke) {
    add(stroke.lineWidth);
    add(stroke.lineCap);
    add(stroke.lineJoin);
    add(stroke.miterLimit);
    add(stroke.dash.size());
    for (double dash : stroke.dash) add(dash);
    add(stroke.dashPhase);
  }

  std::string take() { return std::move(key_); }

 private:
  std::string key_;
};

bool describe(const Node& node, std::size_t levels, KeyWriter& key);

bool describeLayer(const Node& node, std::size_t index, KeyWriter& key) {
  auto layer = node.layer(index);
  key.add(layer != nullptr);
  return !layer || describe(*layer, layer->modifiers().size(), key);
}

bool describeModifier(const Node& node, std::size_t index, KeyWriter& key) {
  const Modifier& m = node.modifiers()[index];
  const ColorScheme scheme = node.colorScheme();
  key.add(m.value->index());
  key.add(node.frameAt(index));
  if (auto* opacity = m.as<Opacity>()) {
    key.add(opacity->value);
  } else if (auto* shadow = m.as<Shadow>()) {
    key.add(shadow->color.resolved(scheme));
    key.add(shadow->radius);
    key.add(shadow->x);
    key.add(shadow->y);
  } else if (auto* corner = m.as<CornerRadius>()) {
    key.add(corner->radius);
  } else if (auto* clip = m.as<ClipShape>()) {
    key.add(clip->shape, node.frameAt(index));
    key.add(clip->style.evenOdd);
  } else if (auto* scale = m.as<ScaleEffect>()) {
    key.add(scale->scale.width);
    key.add(scale->scale.height);
    key.add(scale->anchor.x);
    key.add(scale->anchor.y);
  } else if (auto* rotation = m.as<Rotation3DEffect>()) {
    key.add(rotation->angle.radians());
    key.add(rotation->axisX);
    key.add(rotation->axisY);
    key.add(rotation->axisZ);
    key.add(rotation->anchor.x);
    key.add(rotation->anchor.y);
  } else if (m.layerContent() && !m.as<ContextMenu>()) {
    return describeLayer(node, index, key);
  }
  return true;
}

bool describeContent(const Node& node, KeyWriter& key) {
  const EnvironmentValues& environment = node.environment();
  const ColorScheme scheme = node.colorScheme();
  key.add(node.kind());
  key.add(node.contentFrame);
  key.add(scheme);
  key.add(node.resolvedForegroundColor().resolved(scheme));
  key.add(node.resolvedFont());
  key.add(environment.get(textCaseKey) ? static_cast<int>(*environment.get(textCaseKey)) : -1);
  key.add(environment.get(lineLimitKey).value_or(-1));
  key.add(environment.get(minimumScaleFactorKey));
  const ViewContent& content = node.definition().content;
  if (auto* text = std::get_if<TextContent>(&content)) {
    key.add(text->text);
  } else if (auto* image = std::get_if<ImageContent>(&content)) {
    if (image->image.source() == Image::Source::data) return false;
    key.add(image->image.source());
    key.add(image->image.name());
  } else if (auto* color = std::get_if<ColorContent>(&content)) {
    key.add(color->color.resolved(scheme));
  } else if (auto* gradient = std::get_if<LinearGradientContent>(&content)) {
    key.add(gradient->colors.size());
    for (const auto& stop : gradient->colors) key.add(stop.resolved(scheme));
    key.add(gradient->startPoint.x);
    key.add(gradient->startPoint.y);
    key.add(gradient->endPoint.x);
    key.add(gradient->endPoint.y);
  } else if (auto* shape = std::get_if<ShapeContent>(&content)) {
    key.add(shape->drawing);
    key.add(shape->color ? shape->color->resolved(scheme) : Rgba{-1, -1, -1, -1});
    key.add(shape->fillStyle.evenOdd);
    key.add(shape->strokeStyle);
    key.add(shape->shape, node.contentFrame);
  } else if (std::holds_alternative<RepresentableContent>(content)) {
    return false;
  }
  for (const auto& child : node.children()) {
    if (child->role() != NodeRole::content) continue;
    if (!describe(*child, child->modifiers().size(), key)) return false;
  }
  return true;
}

bool describe(const Node& node, std::size_t levels, KeyWriter& key) {
  key.add(levels);
  for (std::size_t index = levels; index-- > 0;) {
    if (!describeModifier(node, index, key)) return false;
  }
  return describeContent(node, key);
}

}  // namespace

std::optional<std::string> drawingKey(const Node& node, std::size_t levels) {
  KeyWriter key;
  if (!describe(node, levels, key)) return std::nullopt;
  return key.take();
}

}  // namespace platform::ui
