#pragma once

#include <memory>
#include <optional>

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
  // As tall as the tree answers when offered `target`. The last target asked
  // is remembered: whenever the tree's answer may have changed since (other
  // views, other text measuring, or the same views grown or shrunk: a turn,
  // new traits), it is asked again, and the window is told when it changed.
  Size systemLayoutSizeFitting(Size target) override;
  // Off screen, the tree's touches are cancelled and its menu closes.
  void didMoveToWindow() override;

 private:
  explicit HostingView(ui::View rootView);

  // After an update: asks the tree again at the remembered target where its
  // answer may have changed, and tells the window when it did.
  void remeasure();
  void remember(Size target, double height);

  ViewHost host_;
  // What the tree last answered, to which target, and what it was measured
  // with: the tree's structure and text measuring.
  struct Fitting {
    Size target;
    double height = 0;
    std::size_t structure = 0;
    const FontMetrics* metrics = nullptr;
  };
  std::optional<Fitting> fitting_;
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
