#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/ui/Node.h"

namespace platform::ui {

// The machinery behind a ViewHost: owns the root node, evaluates views into
// nodes, reconciles children by identity and runs the hooks. Nodes hold it
// weakly, so a node that outlives its host schedules nothing.
class ViewTree : public std::enable_shared_from_this<ViewTree> {
 public:
  // Update rounds (evaluation, then hooks) before an update gives up on views
  // that keep changing their own state.
  static constexpr int maxUpdateRounds = 10;

  explicit ViewTree(EnvironmentValues environment);
  ~ViewTree();

  // Replaces the root view and updates now.
  void setRootView(View view);
  // Replaces the host environment, re-evaluates everything now.
  void setEnvironment(EnvironmentValues environment);
  const EnvironmentValues& environment() const { return environment_; }

  // Asks for one update on the main queue; repeated calls before it runs
  // share it.
  void scheduleUpdate();
  bool isUpdateScheduled() const { return scheduled_; }
  // Re-evaluates the dirty nodes and settles the hooks, now.
  void update();
  bool needsUpdate() const;
  // Remembers a node marked for evaluation, for the next update.
  void noteDirty(const std::shared_ptr<Node>& node);

  std::shared_ptr<Node> root() const { return root_; }
  // Called after every update that evaluated something, e.g. to lay out and
  // redraw.
  void setDidUpdate(std::function<void()> didUpdate) { didUpdate_ = std::move(didUpdate); }
  std::size_t updateCount() const { return updateCount_; }
  // Changes whenever a node is made or leaves the tree: while it stays, every
  // node found earlier is still in its place.
  std::size_t structureVersion() const { return structureVersion_; }
  // Whether the last update stopped at maxUpdateRounds with work left.
  bool reachedRoundLimit() const { return reachedRoundLimit_; }

 private:
  struct PendingChange {
    std::function<void(const void*)> action;
    WatchedValue value;
  };
  struct Round {
    std::vector<std::shared_ptr<Node>> appeared;  // those with appear actions
    std::vector<std::shared_ptr<Node>> disappeared;
    std::vector<PendingChange> changes;
  };
  static void release(Node& node);

  struct ChildRequest {
    Node::Key key;
    View view;
    EnvironmentValues environment;
  };

  // Evaluation and hook rounds until nothing is dirty or the limit is hit;
  // returns whether anything was evaluated.
  bool runRounds();
  void evaluate(Node& node, const View& view, const EnvironmentValues& inherited,
                const Transaction& inheritedTransaction, Round& round);
  void childRequests(Node& node, const EnvironmentValues& contentEnvironment,
                     const BlockVector<EnvironmentValues>& layerEnvironments,
                     std::vector<ChildRequest>& requests);
  void reconcile(Node& parent, const std::vector<ChildRequest>& requests, const Transaction& transaction,
                 Round& round);
  void match(Node& parent, const std::vector<ChildRequest>& requests, Round& round);
  static bool keepsSubtree(const Node& child, const ChildRequest& request);
  std::shared_ptr<Node> makeNode(const Node::Key& key);
  void detach(const std::shared_ptr<Node>& node, Round& round);
  void evaluateDirty(Round& round);
  void evaluateInTreeOrder(const std::vector<std::shared_ptr<Node>>& nodes, Round& round);
  void runHooks(Round& round);

  EnvironmentValues environment_;
  std::shared_ptr<Node> root_;
  std::vector<std::weak_ptr<Node>> dirtyNodes_;
  std::vector<std::vector<ChildRequest>> spareRequests_;
  View rootView_;
  bool rootChanged_ = false;
  bool scheduled_ = false;
  bool updating_ = false;
  bool reachedRoundLimit_ = false;
  std::size_t updateCount_ = 0;
  std::size_t structureVersion_ = 0;
  std::function<void()> didUpdate_;
};

}  // namespace platform::ui
