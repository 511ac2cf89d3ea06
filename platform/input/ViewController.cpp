#include "platform/input/ViewController.h"

#include <algorithm>

namespace platform {

ViewController::~ViewController() {
  for (const auto& child : children_) {
    if (child->parent_ == this) child->parent_ = nullptr;
  }
}

std::shared_ptr<View> ViewController::view() {
  if (!view_) {
    loadView();
    if (!view_) view_ = View::make();
    viewDidLoad();
  }
  return view_;
}

void ViewController::loadView() { view_ = View::make(); }

void ViewController::addChild(const std::shared_ptr<ViewController>& child) {
  if (!child || child.get() == this || child->parent_ == this) return;
  auto keep = child;
  child->removeFromParent();
  child->willMoveToParent(this);
  children_.push_back(child);
  child->parent_ = this;
}

void ViewController::removeFromParent() {
  ViewController* parent = parent_;
  if (!parent) return;
  parent_ = nullptr;
  auto& siblings = parent->children_;
  auto it = std::find_if(siblings.begin(), siblings.end(), [this](const auto& c) { return c.get() == this; });
  if (it == siblings.end()) return;
  // The parent's list may hold the last owner: keep this alive until done.
  auto keep = *it;
  siblings.erase(it);
  didMoveToParent(nullptr);
}

void ViewController::driveWillAppear(bool animated) {
  view();
  viewWillAppear(animated);
  for (const auto& child : children()) child->driveWillAppear(animated);
}

void ViewController::driveDidAppear(bool animated) {
  viewDidAppear(animated);
  for (const auto& child : children()) child->driveDidAppear(animated);
}

void ViewController::driveWillDisappear(bool animated) {
  viewWillDisappear(animated);
  for (const auto& child : children()) child->driveWillDisappear(animated);
}

void ViewController::driveDidDisappear(bool animated) {
  viewDidDisappear(animated);
  for (const auto& child : children()) child->driveDidDisappear(animated);
}

void ViewController::driveLayout() {
  auto root = view();
  viewWillLayoutSubviews();
  root->setNeedsLayout();
  root->layoutIfNeeded();
  for (const auto& child : children()) child->driveLayout();
  viewDidLayoutSubviews();
}

void ViewController::driveTraitCollection(TraitCollection traits) {
  const TraitCollection previous = traitCollection_;
  const bool changed = hasTraitCollection_ && traits != traitCollection_;
  traitCollection_ = traits;
  hasTraitCollection_ = true;
  for (const auto& child : children()) child->driveTraitCollection(traits);
  if (changed) traitCollectionDidChange(previous);
}

std::shared_ptr<Responder> ViewController::nextResponder() const {
  if (!parent_) return nullptr;
  return parent_->sharedResponder();
}

}  // namespace platform
