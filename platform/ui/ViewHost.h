#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/FontMetrics.h"
#include "platform/ui/HitTest.h"
#include "platform/ui/Layout.h"
#include "platform/ui/Node.h"

namespace platform::ui {

class ViewTree;
class TouchPipeline;

// Owns one view tree: evaluates the root view, re-evaluates what changed
// (coalesced on the main queue), lays it out, delivers touches to it and lets
// tests look inside. Rendering is in Renderer.h.
//
//   ViewHost host(Keyboard{context});
//   host.layout(Size{390, 216});          // and again after every update
//   context->locale.set(...);            // an observed change
//   MainQueue::main().runUntilIdle();    // one re-evaluation (and layout)
//   auto touch = host.touches().down({20, 30});
//   host.touches().up(touch);
class ViewHost {
 public:
  explicit ViewHost(View rootView, EnvironmentValues environment = {});
  ~ViewHost();
  ViewHost(const ViewHost&) = delete;
  ViewHost& operator=(const ViewHost&) = delete;

  // Replaces the root view; a root of the same type and id keeps its state.
  void setRootView(View rootView);
  // The environment the root sees; replacing it re-evaluates everything now.
  const EnvironmentValues& environment() const;
  void setEnvironment(EnvironmentValues environment);

  // Re-evaluates dirty views now instead of on the main queue.
  void update();
  bool needsUpdate() const;
  bool isUpdateScheduled() const;
  std::size_t updateCount() const;
  // See ViewTree::structureVersion.
  std::size_t structureVersion() const;
  bool reachedRoundLimit() const;

  std::shared_ptr<Node> root() const;
  // Called after every update that evaluated something (and after the first
  // evaluation, when set before it), e.g. to redraw. Once the host has been
  // laid out, the layout is redone before this runs.
  void setDidUpdate(std::function<void()> didUpdate);

  // --- Layout -------------------------------------------------------------
  // Lays the tree out in `bounds` (host coordinates) now and after every
  // later update. GeometryReaders whose size changed are evaluated again
  // and the layout redone, a few rounds at most.
  void layout(Rect bounds);
  void layout(Size size) { layout(Rect(Point{}, size)); }
  // The bounds of the last layout, if any.
  std::optional<Rect> layoutBounds() const { return bounds_; }
  // Lays out again in the same bounds (nothing before the first layout).
  void relayout();
  // What the tree answers when offered `proposal`, measured with the host's
  // metrics; it places nothing and leaves the last layout as it was.
  Size sizeThatFits(ProposedSize proposal) const;
  // Layout after an update measures and places only what changed, reusing
  // the rest of the last pass; turned off, every pass is a full one (the
  // frames are the same either way).
  void setIncrementalLayout(bool incremental);
  // How text is measured; at first the default below. Other metrics lay
  // everything out anew and count as an update (setDidUpdate).
  void setFontMetrics(std::shared_ptr<const FontMetrics> metrics);
  const FontMetrics& fontMetrics() const;
  // How hosts made from now on measure text: the fixed metric unless set (a
  // program that draws with the renderer's fonts sets those, so its trees
  // are measured as they are drawn from the start). Null sets the fixed one.
  static void setDefaultFontMetrics(std::shared_ptr<const FontMetrics> metrics);

  // --- Touches --------------------------------------------------------------
  // The view under `point` and its ancestors (see HitTest.h).
  std::vector<HitLink> hitTest(Point point) const;
  // Delivers touches to the views' gestures and buttons.
  TouchPipeline& touches();

  // Searches over the whole tree (see Node).
  std::vector<std::shared_ptr<Node>> findAll(NodeKind kind) const;
  std::vector<std::shared_ptr<Node>> findAll(const std::function<bool(const Node&)>& match) const;
  std::shared_ptr<Node> find(const std::function<bool(const Node&)>& match) const;
  std::shared_ptr<Node> findText(std::string_view text) const;
  std::shared_ptr<Node> findByAccessibilityIdentifier(std::string_view identifier) const;
  template <class T>
  std::shared_ptr<Node> findAttached(const T& value) const {
    return root()->findAttached(value);
  }
  template <class T>
  std::vector<std::shared_ptr<Node>> findAllOfType() const {
    return root()->findAllOfType<T>();
  }

  std::string dump(const DumpOptions& options = {}) const;

  // --- Menus ------------------------------------------------------------------
  // Opens a Menu node of this tree (the touch pipeline does it on a long
  // press): its entries are shown over the whole tree (MenuPresentation)
  // until one is picked, a tap lands beside them, or dismissMenu(). The menu
  // closes by itself when its node leaves the tree or the host is laid out
  // in other bounds. A menu without entries does not open.
  void presentMenu(const std::shared_ptr<Node>& menu);
  void dismissMenu();
  // The open menu's node; null when no menu is open.
  std::shared_ptr<Node> presentedMenu() const;

 private:
  void treeDidUpdate();
  // The root view with the open menu's presentation laid over it.
  View presentedRootView() const;

  std::shared_ptr<ViewTree> tree_;
  View rootView_;
  std::weak_ptr<Node> menu_;
  std::optional<View> menuPresentation_;
  // Held weakly by what may outlive the host (the presentation's actions,
  // posted work), so it can tell whether the host is still there.
  std::shared_ptr<ViewHost*> self_ = std::make_shared<ViewHost*>(this);
  std::function<void()> didUpdate_;
  std::optional<Rect> bounds_;
  std::shared_ptr<const FontMetrics> metrics_;
  std::unique_ptr<TouchPipeline> touches_;
  bool incrementalLayout_ = true;
  // Whether the nodes' memory of earlier passes cannot be trusted.
  bool needsFullLayout_ = true;
  bool layingOut_ = false;
  bool updatedDuringLayout_ = false;
};

}  // namespace platform::ui
