#include "platform/ui/DamageTracker.h"

#include <algorithm>
#include <cmath>
#include <typeinfo>

#include <cairo.h>

#include "platform/ui/Modifier.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Renderer.h"

namespace platform::ui {

namespace {

// Room for antialiasing at a shape's edge.
constexpr double edgeMargin = 1;

Rect unite(Rect a, Rect b) {
  if (a.isNull()) return b;
  if (b.isNull()) return a;
  const double x0 = std::min(a.minX(), b.minX()), y0 = std::min(a.minY(), b.minY());
  const double x1 = std::max(a.maxX(), b.maxX()), y1 = std::max(a.maxY(), b.maxY());
  return Rect(x0, y0, x1 - x0, y1 - y0);
}

bool overlap(Rect a, Rect b) {
  if (a.isNull() || b.isNull()) return false;
  return a.minX() < b.maxX() && b.minX() < a.maxX() && a.minY() < b.maxY() && b.minY() < a.maxY();
}

Rect grown(Rect rect, double by) {
  if (rect.isNull()) return rect;
  const Rect r = rect.standardized();
  return Rect(r.origin.x - by, r.origin.y - by, r.size.width + 2 * by, r.size.height + 2 * by);
}

// The box around `rect` after `matrix`.
Rect transformed(const cairo_matrix_t& matrix, Rect rect) {
  if (rect.isNull()) return rect;
  if (matrix.xx == 1 && matrix.yy == 1 && matrix.xy == 0 && matrix.yx == 0) return rect.offsetBy(matrix.x0, matrix.y0);
  double xs[4] = {rect.minX(), rect.maxX(), rect.minX(), rect.maxX()};
  double ys[4] = {rect.minY(), rect.minY(), rect.maxY(), rect.maxY()};
  for (int i = 0; i < 4; ++i) cairo_matrix_transform_point(&matrix, &xs[i], &ys[i]);
  const double x0 = *std::min_element(xs, xs + 4), x1 = *std::max_element(xs, xs + 4);
  const double y0 = *std::min_element(ys, ys + 4), y1 = *std::max_element(ys, ys + 4);
  return Rect(x0, y0, x1 - x0, y1 - y0);
}

// What the renderer reads from the environment to draw.
bool drawsAlike(const EnvironmentValues& a, const EnvironmentValues& b) {
  return a.colorScheme() == b.colorScheme() && a.resolvedForegroundColor() == b.resolvedForegroundColor() &&
         a.resolvedFont() == b.resolvedFont() && a.get(textCaseKey) == b.get(textCaseKey) &&
         a.get(lineLimitKey) == b.get(lineLimitKey) && a.get(minimumScaleFactorKey) == b.get(minimumScaleFactorKey);
}

bool sameShape(const AnyShape& a, const AnyShape& b, Rect rect) {
  if (&a.shape() == &b.shape()) return true;
  // A rounded rectangle's path follows from its corners (the other built-in
  // shapes' from the rectangle alone): two alike need not be traced.
  const std::type_info& type = typeid(a.shape());
  if (type == typeid(b.shape())) {
    if (type == typeid(RoundedRectangleShape)) {
      const auto& x = static_cast<const RoundedRectangleShape&>(a.shape());
      const auto& y = static_cast<const RoundedRectangleShape&>(b.shape());
      return x.cornerSize() == y.cornerSize() && x.style() == y.style();
    }
    if (type == typeid(RectangleShape) || type == typeid(CapsuleShape) || type == typeid(CircleShape)) return true;
  }
  return a.path(rect) == b.path(rect);
}

// Whether the content draws the same (in the same frame).
bool contentDrawsAlike(const ViewContent& before, const ViewContent& after, Rect frame) {
  if (before.index() != after.index()) return false;
  return std::visit(
      [&](const auto& a) {
        using C = std::decay_t<decltype(a)>;
        const C& b = std::get<C>(after);
        if constexpr (std::is_same_v<C, TextContent>) {
          return a.text == b.text;
        } else if constexpr (std::is_same_v<C, ImageContent>) {
          return a.image == b.image;
        } else if constexpr (std::is_same_v<C, ColorContent>) {
          return a.color == b.color;
        } else if constexpr (std::is_same_v<C, LinearGradientContent>) {
          return a.colors == b.colors && a.startPoint == b.startPoint && a.endPoint == b.endPoint;
        } else if constexpr (std::is_same_v<C, ShapeContent>) {
          return a.drawing == b.drawing && a.color == b.color && a.fillStyle == b.fillStyle &&
                 a.strokeStyle == b.strokeStyle && sameShape(a.shape, b.shape, frame);
        } else {
          return true;  // draws nothing of its own: its children and layers are nodes
        }
      },
      before);
}

// Whether a modifier changes drawing the same way (in the same frames).
bool effectDrawsAlike(const Modifier& before, const Modifier& after, Rect frame) {
  if (before.value == after.value) return true;
  if (before.value->index() != after.value->index()) return false;
  if (auto* a = before.as<Opacity>()) return a->value == after.as<Opacity>()->value;
  if (auto* a = before.as<Shadow>()) {
    auto* b = after.as<Shadow>();
    return a->color == b->color && a->radius == b->radius && a->x == b->x && a->y == b->y;
  }
  if (auto* a = before.as<CornerRadius>()) {
    return a->radius == after.as<CornerRadius>()->radius && a->antialiased == after.as<CornerRadius>()->antialiased;
  }
  if (auto* a = before.as<ClipShape>()) {
    auto* b = after.as<ClipShape>();
    return a->style == b->style && sameShape(a->shape, b->shape, frame);
  }
  if (auto* a = before.as<ScaleEffect>()) {
    auto* b = after.as<ScaleEffect>();
    return a->scale == b->scale && a->anchor == b->anchor;
  }
  if (auto* a = before.as<Rotation3DEffect>()) {
    auto* b = after.as<Rotation3DEffect>();
    return a->angle.radians() == b->angle.radians() && a->axisX == b->axisX && a->axisY == b->axisY &&
           a->axisZ == b->axisZ && a->anchor == b->anchor;
  }
  return true;  // laid out (frames are compared) or not drawn
}

bool effectsDrawAlike(const ViewDefinition& before, const ViewDefinition& after, const Node& node) {
  if (before.modifiers.size() != after.modifiers.size()) return false;
  for (std::size_t i = 0; i < before.modifiers.size(); ++i) {
    if (!effectDrawsAlike(before.modifiers[i], after.modifiers[i], node.frameAt(i))) return false;
  }
  return true;
}

bool sameFrames(const std::vector<Rect>& frames, const Node& node) {
  if (frames.size() != node.levelFrames.size() + 1 || frames[0] != node.contentFrame) return false;
  return std::equal(node.levelFrames.begin(), node.levelFrames.end(), frames.begin() + 1);
}

// The box around a path's points, control points and arcs' circles: the
// curves stay inside it.
Rect pathBounds(const Path& path) {
  Rect bounds = Rect::null();
  const auto add = [&bounds](Point point) { bounds = unite(bounds, Rect(point.x, point.y, 0, 0)); };
  for (const auto& element : path.elements()) {
    switch (element.kind) {
      case PathElement::Kind::curve:
        add(element.control2);
        [[fallthrough]];
      case PathElement::Kind::quadCurve:
        add(element.control1);
        [[fallthrough]];
      case PathElement::Kind::move:
      case PathElement::Kind::line:
        add(element.to);
        break;
      case PathElement::Kind::arc:
        bounds = unite(bounds, Rect(element.center.x - element.radius, element.center.y - element.radius,
                                    2 * element.radius, 2 * element.radius));
        break;
      case PathElement::Kind::close:
        break;
    }
  }
  return bounds;
}

// Where a text may put ink: it is drawn from its frame's leading edge,
// centred on the frame's middle, at its measured size or shrunk; a cut text
// ends in an ellipsis that may be wider than the frame. Glyphs overhang
// their line by up to half the font's size.
Rect textInk(const Node& node) {
  const Rect frame = node.contentFrame;
  const Font font = node.resolvedFont();
  const Size size = PangoTextMetrics::shared()->measure(drawnText(node), font);
  const double right = std::max({frame.size.width, size.width, font.pointSize()});
  const double top = std::min(0.0, (frame.size.height - size.height) / 2);
  const double bottom = std::max(frame.size.height, (frame.size.height + size.height) / 2);
  return grown(Rect(frame.origin.x, frame.origin.y + top, right, bottom - top), font.pointSize() / 2 + edgeMargin);
}

// Where a shape may put ink: its path (a callout's reaches out of its
// frame), and for a stroke half the line and its mitred corners beyond.
Rect shapeInk(const Node& node) {
  const auto& shape = *node.content<ShapeContent>();
  const Rect frame = node.contentFrame;
  if (frame.isNull()) return frame;
  const StrokeStyle& stroke = shape.strokeStyle;
  Rect rect = frame;
  if (shape.drawing == ShapeDrawing::strokeBorder) rect = frame.insetBy(stroke.lineWidth / 2, stroke.lineWidth / 2);
  Rect ink = unite(frame, rect.isNull() ? Rect::null() : pathBounds(shape.shape.path(rect)));
  if (shape.drawing != ShapeDrawing::fill) {
    const double miter = stroke.lineJoin == LineJoin::miter ? std::max(1.0, stroke.miterLimit) : 1.0;
    ink = grown(ink, stroke.lineWidth / 2 * miter);
  }
  return grown(ink, edgeMargin);
}

// Where a node's own content may put ink, in its own coordinates.
Rect contentInk(const Node& node) {
  switch (node.kind()) {
    case NodeKind::text:
      return textInk(node);
    case NodeKind::image:
      return grown(node.contentFrame, node.resolvedFont().pointSize() / 2 + edgeMargin);
    case NodeKind::shape:
      return shapeInk(node);
    default:
      return grown(node.contentFrame, edgeMargin);
  }
}

// How much `matrix` enlarges lengths at most.
double enlargement(const cairo_matrix_t& matrix) {
  if (matrix.xx == 1 && matrix.yy == 1 && matrix.xy == 0 && matrix.yx == 0) return 1;
  return std::max(std::hypot(matrix.xx, matrix.yx), std::hypot(matrix.xy, matrix.yy));
}

bool drawsOwnContent(NodeKind kind) {
  switch (kind) {
    case NodeKind::text:
    case NodeKind::image:
    case NodeKind::color:
    case NodeKind::linearGradient:
    case NodeKind::shape:
    case NodeKind::divider:
      return true;
    default:
      return false;
  }
}

}  // namespace

// What the ancestors do to a node's drawing: move or turn it, and spread it
// by their shadows.
struct DamageTracker::Walk {
  cairo_matrix_t matrix;
  double spread = 0;
};

void DamageTracker::beginFrame() {
  // The slots of the frame before last are written over: their vectors
  // keep their room.
  std::swap(records_, previous_);
  previousCount_ = count_;
  count_ = 0;
  cursor_ = 0;
  damage_.clear();
  touching_.clear();
  shadowReach_ = 0;
  glyphReach_ = 0;
}

void DamageTracker::addTree(const Node& root, Point offset) {
  Walk walk;
  cairo_matrix_init_translate(&walk.matrix, offset.x, offset.y);
  visit(root, walk);
}

void DamageTracker::reset() {
  records_.clear();
  previous_.clear();
  count_ = 0;
  previousCount_ = 0;
}

DamageTracker::Record* DamageTracker::previous(const Node& node) {
  // The trees keep their order between frames: the node is the next record,
  // or a little further when nodes came before it. A node not found near
  // there counts as new, and its old record as gone: both places damaged.
  constexpr std::size_t searched = 64;
  for (std::size_t i = cursor_; i < previousCount_ && i < cursor_ + searched; ++i) {
    if (previous_[i].node.get() == &node && !previous_[i].seen) {
      cursor_ = i + 1;
      return &previous_[i];
    }
  }
  return nullptr;
}

void DamageTracker::addDamage(Rect rect) {
  if (!rect.isNull() && !rect.isEmpty()) damage_.push_back(rect);
}

Rect DamageTracker::visit(const Node& node, Walk& walk) {
  const std::size_t index = count_++;
  if (index == records_.size()) records_.emplace_back();
  Record* old = previous(node);
  if (old) old->seen = true;

  // The node's modifiers, outermost first, as the renderer applies them.
  Walk inner = walk;
  const auto& modifiers = node.modifiers();
  Rect subtree = Rect::null();
  bool drawn = true;
  for (std::size_t level = modifiers.size(); level-- > 0 && drawn;) {
    const Modifier& m = modifiers[level];
    if (m.as<Hidden>()) {
      drawn = false;
    } else if (auto* opacity = m.as<Opacity>()) {
      drawn = opacity->value > 0;
    } else if (m.layerContent() && !m.as<ContextMenu>()) {
      if (auto layer = node.layer(level)) subtree = unite(subtree, visit(*layer, inner));
    } else if (auto* shadow = m.as<Shadow>()) {
      inner.spread += shadow->radius / 2 + std::abs(shadow->x) + std::abs(shadow->y);
      shadowReach_ = std::max(shadowReach_, inner.spread * enlargement(inner.matrix));
    } else if (auto* scale = m.as<ScaleEffect>()) {
      if (scale->scale.width == 0 || scale->scale.height == 0) {
        drawn = false;
      } else {
        const Rect frame = node.frameAt(level);
        const double ax = frame.origin.x + frame.size.width * scale->anchor.x;
        const double ay = frame.origin.y + frame.size.height * scale->anchor.y;
        cairo_matrix_translate(&inner.matrix, ax, ay);
        cairo_matrix_scale(&inner.matrix, scale->scale.width, scale->scale.height);
        cairo_matrix_translate(&inner.matrix, -ax, -ay);
      }
    } else if (auto* rotation = m.as<Rotation3DEffect>()) {
      // Any turn: the box around the frame turned any way, about its anchor.
      const Rect frame = node.frameAt(level);
      const double ax = frame.origin.x + frame.size.width * rotation->anchor.x;
      const double ay = frame.origin.y + frame.size.height * rotation->anchor.y;
      cairo_matrix_translate(&inner.matrix, ax, ay);
      cairo_matrix_rotate(&inner.matrix, rotation->angle.radians());
      cairo_matrix_translate(&inner.matrix, -ax, -ay);
      inner.spread += std::hypot(frame.size.width, frame.size.height);
    }
  }
  // The content's ink is measured again only when the node was evaluated
  // again or moved.
  const bool framesAlike = old && sameFrames(old->frames, node);
  const bool sameNode = framesAlike && old->evaluationCount == node.evaluationCount();
  Rect ink = Rect::null();
  if (drawn && drawsOwnContent(node.kind())) ink = sameNode && !old->ink.isNull() ? old->ink : contentInk(node);
  const bool glyphs = drawn && (node.kind() == NodeKind::text || node.kind() == NodeKind::image);
  // The font, like the ink, is read again only from a node evaluated again.
  double fontSize = 0;
  if (glyphs) {
    fontSize = sameNode && old->fontSize > 0 ? old->fontSize : node.resolvedFont().pointSize();
    glyphReach_ = std::max(glyphReach_, 2 * fontSize * enlargement(inner.matrix));
  }
  const Rect own = transformed(inner.matrix, grown(ink, inner.spread));
  subtree = unite(subtree, own);
  if (drawn && (node.kind() == NodeKind::scrollView || !drawsOwnContent(node.kind()))) {
    for (const auto& child : node.children()) {
      if (child->role() == NodeRole::content) subtree = unite(subtree, visit(*child, inner));
    }
  }

  // Compared with the last frame: its content, then its effects and frames.
  bool contentChanged = true;
  bool effectsChanged = true;
  if (old) {
    effectsChanged = !framesAlike;
    contentChanged = false;
    if (!effectsChanged && old->evaluationCount != node.evaluationCount()) {
      const ViewDefinition& before = old->view.definition();
      const ViewDefinition& after = node.definition();
      const bool environmentAlike = drawsAlike(old->environment, node.environment());
      effectsChanged = !environmentAlike || !effectsDrawAlike(before, after, node);
      contentChanged = !contentDrawsAlike(before.content, after.content, node.contentFrame);
    }
  }
  if (!old) {
    addDamage(own);
  } else if (effectsChanged) {
    addDamage(unite(old->subtree, subtree));
  } else if (contentChanged || old->own != own) {
    addDamage(unite(old->own, own));
  }

  Record& record = records_[index];
  // A slot that held this node at the same evaluation holds its view already.
  if (record.node.get() != &node || record.evaluationCount != node.evaluationCount()) {
    record.node = node.shared_from_this();
    record.view = node.view();
    record.environment = node.environment();
    record.evaluationCount = node.evaluationCount();
  }
  record.frames.clear();
  record.frames.push_back(node.contentFrame);
  record.frames.insert(record.frames.end(), node.levelFrames.begin(), node.levelFrames.end());
  record.ink = ink;
  record.glyphs = glyphs;
  record.fontSize = fontSize;
  record.own = own;
  record.subtree = subtree;
  record.seen = false;
  return subtree;
}

void DamageTracker::endFrame() {
  for (std::size_t i = 0; i < previousCount_; ++i) {
    if (!previous_[i].seen) addDamage(previous_[i].own);
  }
  // Nothing older than the last frame is held.
  records_.resize(count_);
}

Rect DamageTracker::withGlyphsReaching(Rect area) const {
  Rect result = area;
  for (std::size_t i = 0; i < count_; ++i) {
    if (records_[i].glyphs && overlap(area, records_[i].own)) result = unite(result, records_[i].own);
  }
  return result;
}

void DamageTracker::selectNodesDrawingInto(Rect area) {
  touching_.clear();
  for (std::size_t i = 0; i < count_; ++i) {
    const Record& record = records_[i];
    if (overlap(area, record.subtree)) touching_.insert(record.node.get());
  }
}

}  // namespace platform::ui
