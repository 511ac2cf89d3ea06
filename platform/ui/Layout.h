#pragma once

#include <cstddef>
#include <memory>
#include <memory_resource>
#include <optional>
#include <span>
#include <unordered_map>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/ui/FontMetrics.h"
#include "platform/ui/Node.h"

namespace platform::ui {

// A size offered to a view: absent along an axis means "your ideal size"
// (scroll views offer that along their axis), infinity means unbounded.
struct ProposedSize {
  std::optional<double> width;
  std::optional<double> height;

  bool operator==(const ProposedSize&) const = default;
};

// Whether a node re-evaluated with view `after` instead of `before` lays
// out as before: the engine would read the same content and modifiers from
// it. Which children it has is a question for the tree.
bool laysOutAlike(const ViewDefinition& before, const ViewDefinition& after);
// Whether what a node of `kind` reads from its environment to measure
// itself (the font and text case of text and images) is the same in both.
bool measuresAlike(NodeKind kind, const EnvironmentValues& before, const EnvironmentValues& after);

// The layout pass. A parent proposes a size, the child answers with its own,
// and the parent places it:
//
// - Stacks lay out fixed children first (those whose size does not depend on
//   the proposal) and share what is left among the flexible ones (spacers,
//   colours, infinite frames, text), least flexible first, each offered an
//   equal share of the rest. Spacing is the stack's or `defaultSpacing`
//   (8); a `Spacer()` is at least its minimum length (0 when none is given).
//   Children wider than the stack overflow it on both sides equally.
// - Colours, shapes, gradients, geometry readers and resizable images take
//   the size proposed (10 when none is); text its measured size, cut to
//   the width proposed; images without `resizable()` their natural size.
// - Padding, fixed and flexible frames, aspect ratios and positions work as
//   their names say; offsets move a view (and its frames) without changing
//   its place in the layout; backgrounds, overlays and masks are proposed
//   the size of the view they modify and aligned in it.
// - Scroll views propose no size along their axis, place their content at
//   their leading (top) edge minus the scroll offset, and take the size
//   proposed.
// - Grids have rows (columns) of fixed size or a share of what the fixed
//   ones leave; spacing after each row is its own (default 8) and may be
//   negative; cells fill each column (row) in order.
// - Groups, ForEach and conditional content take no place of their own:
//   their children are laid out by the container, wrapped by the group's
//   modifiers.
// - Several children in a view that is not a container stack up like a
//   centred ZStack.
//
// Results are memoised for one pass, so nested stacks stay linear.
//
// An incremental engine also reuses what earlier incremental passes left in
// the nodes: a node that does not need layout (see Node::setNeedsLayout)
// answers a proposal it has answered before without being measured again,
// and placed in the rect it was last placed in keeps the frames below it
// untouched. A marked node is first measured again on its own: when it
// answers every proposal it was offered as before and lands on the same
// frame, it is placed where it was and nothing above it is looked at;
// otherwise its parent is tried the same way, and so on up to the nearest
// ancestor that still answers as before (a fixed frame around a text that
// grew). Evaluation marks only the nodes that would lay out differently
// (laysOutAlike, measuresAlike) and those whose children change. Every
// pass over a tree must then use the same metrics; a full pass leaves the
// nodes' memory alone but makes the next incremental one place everything
// again.
class LayoutEngine {
 public:
  enum class Mode { full, incremental };

  explicit LayoutEngine(const FontMetrics& metrics = FixedFontMetrics::shared(), Mode mode = Mode::full);

  // Proposes `bounds.size` to `root`, places it centred in `bounds` and
  // fills the frames of every node below it.
  void layout(Node& root, Rect bounds);
  // What `node` answers when `proposal` is offered.
  Size sizeThatFits(Node& node, ProposedSize proposal);

  // GeometryReaders whose size differs from the one they were evaluated
  // with: they need evaluating again, then another pass.
  const std::vector<Node*>& geometryChanges() const { return geometryChanges_; }

 private:
  // A child as its container lays it out: the node, inside the groups it
  // was spliced out of (outermost first), in a stack along `stackAxis`.
  struct Item {
    Node* node = nullptr;
    std::span<Node* const> wrappers;  // in the pass's arena
    std::optional<Axis> stackAxis;

    Node* at(std::size_t index) const { return index < wrappers.size() ? wrappers[index] : node; }
  };
  struct Key {
    const Node* node;
    const Node* leaf;
    std::size_t level;
    double width;
    double height;
    int axis;
    bool operator==(const Key&) const = default;
  };
  struct KeyHash {
    std::size_t operator()(const Key& key) const;
  };

  using ItemList = std::pmr::vector<Item>;

  Size measure(const Item& item, std::size_t index, std::size_t level, ProposedSize proposal);
  Size measureOwn(const Item& item, std::size_t index, std::size_t level, ProposedSize proposal);
  const Size* remembered(Node& node, const Key& key);
  void remember(Node& node, const Key& key, Size size);
  Size measureContent(Node& node, ProposedSize proposal, std::optional<Axis> stackAxis);
  void place(const Item& item, std::size_t index, std::size_t level, Rect rect);
  void placeContent(Node& node, Rect rect);
  const ItemList& items(Node& node, std::optional<Axis> stackAxis);
  static Node* soleItem(const Node& node);
  std::vector<Size> planStack(const ItemList& children, Axis axis, double spacing,
                              ProposedSize proposal);
  Size stackSize(const std::vector<Size>& sizes, Axis axis, double spacing) const;
  struct GridPlan;
  GridPlan planGrid(Node& node, const ItemList& cells, ProposedSize proposal);
  Size measureItem(const Item& item, ProposedSize proposal);
  void placeItem(const Item& item, Rect rect);
  void setFrame(Node& node, std::size_t level, Rect rect, bool isWrapper);
  // Lays out again, where they were, the marked nodes below `node` whose
  // sizes did not change; returns whether any others are left.
  bool settle(Node& node);
  bool layoutInPlace(Node& node);
  // Forgets what earlier passes remembered of `node` if it needs layout.
  void refresh(Node& node);
  void forget(Node& node);
  void collectItems(Node& parent, std::vector<Node*>& wrappers, std::optional<Axis> stackAxis,
                    ItemList& out);

  // What one pass remembers. Its many small entries live in one arena,
  // dropped at once when the next pass starts.
  struct Memo {
    explicit Memo(std::pmr::memory_resource* arena) : cache(arena), textSizes(arena), items(arena) {}
    std::pmr::unordered_map<Key, Size, KeyHash> cache;
    std::pmr::unordered_map<const Node*, Size> textSizes;
    std::pmr::unordered_map<const Node*, ItemList> items;
  };

  // The first block of this engine's arena: one per thread, kept between
  // passes, or none while an engine on this thread already holds it.
  class ArenaBlock {
   public:
    ArenaBlock();
    ~ArenaBlock();
    ArenaBlock(const ArenaBlock&) = delete;
    ArenaBlock& operator=(const ArenaBlock&) = delete;
    std::byte* bytes() const { return bytes_; }
    std::size_t size() const { return size_; }

   private:
    std::byte* bytes_ = nullptr;
    std::size_t size_ = 0;
  };

  const FontMetrics& metrics_;
  const Mode mode_;
  ArenaBlock block_;
  std::pmr::monotonic_buffer_resource arena_;
  std::optional<Memo> memo_;
  std::vector<Node*> geometryChanges_;
  std::vector<Node*> placedWrappers_;
};

// Lays out `root` in `bounds` with `metrics` (see LayoutEngine).
void layout(Node& root, Rect bounds, const FontMetrics& metrics = FixedFontMetrics::shared());

}  // namespace platform::ui
