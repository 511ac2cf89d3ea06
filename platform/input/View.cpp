#include "platform/input/View.h"

#include <algorithm>

namespace platform {

namespace {

// The value of `attribute` of `view`, in the coordinates of `container`, which
// is the view itself or its superview. Absent for any other view.
std::optional<double> attributeValue(const View& view, LayoutAttribute attribute, const View& container) {
  Rect rect;
  if (&view == &container) {
    rect = container.bounds();
  } else if (view.superview() == &container) {
    rect = view.frame();
  } else {
    return std::nullopt;
  }
  switch (attribute) {
    case LayoutAttribute::leading:
      return rect.minX();
    case LayoutAttribute::trailing:
      return rect.maxX();
    case LayoutAttribute::top:
      return rect.minY();
    case LayoutAttribute::bottom:
      return rect.maxY();
    case LayoutAttribute::width:
      return rect.width();
    case LayoutAttribute::height:
      return rect.height();
  }
  return std::nullopt;
}

// Solves one axis from whichever of start, end and length are constrained.
void solveAxis(std::optional<double> start, std::optional<double> end, std::optional<double> length,
               double& origin, double& size) {
  if (start && end) {
    origin = *start;
    size = *end - *start;
  } else if (start && length) {
    origin = *start;
    size = *length;
  } else if (end && length) {
    origin = *end - *length;
    size = *length;
  } else if (start) {
    origin = *start;
  } else if (end) {
    origin = *end - size;
  } else if (length) {
    size = *length;
  }
}

void notifyMovedToWindow(View& view) {
  view.didMoveToWindow();
  for (const auto& subview : view.subviews()) notifyMovedToWindow(*subview);
}

}  // namespace

std::shared_ptr<View> View::make(Rect frame) { return std::shared_ptr<View>(new View(frame)); }

View::~View() {
  for (const auto& subview : subviews_) {
    if (subview->superview_ == this) subview->superview_ = nullptr;
  }
}

void View::setFrame(Rect frame) {
  if (frame.size != frame_.size) needsLayout_ = true;
  frame_ = frame;
}

void View::addSubview(const std::shared_ptr<View>& view) {
  if (!view || view.get() == this) return;
  // Keep the view alive while it moves between superviews.
  auto keep = view;
  if (view->superview_ == this) {
    subviews_.erase(std::find(subviews_.begin(), subviews_.end(), view));
  } else {
    view->removeFromSuperview();
  }
  subviews_.push_back(view);
  view->superview_ = this;
  needsLayout_ = true;
}

void View::removeFromSuperview() {
  View* parent = superview_;
  if (!parent) return;
  superview_ = nullptr;
  auto& siblings = parent->subviews_;
  auto it = std::find_if(siblings.begin(), siblings.end(), [this](const auto& v) { return v.get() == this; });
  if (it != siblings.end()) {
    // The superview's constraints on this view leave with it, as the
    // platform's do, so repeated add and remove cycles do not pile them up.
    std::erase_if(parent->constraints_, [this](const LayoutConstraint& c) {
      return c.first.lock().get() == this || c.second.lock().get() == this;
    });
    // Erasing may release the last owner of this view: nothing of it is used after.
    auto keep = *it;
    siblings.erase(it);
    parent->needsLayout_ = true;
  }
}

bool View::isDescendant(const View& ancestor) const {
  for (const View* view = this; view; view = view->superview_) {
    if (view == &ancestor) return true;
  }
  return false;
}

std::shared_ptr<Window> View::window() const {
  const View* root = this;
  while (root->superview_) root = root->superview_;
  return root->window_;
}

Size View::systemLayoutSizeFitting(Size target) {
  auto pinned = [this](const View& subview, LayoutAttribute edge) {
    return std::any_of(constraints_.begin(), constraints_.end(), [&](const LayoutConstraint& c) {
      return c.first.lock().get() == &subview && c.firstAttribute == edge && c.second.lock().get() == this &&
             c.secondAttribute == edge && c.constant == 0;
    });
  };
  std::optional<double> height;
  for (const auto& subview : subviews_) {
    if (!pinned(*subview, LayoutAttribute::top) || !pinned(*subview, LayoutAttribute::bottom)) continue;
    height = std::max(height.value_or(0.0), subview->systemLayoutSizeFitting(target).height);
  }
  return Size{target.width, height.value_or(target.height)};
}

void View::invalidateIntrinsicContentSize() const {
  if (auto shown = window()) shown->contentSizeDidChange();
}

void View::setWindow(std::shared_ptr<Window> window) {
  if (window_ == window) return;
  window_ = std::move(window);
  notifyMovedToWindow(*this);
}

void View::addConstraint(LayoutConstraint constraint) {
  constraints_.push_back(std::move(constraint));
  needsLayout_ = true;
}

void View::layoutSubviews() {
  for (const auto& subview : subviews_) {
    std::optional<double> values[6];
    bool constrained = false;
    for (const auto& constraint : constraints_) {
      auto first = constraint.first.lock();
      auto second = constraint.second.lock();
      if (first != subview || !second) continue;
      auto reference = attributeValue(*second, constraint.secondAttribute, *this);
      if (!reference) continue;
      values[static_cast<int>(constraint.firstAttribute)] = *reference + constraint.constant;
      constrained = true;
    }
    if (!constrained) continue;
    Rect frame = subview->frame();
    solveAxis(values[static_cast<int>(LayoutAttribute::leading)], values[static_cast<int>(LayoutAttribute::trailing)],
              values[static_cast<int>(LayoutAttribute::width)], frame.origin.x, frame.size.width);
    solveAxis(values[static_cast<int>(LayoutAttribute::top)], values[static_cast<int>(LayoutAttribute::bottom)],
              values[static_cast<int>(LayoutAttribute::height)], frame.origin.y, frame.size.height);
    subview->setFrame(frame);
  }
}

void View::layoutIfNeeded() {
  if (needsLayout_) {
    needsLayout_ = false;
    ++layoutCount_;
    layoutSubviews();
  }
  for (const auto& subview : subviews()) subview->layoutIfNeeded();
}

std::shared_ptr<Responder> View::nextResponder() const {
  if (!superview_) return nullptr;
  return superview_->shared_from_this();
}

}  // namespace platform
