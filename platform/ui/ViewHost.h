#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/Node.h"

namespace platform::ui {

class ViewTree;

// Owns one view tree: evaluates the root view, re-evaluates what changed
// (coalesced on the main queue) and lets tests look inside.
//
//   ViewHost host(Keyboard{context});
//   context->locale.set(...);            // an observed change
//   MainQueue::main().runUntilIdle();    // one re-evaluation
//   host.findText("a")->tap();
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
  bool reachedRoundLimit() const;

  std::shared_ptr<Node> root() const;
  // Called after every update that evaluated something (and after the first
  // evaluation, when set before it), e.g. to lay out and redraw.
  void setDidUpdate(std::function<void()> didUpdate);

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

 private:
  std::shared_ptr<ViewTree> tree_;
};

}  // namespace platform::ui
