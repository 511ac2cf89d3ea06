#pragma once

#include <any>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/reactive/Cancellable.h"
#include "platform/reactive/ObservableObject.h"
#include "platform/ui/BlockPool.h"
#include "platform/ui/ViewDefinition.h"

namespace platform::ui {

class ViewTree;
class StateSlotBase;

enum class NodeKind {
  empty,
  text,
  image,
  color,
  linearGradient,
  shape,
  vstack,
  hstack,
  zstack,
  spacer,
  divider,
  group,
  forEach,
  conditional,
  button,
  link,
  label,
  scrollView,
  lazyHGrid,
  lazyVGrid,
  geometryReader,
  menu,
  representable,
  composite
};
inline constexpr std::array<std::string_view, 24> nodeKindNames = {
    "EmptyView", "Text",      "Image",       "Color",     "LinearGradient", "Shape",
    "VStack",    "HStack",    "ZStack",      "Spacer",    "Divider",        "Group",
    "ForEach",   "If",        "Button",      "Link",      "Label",          "ScrollView",
    "LazyHGrid", "LazyVGrid", "GeometryReader", "Menu",   "Representable",  "Composite"};

// Why a node is its parent's child: as content, or as the view of one of the
// parent's layer modifiers, or as the items of a menu.
enum class NodeRole { content, background, overlay, mask, contextMenu, menuItems };
inline constexpr std::array<std::string_view, 6> nodeRoleNames = {
    "content", "background", "overlay", "mask", "contextMenu", "menuItems"};

struct DumpOptions {
  bool frames = false;  // append each node's frame
};

// One evaluated view in a host's tree. See View.h for the design.
class Node : public std::enable_shared_from_this<Node> {
 public:
  // Made by its tree (never value-initialised: the slots below start as
  // they are declared, and remembered sizes past `count` stay unset).
  Node();
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;
  ~Node();

  // --- What it is ------------------------------------------------------------
  NodeKind kind() const { return kind_; }
  NodeRole role() const { return key_.role; }
  // A composite's type name ("KeyRow"), otherwise the kind's ("VStack").
  std::string typeName() const;
  const View& view() const { return view_; }
  const ViewDefinition& definition() const { return view_.definition(); }
  template <class C>
  const C* content() const {
    return std::get_if<C>(&definition().content);
  }
  std::optional<std::string> text() const;
  std::optional<ViewId> explicitId() const;

  // --- Modifiers -------------------------------------------------------------
  const BlockVector<Modifier>& modifiers() const { return definition().modifiers; }
  // The innermost modifier of type M, if any.
  template <class M>
  const M* modifier() const {
    for (const auto& m : modifiers()) {
      if (auto* found = m.as<M>()) return found;
    }
    return nullptr;
  }
  template <class M>
  std::vector<const M*> modifiersOfType() const {
    std::vector<const M*> result;
    for (const auto& m : modifiers()) {
      if (auto* found = m.as<M>()) result.push_back(found);
    }
    return result;
  }
  // The value attached with View::attach<T>, if any.
  template <class T>
  const T* attached() const {
    for (const auto* attachment : modifiersOfType<Attachment>()) {
      if (auto* value = std::any_cast<T>(&attachment->value)) return value;
    }
    return nullptr;
  }
  std::optional<std::string> accessibilityLabel() const;
  std::optional<std::string> accessibilityIdentifier() const;
  bool hasAccessibilityTrait(AccessibilityTrait trait) const;

  // --- Environment -------------------------------------------------------------
  // The environment the content sees (after this node's own modifiers).
  const EnvironmentValues& environment() const { return environment_; }
  Font resolvedFont() const { return environment_.resolvedFont(); }
  Color resolvedForegroundColor() const { return environment_.resolvedForegroundColor(); }
  ColorScheme colorScheme() const { return environment_.colorScheme(); }

  // --- Tree --------------------------------------------------------------------
  Node* parent() const { return parent_; }
  const BlockVector<std::shared_ptr<Node>>& children() const { return children_; }
  std::vector<std::shared_ptr<Node>> children(NodeRole role) const;
  // The view of the layer modifier at `modifierIndex` (a background, ...).
  std::shared_ptr<Node> layer(std::size_t modifierIndex) const;
  // For a layer node: the index of its modifier in the parent.
  std::size_t layerModifierIndex() const { return key_.slot; }
  // The content children as a container lays them out: groups, ForEach and
  // conditional content are replaced by their own children, recursively
  // (modifiers on such a node apply to each of its children), and plain
  // empty views are left out.
  std::vector<std::shared_ptr<Node>> layoutChildren() const;

  // --- Actions -----------------------------------------------------------------
  // Does what a single tap inside would do, without hit testing: runs the
  // tap actions, a button's action or a menu's primary action, or opens a
  // link's url.
  void tap();
  // A button's pressed state, shown through its style.
  bool isPressed() const { return pressed_; }
  void setPressed(bool pressed);
  // The platform view of a representable node (made at its first evaluation).
  std::shared_ptr<PlatformView> platformView() const { return platformView_; }

  // --- Layout slots (filled by layout) ------------------------------------------
  // Frames are where things appear, in the host's coordinates: an offset
  // moves the frames of everything inside it.
  // The node's outer frame (after its modifiers).
  Rect frame;
  // The frame of the content before modifiers.
  Rect contentFrame;
  // The frame after the first `level` modifiers: frameAt(0) is contentFrame,
  // frameAt(modifiers().size()) is frame. Before any layout, frame.
  Rect frameAt(std::size_t level) const;
  // Frames by level, as frameAt reads them.
  BlockVector<Rect> levelFrames;
  // A scroll view's content offset along its axis (x or y) and its content's
  // size; the touch pipeline scrolls by changing the offset, then marking
  // the node with setNeedsLayout().
  Point scrollOffset;
  Size scrollContentSize;
  // The size a GeometryReader was last evaluated with.
  Size geometrySize() const { return geometrySize_; }
  // Makes the next layout measure and place this node and its ancestors
  // again instead of reusing their last results. Evaluation does it; so must
  // anything else that changes how the node lays out (a scroll).
  void setNeedsLayout();
  bool needsLayout() const { return needsLayout_ || needsLayoutBelow_; }

  // --- Evaluation ----------------------------------------------------------------
  // Schedules a re-evaluation of this node and everything below it, but for
  // the comparable views its body hands the same values again (View.h,
  // "Kept subtrees").
  void setNeedsEvaluation();
  bool needsEvaluation() const { return dirty_; }
  // How often its body ran (or, for a primitive, it was visited): a kept
  // node's count stays.
  std::size_t evaluationCount() const { return evaluationCount_; }
  // The transaction of the change that last re-evaluated this node.
  const Transaction& lastTransaction() const { return lastTransaction_; }
  // False once the node has left its tree.
  bool isAttached() const { return attached_; }

  // --- Search (this node and everything below, in tree order) --------------------
  std::vector<std::shared_ptr<Node>> findAll(const std::function<bool(const Node&)>& match);
  std::shared_ptr<Node> find(const std::function<bool(const Node&)>& match);
  std::vector<std::shared_ptr<Node>> findAll(NodeKind kind);
  std::shared_ptr<Node> findText(std::string_view text);
  std::shared_ptr<Node> findByAccessibilityIdentifier(std::string_view identifier);
  // Nodes of the composite view type T.
  template <class T>
  std::vector<std::shared_ptr<Node>> findAllOfType() {
    return findAll([](const Node& node) {
      auto* composite = node.content<CompositeContent>();
      return composite && composite->type == std::type_index(typeid(T));
    });
  }
  // The first node with an attached value equal to `value`.
  template <class T>
  std::shared_ptr<Node> findAttached(const T& value) {
    return find([&value](const Node& node) {
      const T* attachedValue = node.attached<T>();
      return attachedValue && *attachedValue == value;
    });
  }

  // One line describing the node: "VStack(spacing: 0)", "Text(\"a\")".
  std::string description() const;
  // The subtree as indented text: nodes, then their modifiers (".padding(8)")
  // with the views of layer modifiers below them.
  std::string dump(const DumpOptions& options = {}) const;

 private:
  friend class ViewTree;
  friend class BodyContext;
  friend class LayoutEngine;

  // What an incremental layout remembers of this node: its answers to the
  // proposals it was offered (encoded as in the engine) and where it was
  // last placed.
  struct MeasuredSize {
    double width;
    double height;
    int stackAxis;
    Size size;
  };
  // A few answers, kept in the node: a stack asks each child two or three
  // questions, nested stacks and frames a few more; resizing asks new ones.
  struct MeasuredSizes {
    static constexpr std::size_t capacity = 8;
    std::array<MeasuredSize, capacity> entries;
    std::size_t count = 0;

    const MeasuredSize* begin() const { return entries.data(); }
    const MeasuredSize* end() const { return entries.data() + count; }
    bool empty() const { return count == 0; }
    bool full() const { return count == capacity; }
    void clear() { count = 0; }
    void add(const MeasuredSize& entry) { entries[count++] = entry; }
  };

  struct Key {
    NodeRole role = NodeRole::content;
    std::size_t slot = 0;
    std::optional<ViewId> listId;
    std::type_index type = typeid(void);
    std::optional<ViewId> explicitId;
    bool operator==(const Key&) const = default;
  };
  struct Subscription {
    std::weak_ptr<const ObservableObject> object;
    const ObservableObject* address = nullptr;
    Cancellable token;
    bool used = false;
  };

  void dump(std::string& out, int depth, const DumpOptions& options) const;
  void collect(const std::function<bool(const Node&)>& match,
               std::vector<std::shared_ptr<Node>>& out, bool firstOnly);

  std::weak_ptr<ViewTree> tree_;
  Node* parent_ = nullptr;
  Key key_;
  View view_;
  EnvironmentValues inherited_;
  EnvironmentValues environment_;
  BlockVector<std::shared_ptr<Node>> children_;
  BlockVector<std::shared_ptr<StateSlotBase>> slots_;
  BlockVector<Subscription> subscriptions_;
  std::vector<WatchedValue> changeValues_;
  std::vector<WatchedValue> animationValues_;
  std::shared_ptr<PlatformView> platformView_;
  Transaction pendingTransaction_;
  Transaction lastTransaction_;
  Size geometrySize_;
  MeasuredSizes measured_;
  bool measuredOverflowed_ = false;
  std::optional<Rect> placedIn_;
  int placedAxis_ = -1;
  NodeKind kind_ = NodeKind::empty;
  // Marked itself; something below it is marked.
  bool needsLayout_ = true;
  bool needsLayoutBelow_ = false;
  bool pressed_ = false;
  bool dirty_ = false;
  bool attached_ = true;
  std::size_t evaluationCount_ = 0;
};

std::string_view name(NodeKind kind);
// The kind of node a view definition makes.
NodeKind kindOf(const ViewDefinition& definition);

}  // namespace platform::ui
