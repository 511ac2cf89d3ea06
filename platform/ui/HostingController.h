#pragma once

#include <memory>

#include "platform/input/View.h"
#include "platform/input/ViewController.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewHost.h"

namespace platform::ui {

// A platform view that shows one declarative view tree: it owns the tree's
// host and lays the tree out in its bounds whenever it is laid out itself.
class HostingView : public platform::View {
 public:
  static std::shared_ptr<HostingView> make(ui::View rootView);

  ViewHost& host() { return host_; }
  const ViewHost& host() const { return host_; }

  void layoutSubviews() override;
  // As tall as the tree answers when offered `target`.
  Size systemLayoutSizeFitting(Size target) override;
  // Off screen, the tree's touches are cancelled and its menu closes.
  void didMoveToWindow() override;

 private:
  explicit HostingView(ui::View rootView);

  ViewHost host_;
  // The tree's structure when its window was last told of its size.
  std::size_t announcedStructure_ = 0;
};

// A view controller whose view is a HostingView of its root view. Always
// owned by std::shared_ptr.
class HostingController : public platform::ViewController, public std::enable_shared_from_this<HostingController> {
 public:
  explicit HostingController(View rootView);
  ~HostingController() override;

  const View& rootView() const { return rootView_; }
  // Replaces the hosted tree's root once the view is loaded.
  void setRootView(View rootView);

  // The hosting view, loading it when needed.
  std::shared_ptr<HostingView> hostingView();
  // The hosted tree, loading the view when needed.
  ViewHost& viewHost() { return hostingView()->host(); }

  void loadView() override;

 protected:
  std::shared_ptr<Responder> sharedResponder() const override;

 private:
  View rootView_;
};

}  // namespace platform::ui
