#include "platform/ui/ViewTree.h"

#include <algorithm>
#include <typeindex>
#include <utility>

#include "platform/foundation/MainQueue.h"
#include "platform/ui/BlockPool.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/ButtonStyle.h"
#include "platform/ui/Layout.h"

namespace platform::ui {

namespace {

// The identity type of a view: its composite type, its representable's type,
// or the kind of primitive.
std::type_index typeKey(const View& view) {
  return std::visit(
      [](const auto& content) -> std::type_index {
        using C = std::decay_t<decltype(content)>;
        if constexpr (std::is_same_v<C, CompositeContent>) {
          return content.type;
        } else if constexpr (std::is_same_v<C, RepresentableContent>) {
          if (content.representable) return std::type_index(typeid(*content.representable));
          return std::type_index(typeid(C));
        } else {
          return std::type_index(typeid(C));
        }
      },
      view.definition().content);
}

std::optional<ViewId> explicitIdOf(const View& view) {
  std::optional<ViewId> id;
  for (const auto& modifier : view.definition().modifiers) {
    if (auto* explicitId = modifier.as<ExplicitId>()) id = explicitId->id;  // outermost wins
  }
  return id;
}

NodeRole layerRole(const Modifier& modifier) {
  if (modifier.as<Background>()) return NodeRole::background;
  if (modifier.as<Overlay>()) return NodeRole::overlay;
  if (modifier.as<Mask>()) return NodeRole::mask;
  return NodeRole::contextMenu;
}

// Values watched by the modifiers of type M (ChangeHook or AnimationRecord).
template <class M>
std::vector<WatchedValue> watchedValues(const View& view) {
  std::vector<WatchedValue> values;
  for (const auto& modifier : view.definition().modifiers) {
    if (auto* m = modifier.as<M>()) values.push_back(m->value);
  }
  return values;
}

}  // namespace

ViewTree::ViewTree(EnvironmentValues environment) : environment_(std::move(environment)) {}

// Nodes kept alive by someone else must not call back into a dead tree, and
// the views' subscriptions end with the host.
//
// Newest first, children before their parent and the last child first: each
// subscription ended is then the newest its signal still has, found at once
// instead of after all the others.
void ViewTree::release(Node& node) {
  node.attached_ = false;
  for (auto child = node.children_.rbegin(); child != node.children_.rend(); ++child) release(**child);
  while (!node.subscriptions_.empty()) node.subscriptions_.pop_back();
}

ViewTree::~ViewTree() {
  if (root_) release(*root_);
}

void ViewTree::setRootView(View view) {
  rootView_ = std::move(view);
  rootChanged_ = true;
  update();
}

void ViewTree::setEnvironment(EnvironmentValues environment) {
  environment_ = std::move(environment);
  rootChanged_ = true;
  update();
}

void ViewTree::scheduleUpdate() {
  if (scheduled_ || updating_) return;  // a running update takes the change in its next round
  scheduled_ = true;
  std::weak_ptr<ViewTree> weakTree = weak_from_this();
  MainQueue::main().async([weakTree] {
    if (auto tree = weakTree.lock()) {
      if (tree->scheduled_) tree->update();
    }
  });
}

void ViewTree::noteDirty(const std::shared_ptr<Node>& node) { dirtyNodes_.push_back(node); }

bool ViewTree::needsUpdate() const {
  if (rootChanged_) return true;
  for (const auto& weakNode : dirtyNodes_) {
    auto node = weakNode.lock();
    if (node && node->dirty_ && node->attached_) return true;
  }
  return false;
}

void ViewTree::update() {
  if (updating_) return;
  updating_ = true;
  scheduled_ = false;
  bool evaluated = false;
  try {
    evaluated = runRounds();
  } catch (...) {
    updating_ = false;
    throw;
  }
  updating_ = false;
  if (evaluated && didUpdate_) didUpdate_();
}

bool ViewTree::runRounds() {
  ++updateCount_;
  reachedRoundLimit_ = false;
  bool evaluated = false;
  for (int roundNumber = 0; roundNumber < maxUpdateRounds; ++roundNumber) {
    if (!needsUpdate()) return evaluated;
    evaluated = true;
    Round round;
    if (rootChanged_) {
      rootChanged_ = false;
      Node::Key key;
      key.type = typeKey(rootView_);
      key.explicitId = explicitIdOf(rootView_);
      if (!root_ || !(root_->key_ == key)) {
        if (root_) detach(root_, round);
        root_ = makeNode(key);
      }
      evaluate(*root_, rootView_, environment_, Transaction::current(), round);
    } else {
      evaluateDirty(round);
    }
    runHooks(round);
  }
  reachedRoundLimit_ = needsUpdate();
  return evaluated;
}

namespace {

// Where a node is, as the child indices from the root down: sorting by it
// puts nodes in tree order, ancestors first.
std::vector<std::size_t> treePosition(const Node& node) {
  std::vector<std::size_t> position;
  for (const Node* child = &node; child->parent(); child = child->parent()) {
    const auto& siblings = child->parent()->children();
    auto found = std::find_if(siblings.begin(), siblings.end(),
                              [child](const auto& sibling) { return sibling.get() == child; });
    position.push_back(static_cast<std::size_t>(found - siblings.begin()));
  }
  std::reverse(position.begin(), position.end());
  return position;
}

template <class M>
bool hasModifier(const View& view) {
  const auto& modifiers = view.definition().modifiers;
  return std::any_of(modifiers.begin(), modifiers.end(), [](const Modifier& m) { return m.as<M>() != nullptr; });
}

// Whether the node will be evaluated with an ancestor marked too.
bool hasMarkedAncestor(const Node& node) {
  for (const Node* parent = node.parent(); parent; parent = parent->parent()) {
    if (parent->needsEvaluation()) return true;
  }
  return false;
}

}  // namespace

// Only the nodes marked since the last round are visited, in tree order: a
// node below another one evaluated first is evaluated with it.
void ViewTree::evaluateDirty(Round& round) {
  std::vector<std::shared_ptr<Node>> tops;
  std::vector<std::shared_ptr<Node>> below;
  for (const auto& weakNode : std::exchange(dirtyNodes_, {})) {
    auto node = weakNode.lock();
    if (!node || !node->dirty_ || !node->attached_) continue;
    (hasMarkedAncestor(*node) ? below : tops).push_back(std::move(node));
  }
  evaluateInTreeOrder(tops, round);
  // Those below a marked node were evaluated with it, unless a kept view
  // stood between them.
  evaluateInTreeOrder(below, round);
}

void ViewTree::evaluateInTreeOrder(const std::vector<std::shared_ptr<Node>>& nodes, Round& round) {
  std::vector<std::pair<std::vector<std::size_t>, std::shared_ptr<Node>>> pending;
  for (const auto& node : nodes) {
    if (node->dirty_ && node->attached_) pending.emplace_back(treePosition(*node), node);
  }
  std::sort(pending.begin(), pending.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [position, node] : pending) {
    if (node->dirty_ && node->attached_) {
      evaluate(*node, node->view_, node->inherited_, Transaction(), round);
    }
  }
}

void ViewTree::runHooks(Round& round) {
  for (const auto& node : round.disappeared) {
    for (const auto* hook : node->modifiersOfType<DisappearAction>()) {
      if (hook->action) hook->action();
    }
  }
  for (const auto& node : round.appeared) {
    if (!node->attached_) continue;  // already gone again
    for (const auto* hook : node->modifiersOfType<AppearAction>()) {
      if (hook->action) hook->action();
    }
  }
  for (const auto& change : round.changes) {
    if (change.action) change.action(change.value.get());
  }
}

std::shared_ptr<Node> ViewTree::makeNode(const Node::Key& key) {
  ++structureVersion_;
  auto node = makeShared<Node>();
  node->tree_ = weak_from_this();
  node->key_ = key;
  return node;
}

void ViewTree::evaluate(Node& node, const View& view, const EnvironmentValues& inherited,
                        const Transaction& inheritedTransaction, Round& round) {
  const bool isNew = node.evaluationCount_ == 0;
  if (isNew && hasModifier<AppearAction>(view)) round.appeared.push_back(node.shared_from_this());

  Transaction transaction = inheritedTransaction;
  if (node.dirty_ && node.pendingTransaction_.isAnimated() && !transaction.isAnimated()) {
    transaction = node.pendingTransaction_;
  }
  node.dirty_ = false;
  // A node that lays out as before keeps what layout remembers of it; its
  // children mark themselves, and a change of children marks it in match().
  bool needsLayout = isNew || !laysOutAlike(node.definition(), view.definition());
  node.pendingTransaction_ = Transaction();
  node.view_ = view;
  node.kind_ = kindOf(view.definition());
  node.inherited_ = inherited;
  ++node.evaluationCount_;

  // Change hooks and animation records compare with the last evaluation.
  auto changeValues = watchedValues<ChangeHook>(view);
  auto animationValues = watchedValues<AnimationRecord>(view);
  if (!isNew) {
    std::size_t hookIndex = 0;
    std::size_t animationIndex = 0;
    for (const auto& modifier : view.definition().modifiers) {
      if (auto* hook = modifier.as<ChangeHook>()) {
        bool changed = hookIndex >= node.changeValues_.size() ||
                       !node.changeValues_[hookIndex].sameAs(hook->value);
        if (changed) round.changes.push_back({hook->action, hook->value});
        ++hookIndex;
      } else if (auto* record = modifier.as<AnimationRecord>()) {
        bool changed = animationIndex >= node.animationValues_.size() ||
                       !node.animationValues_[animationIndex].sameAs(record->value);
        if (changed && record->animation) transaction.animation = record->animation;
        ++animationIndex;
      }
    }
  }
  node.changeValues_ = std::move(changeValues);
  node.animationValues_ = std::move(animationValues);
  node.lastTransaction_ = transaction;

  // An environment modifier reaches the content and the layers inside it:
  // walk from the outermost modifier in.
  const auto& modifiers = view.definition().modifiers;
  EnvironmentValues environment = inherited;
  BlockVector<EnvironmentValues> layerEnvironments;
  for (std::size_t i = modifiers.size(); i-- > 0;) {
    if (modifiers[i].layerContent()) {
      if (layerEnvironments.empty()) layerEnvironments.resize(modifiers.size());
      layerEnvironments[i] = environment;
    }
    if (auto* write = modifiers[i].as<EnvironmentWrite>()) {
      if (write->apply) write->apply(environment);
    }
  }
  needsLayout = needsLayout || !measuresAlike(node.kind_, node.environment_, environment);
  if (needsLayout) {
    Node* parent = node.parent_;
    if (isNew && parent && parent->evaluationCount_ == 1 && parent->needsLayout_) {
      // A new node in a new subtree: the subtree's top marked the ancestors.
      node.needsLayout_ = true;
      parent->needsLayoutBelow_ = true;
    } else {
      node.setNeedsLayout();
    }
  }
  node.environment_ = std::move(environment);

  // Request lists are kept for reuse: most nodes have a child or two.
  std::vector<ChildRequest> requests;
  if (!spareRequests_.empty()) {
    requests = std::move(spareRequests_.back());
    spareRequests_.pop_back();
  }
  childRequests(node, node.environment_, layerEnvironments, requests);
  reconcile(node, requests, transaction, round);
  requests.clear();
  spareRequests_.push_back(std::move(requests));
}

void ViewTree::childRequests(Node& node, const EnvironmentValues& contentEnvironment,
                             const BlockVector<EnvironmentValues>& layerEnvironments,
                             std::vector<ChildRequest>& requests) {
  requests.reserve(node.definition().children.size() + layerEnvironments.size() + 1);
  auto add = [&](const View& child, NodeRole role, std::size_t slot,
                 std::optional<ViewId> listId, const EnvironmentValues& environment) {
    Node::Key key;
    key.role = role;
    key.slot = slot;
    key.listId = std::move(listId);
    key.type = typeKey(child);
    key.explicitId = explicitIdOf(child);
    requests.push_back({std::move(key), child, environment});
  };
  const ViewDefinition& definition = node.definition();
  const auto& children = definition.children;

  if (auto* composite = std::get_if<CompositeContent>(&definition.content)) {
    BodyContext context(node);
    View body = composite->body->evaluate(context);
    context.finish();
    add(body, NodeRole::content, 0, std::nullopt, contentEnvironment);
  } else if (std::holds_alternative<ButtonContent>(definition.content)) {
    auto style = contentEnvironment.get(buttonStyleKey);
    if (!style) style = ButtonStyle::automatic();
    BodyContext context(node);
    View label = children.empty() ? View() : children[0];
    View body = style->makeBody(ButtonStyleConfiguration{label, node.pressed_}, context);
    context.finish();
    add(body, NodeRole::content, 0, std::nullopt, contentEnvironment);
  } else if (auto* reader = std::get_if<GeometryReaderContent>(&definition.content)) {
    node.geometrySize_ = node.frameAt(0).size;
    GeometryProxy proxy(node.weak_from_this(), node.geometrySize_);
    add(reader->content ? reader->content(proxy) : View(), NodeRole::content, 0, std::nullopt,
        contentEnvironment);
  } else if (auto* conditional = std::get_if<ConditionalContent>(&definition.content)) {
    std::size_t branch = conditional->condition ? 0 : 1;
    if (branch < children.size()) {
      add(children[branch], NodeRole::content, branch, std::nullopt, contentEnvironment);
    }
  } else if (auto* forEach = std::get_if<ForEachContent>(&definition.content)) {
    for (std::size_t i = 0; i < children.size() && i < forEach->ids.size(); ++i) {
      add(children[i], NodeRole::content, 0, forEach->ids[i], contentEnvironment);
    }
  } else if (std::holds_alternative<MenuContent>(definition.content)) {
    if (children.size() > 0) add(children[0], NodeRole::content, 0, std::nullopt, contentEnvironment);
    if (children.size() > 1) add(children[1], NodeRole::menuItems, 0, std::nullopt, contentEnvironment);
  } else if (auto* representable = std::get_if<RepresentableContent>(&definition.content)) {
    if (representable->representable) {
      if (!node.platformView_) {
        node.platformView_ = representable->representable->makeView();
      } else {
        representable->representable->updateView(*node.platformView_);
      }
    }
  } else {
    for (std::size_t i = 0; i < children.size(); ++i) {
      add(children[i], NodeRole::content, i, std::nullopt, contentEnvironment);
    }
  }

  for (std::size_t i = 0; i < definition.modifiers.size(); ++i) {
    if (const View* layer = definition.modifiers[i].layerContent()) {
      add(*layer, layerRole(definition.modifiers[i]), i, std::nullopt, layerEnvironments[i]);
    }
  }
}

void ViewTree::reconcile(Node& parent, const std::vector<ChildRequest>& requests,
                         const Transaction& transaction, Round& round) {
  bool samePlaces = parent.children_.size() == requests.size();
  for (std::size_t i = 0; samePlaces && i < requests.size(); ++i) {
    samePlaces = parent.children_[i]->key_ == requests[i].key;
  }
  if (!samePlaces) match(parent, requests, round);
  // Evaluating a child changes only what is below it, never this list.
  for (std::size_t i = 0; i < requests.size(); ++i) {
    const std::shared_ptr<Node> child = parent.children_[i];
    if (keepsSubtree(*child, requests[i])) continue;
    evaluate(*child, requests[i].view, requests[i].environment, transaction, round);
  }
}

// A composite child of a comparable type that is handed an equal value in an
// equal environment, and is not marked itself, would show what it shows:
// its node and everything below it stay as they are.
bool ViewTree::keepsSubtree(const Node& child, const ChildRequest& request) {
  if (child.evaluationCount_ == 0 || child.dirty_) return false;
  const auto* composite = child.content<CompositeContent>();
  if (!composite || !composite->body || !composite->body->isComparable()) return false;
  return child.view_ == request.view && child.inherited_ == request.environment;
}

// Pairs each request with the old child of its key, making nodes for the
// new keys and detaching the children no request asks for.
void ViewTree::match(Node& parent, const std::vector<ChildRequest>& requests, Round& round) {
  BlockVector<std::shared_ptr<Node>> old = std::move(parent.children_);
  std::vector<bool> reused(old.size(), false);
  BlockVector<std::shared_ptr<Node>> next;
  next.reserve(requests.size());
  // Children usually keep their place, or shift together after an insertion
  // or removal: search from just after the last match, wrapping around.
  std::size_t searchFrom = 0;
  for (std::size_t i = 0; i < requests.size(); ++i) {
    const auto& key = requests[i].key;
    std::shared_ptr<Node> found;
    for (std::size_t n = 0; n < old.size() && !found; ++n) {
      std::size_t j = (searchFrom + n) % old.size();
      if (!reused[j] && old[j]->key_ == key) {
        found = old[j];
        reused[j] = true;
        searchFrom = j + 1;
      }
    }
    if (!found) found = makeNode(key);
    found->parent_ = &parent;
    next.push_back(found);
  }
  for (std::size_t j = 0; j < old.size(); ++j) {
    if (!reused[j]) detach(old[j], round);
  }
  // A node evaluated for the first time is marked already, and so are its
  // ancestors (see evaluate()).
  const bool markedAsNew = parent.evaluationCount_ == 1 && parent.needsLayout_;
  if (next != old && !markedAsNew) parent.setNeedsLayout();
  parent.children_ = std::move(next);
}

void ViewTree::detach(const std::shared_ptr<Node>& node, Round& round) {
  ++structureVersion_;
  round.disappeared.push_back(node);
  node->attached_ = false;
  node->dirty_ = false;
  node->subscriptions_.clear();
  for (const auto& child : node->children_) detach(child, round);
}

}  // namespace platform::ui
