#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/input/Responder.h"
#include "platform/input/TraitCollection.h"
#include "platform/input/View.h"

namespace platform {

// A platform view controller: it owns a view, created on first access, and
// may contain child controllers. The lifecycle hooks are virtual and do
// nothing here; the platform (the simulated host) calls them in its order
// through the drive* operations below.
class ViewController : public Responder {
 public:
  ViewController() = default;
  ~ViewController() override;
  ViewController(const ViewController&) = delete;
  ViewController& operator=(const ViewController&) = delete;

  // The view, loaded on first access: loadView() and then viewDidLoad().
  std::shared_ptr<View> view();
  std::shared_ptr<View> viewIfLoaded() const { return view_; }
  bool isViewLoaded() const { return view_ != nullptr; }

  // Lifecycle hooks.
  // Makes a plain view with an empty frame; an override calls setView().
  virtual void loadView();
  virtual void viewDidLoad() {}
  virtual void viewWillAppear(bool /*animated*/) {}
  virtual void viewDidAppear(bool /*animated*/) {}
  virtual void viewWillDisappear(bool /*animated*/) {}
  virtual void viewDidDisappear(bool /*animated*/) {}
  virtual void viewWillLayoutSubviews() {}
  virtual void viewDidLayoutSubviews() {}
  virtual void updateViewConstraints() {}
  virtual void viewWillTransitionToSize(Size /*size*/) {}
  virtual void traitCollectionDidChange(const TraitCollection& /*previous*/) {}

  TraitCollection traitCollection() const { return traitCollection_; }

  // Containment. children() is a copy, so it may be walked while changing.
  std::vector<std::shared_ptr<ViewController>> children() const { return children_; }
  ViewController* parent() const { return parent_; }
  // Calls willMoveToParent(this) on the child first, as the platform does.
  void addChild(const std::shared_ptr<ViewController>& child);
  // Calls didMoveToParent(nullptr) after leaving, as the platform does.
  void removeFromParent();
  virtual void willMoveToParent(ViewController* /*parent*/) {}
  virtual void didMoveToParent(ViewController* /*parent*/) {}

  // Platform side: run the hooks in the platform's order, forwarding to the
  // children present at that moment.
  void driveWillAppear(bool animated);
  void driveDidAppear(bool animated);
  void driveWillDisappear(bool animated);
  void driveDidDisappear(bool animated);
  // viewWillLayoutSubviews, the view tree's layout, the children's passes,
  // then viewDidLayoutSubviews.
  void driveLayout();
  // Stores the collection here and in the children. A change of a collection
  // given before calls traitCollectionDidChange with the previous one; the
  // first collection is stored silently.
  void driveTraitCollection(TraitCollection traits);

  // The parent controller continues the responder chain.
  std::shared_ptr<Responder> nextResponder() const override;

 protected:
  // The view loadView() made.
  void setView(std::shared_ptr<View> view) { view_ = std::move(view); }
  // This controller as an owning pointer, for the responder chain of its
  // children; none unless a shared-owned subclass provides it.
  virtual std::shared_ptr<Responder> sharedResponder() const { return nullptr; }

 private:
  std::shared_ptr<View> view_;
  ViewController* parent_ = nullptr;  // cleared by the parent when it lets go
  std::vector<std::shared_ptr<ViewController>> children_;
  TraitCollection traitCollection_;
  bool hasTraitCollection_ = false;
};

}  // namespace platform
