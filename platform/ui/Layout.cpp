#include "platform/ui/Layout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <numeric>

#include "platform/foundation/Text.h"
#include "platform/ui/Modifier.h"

namespace platform::ui {

namespace {

// What a colour, shape or reader answers when offered no size.
constexpr double unspecifiedLength = 10;
constexpr double dividerThickness = 1;

double along(Size size, Axis axis) { return axis == Axis::horizontal ? size.width : size.height; }
double across(Size size, Axis axis) { return axis == Axis::horizontal ? size.height : size.width; }
std::optional<double> along(ProposedSize p, Axis axis) {
  return axis == Axis::horizontal ? p.width : p.height;
}
std::optional<double> across(ProposedSize p, Axis axis) {
  return axis == Axis::horizontal ? p.height : p.width;
}
Size makeSize(double alongValue, double acrossValue, Axis axis) {
  return axis == Axis::horizontal ? Size{alongValue, acrossValue} : Size{acrossValue, alongValue};
}
ProposedSize makeProposal(const std::optional<double>& alongValue,
                          const std::optional<double>& acrossValue, Axis axis) {
  ProposedSize proposal;
  if (axis == Axis::horizontal) {
    proposal.width = alongValue;
    proposal.height = acrossValue;
  } else {
    proposal.width = acrossValue;
    proposal.height = alongValue;
  }
  return proposal;
}
Axis other(Axis axis) { return axis == Axis::horizontal ? Axis::vertical : Axis::horizontal; }

Size fill(ProposedSize p, double fallback) {
  return Size{p.width.value_or(fallback), p.height.value_or(fallback)};
}

double alignedOffset(double space, double length, HorizontalAlignment alignment) {
  switch (alignment) {
    case HorizontalAlignment::leading: return 0;
    case HorizontalAlignment::center: return (space - length) / 2;
    case HorizontalAlignment::trailing: return space - length;
  }
  return 0;
}
double alignedOffset(double space, double length, VerticalAlignment alignment) {
  switch (alignment) {
    case VerticalAlignment::top: return 0;
    case VerticalAlignment::center: return (space - length) / 2;
    case VerticalAlignment::bottom: return space - length;
  }
  return 0;
}
Rect aligned(Size size, Rect in, Alignment alignment) {
  return Rect(in.origin.x + alignedOffset(in.size.width, size.width, alignment.horizontal),
              in.origin.y + alignedOffset(in.size.height, size.height, alignment.vertical), size.width,
              size.height);
}

bool affectsSize(const Modifier& m) {
  return m.as<Padding>() || m.as<Frame>() || m.as<FlexibleFrame>() || m.as<Position>() ||
         m.as<AspectRatio>();
}

// Clamps like a flexible frame: the upper bound wins over the lower one.
// A lower bound above the upper one wins: a frame's minimum size holds even
// around a smaller child whose size stands for the absent maximum.
double clampLength(double value, double low, double high) { return std::max(low, std::min(high, value)); }

ProposedSize inset(ProposedSize p, const EdgeInsets& insets) {
  auto shrink = [](std::optional<double> length, double by) -> std::optional<double> {
    if (!length) return std::nullopt;
    return std::max(0.0, *length - by);
  };
  return {shrink(p.width, insets.horizontal()), shrink(p.height, insets.vertical())};
}

std::optional<double> flexibleProposal(std::optional<double> proposed, std::optional<double> minimum,
                                       std::optional<double> ideal, std::optional<double> maximum) {
  if (!proposed) return ideal;
  return clampLength(*proposed, minimum.value_or(-infinity), maximum.value_or(infinity));
}

double flexibleResult(std::optional<double> proposed, std::optional<double> minimum,
                      std::optional<double> ideal, std::optional<double> maximum, double child) {
  if (!proposed) {
    return clampLength(ideal.value_or(child), minimum.value_or(-infinity), maximum.value_or(infinity));
  }
  return clampLength(*proposed, minimum.value_or(child), maximum.value_or(child));
}

double encode(std::optional<double> length) { return length ? *length : -1; }



bool isTransparentContainer(NodeKind kind) {
  return kind == NodeKind::group || kind == NodeKind::forEach || kind == NodeKind::conditional;
}

}  // namespace

struct LayoutEngine::GridPlan {
  Axis lineAxis = Axis::vertical;
  std::vector<double> lineSizes;
  std::vector<double> lineOffsets;
  std::vector<double> trackSizes;
  std::vector<double> trackOffsets;
  std::vector<Size> cellSizes;
  Size total;
};

std::size_t LayoutEngine::KeyHash::operator()(const Key& key) const {
  auto bits = [](double value) {
    std::uint64_t result;
    std::memcpy(&result, &value, sizeof result);
    return result;
  };
  std::uint64_t h = reinterpret_cast<std::uintptr_t>(key.node) * 0x9e3779b97f4a7c15ULL;
  h ^= reinterpret_cast<std::uintptr_t>(key.leaf) + (h << 6) + (h >> 2);
  h = (h ^ key.level) * 0xff51afd7ed558ccdULL;
  h ^= bits(key.width) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
  h = (h ^ bits(key.height)) * 0xc4ceb9fe1a85ec53ULL;
  h ^= static_cast<std::uint64_t>(key.axis + 1) + (h >> 29);
  return static_cast<std::size_t>(h ^ (h >> 32));
}

namespace {

// A pass over the whole keyboard fills some tens of kilobytes of arena.
// Taken from the allocator anew every pass, in growing blocks, they cost
// more than the pass's own small allocations: the first block stays with
// the thread.
constexpr std::size_t arenaBlockSize = 128 * 1024;

struct ThreadArenaBlock {
  std::unique_ptr<std::byte[]> bytes;
  bool taken = false;
};
thread_local ThreadArenaBlock threadArenaBlock;

}  // namespace

LayoutEngine::ArenaBlock::ArenaBlock() {
  ThreadArenaBlock& block = threadArenaBlock;
  if (block.taken) return;  // a pass inside a pass starts with an empty arena
  if (!block.bytes) block.bytes = std::make_unique<std::byte[]>(arenaBlockSize);
  block.taken = true;
  bytes_ = block.bytes.get();
  size_ = arenaBlockSize;
}

LayoutEngine::ArenaBlock::~ArenaBlock() {
  if (bytes_) threadArenaBlock.taken = false;
}

LayoutEngine::LayoutEngine(const FontMetrics& metrics, Mode mode)
    : metrics_(metrics), mode_(mode), arena_(block_.bytes(), block_.size()) {
  memo_.emplace(&arena_);
}

namespace {

bool sameLayoutContent(const ViewContent& before, const ViewContent& after) {
  if (before.index() != after.index()) return false;
  return std::visit(
      [&after](const auto& a) {
        using C = std::decay_t<decltype(a)>;
        const C& b = std::get<C>(after);
        if constexpr (std::is_same_v<C, TextContent>) {
          return a.text == b.text;
        } else if constexpr (std::is_same_v<C, ImageContent>) {
          return a.image == b.image;
        } else if constexpr (std::is_same_v<C, SpacerContent>) {
          return a.minLength == b.minLength;
        } else if constexpr (std::is_same_v<C, VStackContent> || std::is_same_v<C, HStackContent>) {
          return a.alignment == b.alignment && a.spacing == b.spacing && a.lazy == b.lazy;
        } else if constexpr (std::is_same_v<C, ZStackContent>) {
          return a.alignment == b.alignment;
        } else if constexpr (std::is_same_v<C, ScrollViewContent>) {
          return a.axis == b.axis;
        } else if constexpr (std::is_same_v<C, GridContent>) {
          return a.axis == b.axis && a.items == b.items && a.alignment == b.alignment &&
                 a.spacing == b.spacing;
        } else if constexpr (std::is_same_v<C, ConditionalContent>) {
          return a.condition == b.condition;
        } else if constexpr (std::is_same_v<C, RepresentableContent>) {
          return false;  // its platform view may answer differently after an update
        } else {
          return true;  // sized by what it is given or by its children
        }
      },
      before);
}

template <class L>
bool sameLayer(const L& a, const Modifier& after) {
  return a.alignment == after.as<L>()->alignment;
}

bool sameLayoutModifier(const Modifier& before, const Modifier& after) {
  if (before.value == after.value) return true;
  if (before.value->index() != after.value->index()) return false;
  if (auto* a = before.as<Padding>()) return a->insets == after.as<Padding>()->insets;
  if (auto* a = before.as<Frame>()) {
    auto* b = after.as<Frame>();
    return a->width == b->width && a->height == b->height && a->alignment == b->alignment;
  }
  if (auto* a = before.as<FlexibleFrame>()) return *a == *after.as<FlexibleFrame>();
  if (auto* a = before.as<Offset>()) return a->x == after.as<Offset>()->x && a->y == after.as<Offset>()->y;
  if (auto* a = before.as<Position>()) {
    return a->x == after.as<Position>()->x && a->y == after.as<Position>()->y;
  }
  if (auto* a = before.as<AspectRatio>()) {
    return a->ratio == after.as<AspectRatio>()->ratio && a->mode == after.as<AspectRatio>()->mode;
  }
  if (auto* a = before.as<Resizable>()) {
    return a->capInsets == after.as<Resizable>()->capInsets && a->mode == after.as<Resizable>()->mode;
  }
  if (auto* a = before.as<Background>()) return sameLayer(*a, after);
  if (auto* a = before.as<Overlay>()) return sameLayer(*a, after);
  if (auto* a = before.as<Mask>()) return sameLayer(*a, after);
  return true;  // drawn, not laid out
}

}  // namespace

bool laysOutAlike(const ViewDefinition& before, const ViewDefinition& after) {
  if (&before == &after) return true;
  if (before.modifiers.size() != after.modifiers.size()) return false;
  for (std::size_t i = 0; i < before.modifiers.size(); ++i) {
    if (!sameLayoutModifier(before.modifiers[i], after.modifiers[i])) return false;
  }
  return sameLayoutContent(before.content, after.content);
}

bool measuresAlike(NodeKind kind, const EnvironmentValues& before, const EnvironmentValues& after) {
  if (kind != NodeKind::text && kind != NodeKind::image) return true;
  return before.resolvedFont() == after.resolvedFont() && before.get(textCaseKey) == after.get(textCaseKey);
}

void layout(Node& root, Rect bounds, const FontMetrics& metrics) {
  LayoutEngine(metrics).layout(root, bounds);
}

void LayoutEngine::layout(Node& root, Rect bounds) {
  memo_.reset();
  arena_.release();
  memo_.emplace(&arena_);
  if (mode_ == Mode::full || root.needsLayout_) {  // a pass over everything, not a few changed nodes
    memo_->cache.reserve(1024);
    memo_->textSizes.reserve(256);
    memo_->items.reserve(512);
  }
  geometryChanges_.clear();
  placedWrappers_.clear();
  if (mode_ == Mode::incremental && !root.needsLayout_) settle(root);
  Item item{&root, {}, std::nullopt};
  Size size = measureItem(item, {bounds.size.width, bounds.size.height});
  placeItem(item, aligned(size, bounds, Alignment::center()));
}

Size LayoutEngine::sizeThatFits(Node& node, ProposedSize proposal) {
  return measureItem(Item{&node, {}, std::nullopt}, proposal);
}


namespace {
std::optional<double> decode(double length) {
  if (length < 0) return std::nullopt;
  return length;
}
}  // namespace

bool LayoutEngine::settle(Node& node) {
  bool unsettled = false;
  for (const auto& child : node.children()) {
    if (child->needsLayout_) {
      if (!layoutInPlace(*child)) unsettled = true;
    } else if (child->needsLayoutBelow_) {
      // Below it something changed its answers: the child itself may still
      // answer as before (a fixed frame around a text that grew).
      if (settle(*child) && !layoutInPlace(*child)) unsettled = true;
    }
  }
  node.needsLayoutBelow_ = unsettled;
  return unsettled;
}

// Measured again, the node answers every proposal it was offered as before:
// whatever laid it out would do the same again, so only the node itself is
// placed again, where it was. Unless its frame then moves, nothing above it
// needs a look.
bool LayoutEngine::layoutInPlace(Node& node) {
  if (!node.placedIn_ || node.measured_.empty() || node.measuredOverflowed_) return false;
  const Rect rect = *node.placedIn_;
  const Rect oldFrame = node.frame;
  const int axisCode = node.placedAxis_;
  const auto axisOf = [](int code) {
    return code < 0 ? std::nullopt : std::optional<Axis>(static_cast<Axis>(code));
  };
  const Node::MeasuredSizes before = node.measured_;
  bool sameAnswers = true;
  for (const auto& entry : before) {
    Item item{&node, {}, axisOf(entry.stackAxis)};
    Size size = measure(item, 0, node.modifiers().size(), {decode(entry.width), decode(entry.height)});
    if (size != entry.size) sameAnswers = false;
  }
  // Otherwise whatever lays it out places it, once: a group's frames are
  // the union of every placement of its children in a pass.
  if (!sameAnswers) return false;
  const std::size_t wrappersBefore = placedWrappers_.size();
  Item item{&node, {}, axisOf(axisCode)};
  refresh(node);
  place(item, 0, node.modifiers().size(), rect);
  if (node.frame == oldFrame) return true;
  placedWrappers_.resize(wrappersBefore);
  return false;
}

void LayoutEngine::refresh(Node& node) {
  if (node.needsLayout_ || node.needsLayoutBelow_) forget(node);
}

void LayoutEngine::forget(Node& node) {
  node.needsLayout_ = false;
  node.needsLayoutBelow_ = false;
  node.measured_.clear();
  node.measuredOverflowed_ = false;
  node.placedIn_.reset();
}

Size LayoutEngine::measureItem(const Item& item, ProposedSize proposal) {
  return measure(item, 0, item.at(0)->modifiers().size(), proposal);
}

void LayoutEngine::placeItem(const Item& item, Rect rect) {
  place(item, 0, item.at(0)->modifiers().size(), rect);
}

// An incremental pass reuses what the item's own node remembers: its
// answers to earlier proposals, and the rect it was placed in. A group
// around it is measured and placed every time: its frames are the union of
// its children's, built up as each of them is placed.
const Size* LayoutEngine::remembered(Node& node, const Key& key) {
  refresh(node);
  for (const auto& entry : node.measured_) {
    if (entry.width == key.width && entry.height == key.height && entry.stackAxis == key.axis) {
      return &entry.size;
    }
  }
  return nullptr;
}

void LayoutEngine::remember(Node& node, const Key& key, Size size) {
  if (node.measured_.full()) {
    node.measured_.clear();
    node.measuredOverflowed_ = true;
  }
  node.measured_.add({key.width, key.height, key.axis, size});
}

// The content children of `parent` as a container lays them out, appended
// to `out`; `wrappers` are the groups entered so far. Groups and absent
// content have no layout of their own: collecting them is what lays them
// out.
void LayoutEngine::collectItems(Node& parent, std::vector<Node*>& wrappers,
                                std::optional<Axis> stackAxis, ItemList& out) {
  for (const auto& child : parent.children()) {
    if (child->role() != NodeRole::content) continue;
    NodeKind kind = child->kind();
    if (isTransparentContainer(kind)) {
      forget(*child);
      wrappers.push_back(child.get());
      collectItems(*child, wrappers, stackAxis, out);
      wrappers.pop_back();
    } else if (kind == NodeKind::empty && child->modifiers().empty()) {
      forget(*child);
      continue;  // absent content takes no place, not even spacing
    } else {
      std::span<Node* const> kept;
      if (!wrappers.empty()) {
        auto* copy = static_cast<Node**>(arena_.allocate(wrappers.size() * sizeof(Node*), alignof(Node*)));
        std::copy(wrappers.begin(), wrappers.end(), copy);
        kept = std::span<Node* const>(copy, wrappers.size());
      }
      out.push_back(Item{child.get(), kept, stackAxis});
    }
  }
}

// The one child a view with one body lays out, when it needs no collecting
// (no group, ForEach or absent content): most composites. Null otherwise.
Node* LayoutEngine::soleItem(const Node& node) {
  Node* only = nullptr;
  for (const auto& child : node.children()) {
    if (child->role() != NodeRole::content) continue;
    if (only) return nullptr;
    only = child.get();
  }
  if (!only || isTransparentContainer(only->kind())) return nullptr;
  if (only->kind() == NodeKind::empty && only->modifiers().empty()) return nullptr;
  return only;
}

const LayoutEngine::ItemList& LayoutEngine::items(Node& node, std::optional<Axis> stackAxis) {
  // A node's children are always collected with the same axis (its own).
  auto [entry, isNew] = memo_->items.try_emplace(&node);
  ItemList& result = entry->second;
  if (!isNew) return result;
  result.reserve(node.children().size());
  std::vector<Node*> wrappers;
  collectItems(node, wrappers, stackAxis, result);
  return result;
}

Size LayoutEngine::measure(const Item& item, std::size_t index, std::size_t level,
                           ProposedSize p) {
  Node& node = *item.at(index);
  const auto& modifiers = node.modifiers();
  // Memoised where an item is entered (a full pass also at its content):
  // enough to keep nested stacks linear without hashing every modifier.
  const bool ownNode = mode_ == Mode::incremental && index == item.wrappers.size() && level == modifiers.size();
  if (ownNode) {
    Key key{&node, item.node, level, encode(p.width), encode(p.height),
            item.stackAxis ? static_cast<int>(*item.stackAxis) : -1};
    if (const Size* size = remembered(node, key)) return *size;
    Size size = measureOwn(item, index, level, p);
    remember(node, key, size);
    return size;
  }
  return measureOwn(item, index, level, p);
}

Size LayoutEngine::measureOwn(const Item& item, std::size_t index, std::size_t level, ProposedSize p) {
  Node& node = *item.at(index);
  const auto& modifiers = node.modifiers();
  // An incremental pass finds the item's own answers in its node already,
  // and what is below its modifiers is other nodes that keep theirs.
  const bool memoised = index == 0 && level == modifiers.size() && mode_ == Mode::full;
  while (level > 0 && !affectsSize(modifiers[level - 1])) --level;
  if (level == 0 && index < item.wrappers.size()) {
    return measure(item, index + 1, item.at(index + 1)->modifiers().size(), p);
  }
  Key key{&node, item.node, level, encode(p.width), encode(p.height),
          item.stackAxis ? static_cast<int>(*item.stackAxis) : -1};
  if (memoised || (level == 0 && mode_ == Mode::full)) {
    if (auto found = memo_->cache.find(key); found != memo_->cache.end()) return found->second;
  } else {
    key.node = nullptr;
  }

  Size result;
  if (level == 0) {
    result = measureContent(node, p, item.stackAxis);
  } else {
    const Modifier& m = modifiers[level - 1];
    auto inner = [&](ProposedSize proposal) { return measure(item, index, level - 1, proposal); };
    if (auto* padding = m.as<Padding>()) {
      Size child = inner(inset(p, padding->insets));
      result = Size{child.width + padding->insets.horizontal(), child.height + padding->insets.vertical()};
    } else if (auto* frame = m.as<Frame>()) {
      Size child = inner({frame->width ? frame->width : p.width, frame->height ? frame->height : p.height});
      result = Size{frame->width.value_or(child.width), frame->height.value_or(child.height)};
    } else if (auto* flexible = m.as<FlexibleFrame>()) {
      Size child = inner({flexibleProposal(p.width, flexible->minWidth, flexible->idealWidth, flexible->maxWidth),
                          flexibleProposal(p.height, flexible->minHeight, flexible->idealHeight,
                                           flexible->maxHeight)});
      result = Size{flexibleResult(p.width, flexible->minWidth, flexible->idealWidth, flexible->maxWidth,
                                   child.width),
                    flexibleResult(p.height, flexible->minHeight, flexible->idealHeight,
                                   flexible->maxHeight, child.height)};
    } else if (m.as<Position>()) {
      Size child = inner(p);
      result = Size{p.width.value_or(child.width), p.height.value_or(child.height)};
    } else if (auto* aspect = m.as<AspectRatio>()) {
      double ratio = 1;
      if (aspect->ratio && *aspect->ratio > 0) {
        ratio = *aspect->ratio;
      } else {
        Size ideal = inner({});
        ratio = ideal.height > 0 && ideal.width > 0 ? ideal.width / ideal.height : 1;
      }
      ProposedSize proposal;
      bool finiteWidth = p.width && std::isfinite(*p.width);
      bool finiteHeight = p.height && std::isfinite(*p.height);
      if (finiteWidth && finiteHeight) {
        Size byWidth{*p.width, *p.width / ratio};
        Size byHeight{*p.height * ratio, *p.height};
        bool fit = aspect->mode == ContentMode::fit;
        Size chosen = (byWidth.height <= *p.height) == fit ? byWidth : byHeight;
        proposal = {chosen.width, chosen.height};
      } else if (finiteWidth) {
        proposal = {*p.width, *p.width / ratio};
      } else if (finiteHeight) {
        proposal = {*p.height * ratio, *p.height};
      } else {
        proposal = p;
      }
      result = inner(proposal);
    }
  }
  if (key.node) memo_->cache.emplace(key, result);
  return result;
}

Size LayoutEngine::measureContent(Node& node, ProposedSize p, std::optional<Axis> stackAxis) {
  switch (node.kind()) {
    case NodeKind::empty:
      return Size{};
    case NodeKind::text: {
      auto [entry, isNew] = memo_->textSizes.try_emplace(&node);
      if (isNew) {
        std::string text = node.content<TextContent>()->text;
        if (auto textCase = node.environment().get(textCaseKey)) {
          text = *textCase == TextCase::uppercase ? text::uppercased(text) : text::lowercased(text);
        }
        entry->second = metrics_.measure(text, node.resolvedFont());
      }
      Size natural = entry->second;
      if (p.width) natural.width = std::min(natural.width, std::max(0.0, *p.width));
      return natural;
    }
    case NodeKind::image: {
      const Image& image = node.content<ImageContent>()->image;
      Size natural;
      if (image.source() == Image::Source::data) {
        natural = image.pixelSize();
      } else {
        double side = node.resolvedFont().pointSize();
        natural = Size{side, side};
      }
      if (node.modifier<Resizable>()) return Size{p.width.value_or(natural.width), p.height.value_or(natural.height)};
      return natural;
    }
    case NodeKind::color:
    case NodeKind::linearGradient:
    case NodeKind::shape:
    case NodeKind::geometryReader:
    case NodeKind::representable:
      return fill(p, unspecifiedLength);
    case NodeKind::spacer: {
      double minimum = node.content<SpacerContent>()->minLength.value_or(0);
      if (!stackAxis) return Size{p.width.value_or(0), p.height.value_or(0)};
      double length = std::max(minimum, along(p, *stackAxis).value_or(minimum));
      return makeSize(length, 0, *stackAxis);
    }
    case NodeKind::divider:
      if (stackAxis == Axis::horizontal) return Size{dividerThickness, p.height.value_or(unspecifiedLength)};
      return Size{p.width.value_or(unspecifiedLength), dividerThickness};
    case NodeKind::vstack:
    case NodeKind::hstack: {
      bool vertical = node.kind() == NodeKind::vstack;
      Axis axis = vertical ? Axis::vertical : Axis::horizontal;
      double spacing = (vertical ? node.content<VStackContent>()->spacing
                                 : node.content<HStackContent>()->spacing)
                           .value_or(defaultSpacing);
      const auto& children = items(node, axis);
      return stackSize(planStack(children, axis, spacing, p), axis, spacing);
    }
    case NodeKind::label: {
      auto children = items(node, Axis::horizontal);
      std::reverse(children.begin(), children.end());  // icon, then title
      return stackSize(planStack(children, Axis::horizontal, defaultSpacing, p), Axis::horizontal,
                       defaultSpacing);
    }
    case NodeKind::scrollView: {
      Axis axis = node.content<ScrollViewContent>()->axis;
      Size content;
      for (const auto& child : items(node, std::nullopt)) {
        Size size = measureItem(child, makeProposal(std::nullopt, across(p, axis), axis));
        content = Size{std::max(content.width, size.width), std::max(content.height, size.height)};
      }
      return Size{p.width.value_or(content.width), p.height.value_or(content.height)};
    }
    case NodeKind::lazyHGrid:
    case NodeKind::lazyVGrid:
      return planGrid(node, items(node, std::nullopt), p).total;
    default: {
      // A ZStack, or a view with one body (button, composite, ...).
      if (Node* only = soleItem(node)) return measureItem(Item{only, {}, std::nullopt}, p);
      Size result;
      for (const auto& child : items(node, std::nullopt)) {
        Size size = measureItem(child, p);
        result = Size{std::max(result.width, size.width), std::max(result.height, size.height)};
      }
      return result;
    }
  }
}

std::vector<Size> LayoutEngine::planStack(const ItemList& children, Axis axis,
                                          double spacing, ProposedSize p) {
  std::vector<Size> sizes(children.size());
  if (children.empty()) return sizes;
  const std::optional<double> crossProposal = across(p, axis);
  const std::optional<double> alongProposal = along(p, axis);
  if (!alongProposal) {
    for (std::size_t i = 0; i < children.size(); ++i) {
      sizes[i] = measureItem(children[i], makeProposal(std::nullopt, crossProposal, axis));
    }
    return sizes;
  }
  double remaining = *alongProposal - spacing * static_cast<double>(children.size() - 1);
  std::vector<std::pair<double, std::size_t>> flexible;  // (flexibility, index)
  for (std::size_t i = 0; i < children.size(); ++i) {
    Size smallest = measureItem(children[i], makeProposal(0.0, crossProposal, axis));
    Size largest = measureItem(children[i], makeProposal(infinity, crossProposal, axis));
    double flexibility = along(largest, axis) - along(smallest, axis);
    if (flexibility <= 1e-9) {
      sizes[i] = smallest;
      if (std::isfinite(remaining)) remaining -= along(smallest, axis);
    } else {
      flexible.emplace_back(flexibility, i);
    }
  }
  std::stable_sort(flexible.begin(), flexible.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::size_t left = flexible.size();
  for (const auto& [flexibility, index] : flexible) {
    double share = std::max(0.0, remaining / static_cast<double>(left));
    sizes[index] = measureItem(children[index], makeProposal(share, crossProposal, axis));
    if (std::isfinite(remaining)) remaining -= along(sizes[index], axis);
    --left;
  }
  return sizes;
}

Size LayoutEngine::stackSize(const std::vector<Size>& sizes, Axis axis, double spacing) const {
  if (sizes.empty()) return Size{};
  double total = spacing * static_cast<double>(sizes.size() - 1);
  double cross = 0;
  for (const auto& size : sizes) {
    total += along(size, axis);
    cross = std::max(cross, across(size, axis));
  }
  return makeSize(total, cross, axis);
}

LayoutEngine::GridPlan LayoutEngine::planGrid(Node& node, const ItemList& cells,
                                              ProposedSize p) {
  const auto& grid = *node.content<GridContent>();
  GridPlan plan;
  const Axis growth = grid.axis;
  plan.lineAxis = other(growth);
  const std::size_t lines = grid.items.size();
  if (lines == 0) return plan;

  // Line sizes: fixed ones first, flexible ones share what is left.
  double spacingTotal = 0;
  for (std::size_t i = 0; i + 1 < lines; ++i) spacingTotal += grid.items[i].spacing.value_or(defaultSpacing);
  double fixedTotal = 0;
  std::size_t flexibleCount = 0;
  for (const auto& line : grid.items) {
    if (line.kind == GridItem::Kind::fixed) fixedTotal += line.minimum;
    else ++flexibleCount;
  }
  std::optional<double> available = along(p, plan.lineAxis);
  plan.lineSizes.resize(lines);
  for (std::size_t i = 0; i < lines; ++i) {
    const auto& line = grid.items[i];
    if (line.kind == GridItem::Kind::fixed) {
      plan.lineSizes[i] = line.minimum;
    } else if (available && std::isfinite(*available)) {
      double share = (*available - fixedTotal - spacingTotal) / static_cast<double>(flexibleCount);
      plan.lineSizes[i] = clampLength(share, line.minimum, line.maximum);
    } else {
      plan.lineSizes[i] = line.minimum;
    }
  }
  double offset = 0;
  plan.lineOffsets.resize(lines);
  for (std::size_t i = 0; i < lines; ++i) {
    plan.lineOffsets[i] = offset;
    offset += plan.lineSizes[i] + (i + 1 < lines ? grid.items[i].spacing.value_or(defaultSpacing) : 0);
  }
  const double linesLength = offset;

  // Tracks grow as cells fill each one in turn.
  const std::size_t tracks = (cells.size() + lines - 1) / lines;
  plan.trackSizes.assign(tracks, 0);
  plan.cellSizes.resize(cells.size());
  for (std::size_t k = 0; k < cells.size(); ++k) {
    std::size_t line = k % lines;
    std::size_t track = k / lines;
    Size size = measureItem(cells[k], makeProposal(std::nullopt, plan.lineSizes[line], growth));
    plan.cellSizes[k] = size;
    plan.trackSizes[track] = std::max(plan.trackSizes[track], along(size, growth));
  }
  const double trackSpacing = grid.spacing.value_or(defaultSpacing);
  offset = 0;
  plan.trackOffsets.resize(tracks);
  for (std::size_t t = 0; t < tracks; ++t) {
    plan.trackOffsets[t] = offset;
    offset += plan.trackSizes[t] + (t + 1 < tracks ? trackSpacing : 0);
  }
  plan.total = makeSize(offset, cells.empty() ? 0 : linesLength, growth);
  return plan;
}

void LayoutEngine::setFrame(Node& node, std::size_t level, Rect rect, bool isWrapper) {
  if (isWrapper) {
    // A group stands for all its children: its frames are their union.
    bool seen = std::find(placedWrappers_.begin(), placedWrappers_.end(), &node) != placedWrappers_.end();
    if (seen) {
      Rect old = node.levelFrames[level];
      double minX = std::min(old.minX(), rect.minX());
      double minY = std::min(old.minY(), rect.minY());
      rect = Rect(minX, minY, std::max(old.maxX(), rect.maxX()) - minX,
                  std::max(old.maxY(), rect.maxY()) - minY);
    } else if (level == 0) {
      placedWrappers_.push_back(&node);
    }
  }
  node.levelFrames[level] = rect;
  if (level == 0) node.contentFrame = rect;
  if (level + 1 == node.levelFrames.size()) node.frame = rect;
}

void LayoutEngine::place(const Item& item, std::size_t index, std::size_t level, Rect rect) {
  Node& node = *item.at(index);
  const bool isWrapper = index < item.wrappers.size();
  const auto& modifiers = node.modifiers();
  // Frames written by a full pass are not what an incremental one left.
  if (mode_ == Mode::full) node.placedIn_.reset();
  if (mode_ == Mode::incremental && !isWrapper && level == modifiers.size()) {
    refresh(node);
    if (node.placedIn_ == rect) return;
    node.placedIn_ = rect;
    node.placedAxis_ = item.stackAxis ? static_cast<int>(*item.stackAxis) : -1;
  }
  if (node.levelFrames.size() != modifiers.size() + 1) node.levelFrames.assign(modifiers.size() + 1, Rect());
  for (; level > 0; --level) {
    const Modifier& m = modifiers[level - 1];
    if (auto* offset = m.as<Offset>()) rect = rect.offsetBy(offset->x, offset->y);
    setFrame(node, level, rect, isWrapper);
    auto innerSize = [&](ProposedSize proposal) { return measure(item, index, level - 1, proposal); };
    if (auto* padding = m.as<Padding>()) {
      const EdgeInsets& e = padding->insets;
      rect = Rect(rect.origin.x + e.leading, rect.origin.y + e.top,
                  std::max(0.0, rect.size.width - e.horizontal()),
                  std::max(0.0, rect.size.height - e.vertical()));
    } else if (auto* frame = m.as<Frame>()) {
      Size child = innerSize({frame->width ? frame->width : std::optional<double>(rect.size.width),
                              frame->height ? frame->height : std::optional<double>(rect.size.height)});
      rect = aligned(child, rect, frame->alignment);
    } else if (auto* flexible = m.as<FlexibleFrame>()) {
      Size child = innerSize({flexibleProposal(rect.size.width, flexible->minWidth, flexible->idealWidth,
                                               flexible->maxWidth),
                              flexibleProposal(rect.size.height, flexible->minHeight,
                                               flexible->idealHeight, flexible->maxHeight)});
      rect = aligned(child, rect, flexible->alignment);
    } else if (auto* position = m.as<Position>()) {
      Size child = innerSize({rect.size.width, rect.size.height});
      rect = Rect(rect.origin.x + position->x - child.width / 2,
                  rect.origin.y + position->y - child.height / 2, child.width, child.height);
    } else if (m.as<AspectRatio>()) {
      // Measuring this level gives the child's answer to the fitted proposal.
      Size child = measure(item, index, level, {rect.size.width, rect.size.height});
      rect = aligned(child, rect, Alignment::center());
    } else if (const View* layerView = m.layerContent()) {
      (void)layerView;
      Alignment alignment;
      if (auto* background = m.as<Background>()) alignment = background->alignment;
      else if (auto* overlay = m.as<Overlay>()) alignment = overlay->alignment;
      else if (auto* mask = m.as<Mask>()) alignment = mask->alignment;
      else continue;  // a context menu's items are not laid out in place
      if (auto layer = node.layer(level - 1)) {
        Item layerItem{layer.get(), {}, std::nullopt};
        Size size = measureItem(layerItem, {rect.size.width, rect.size.height});
        placeItem(layerItem, aligned(size, rect, alignment));
      }
    }
  }
  setFrame(node, 0, rect, isWrapper);
  if (isWrapper) {
    place(item, index + 1, item.at(index + 1)->modifiers().size(), rect);
  } else {
    placeContent(node, rect);
  }
}

void LayoutEngine::placeContent(Node& node, Rect rect) {
  const ProposedSize proposal{rect.size.width, rect.size.height};
  switch (node.kind()) {
    case NodeKind::vstack:
    case NodeKind::hstack:
    case NodeKind::label: {
      Axis axis = node.kind() == NodeKind::vstack ? Axis::vertical : Axis::horizontal;
      double spacing = defaultSpacing;
      Alignment alignment;
      if (auto* v = node.content<VStackContent>()) {
        spacing = v->spacing.value_or(defaultSpacing);
        alignment.horizontal = v->alignment;
      } else if (auto* h = node.content<HStackContent>()) {
        spacing = h->spacing.value_or(defaultSpacing);
        alignment.vertical = h->alignment;
      }
      // A label places its icon first: it alone needs a reversed copy.
      const ItemList& collected = items(node, axis);
      ItemList reversed;
      if (node.kind() == NodeKind::label) reversed.assign(collected.rbegin(), collected.rend());
      const ItemList& children = node.kind() == NodeKind::label ? reversed : collected;
      auto sizes = planStack(children, axis, spacing, proposal);
      Size total = stackSize(sizes, axis, spacing);
      // Children that overflow the stack spill over both of its sides.
      double position = (axis == Axis::horizontal ? rect.origin.x : rect.origin.y) +
                        (along(rect.size, axis) - along(total, axis)) / 2;
      for (std::size_t i = 0; i < children.size(); ++i) {
        Rect slot = axis == Axis::horizontal
                        ? Rect(position, rect.origin.y, sizes[i].width, rect.size.height)
                        : Rect(rect.origin.x, position, rect.size.width, sizes[i].height);
        placeItem(children[i], aligned(sizes[i], slot, alignment));
        position += along(sizes[i], axis) + spacing;
      }
      break;
    }
    case NodeKind::scrollView: {
      Axis axis = node.content<ScrollViewContent>()->axis;
      const auto& children = items(node, std::nullopt);
      Size content;
      std::vector<Size> sizes;
      for (const auto& child : children) {
        sizes.push_back(measureItem(child, makeProposal(std::nullopt, across(rect.size, axis), axis)));
        content = Size{std::max(content.width, sizes.back().width),
                       std::max(content.height, sizes.back().height)};
      }
      node.scrollContentSize = content;
      double maximum = std::max(0.0, along(content, axis) - along(rect.size, axis));
      if (axis == Axis::horizontal) {
        node.scrollOffset = Point{std::clamp(node.scrollOffset.x, 0.0, maximum), 0};
      } else {
        node.scrollOffset = Point{0, std::clamp(node.scrollOffset.y, 0.0, maximum)};
      }
      for (std::size_t i = 0; i < children.size(); ++i) {
        Rect slot(rect.origin.x - node.scrollOffset.x, rect.origin.y - node.scrollOffset.y,
                  axis == Axis::horizontal ? sizes[i].width : rect.size.width,
                  axis == Axis::horizontal ? rect.size.height : sizes[i].height);
        placeItem(children[i], aligned(sizes[i], slot, Alignment::center()));
      }
      break;
    }
    case NodeKind::lazyHGrid:
    case NodeKind::lazyVGrid: {
      const auto& grid = *node.content<GridContent>();
      const auto& cells = items(node, std::nullopt);
      GridPlan plan = planGrid(node, cells, proposal);
      const std::size_t lines = plan.lineSizes.size();
      const Axis growth = grid.axis;
      for (std::size_t k = 0; k < cells.size() && lines > 0; ++k) {
        std::size_t line = k % lines;
        std::size_t track = k / lines;
        Size cellSize = makeSize(plan.trackSizes[track], plan.lineSizes[line], growth);
        Point origin = growth == Axis::horizontal
                           ? Point{rect.origin.x + plan.trackOffsets[track], rect.origin.y + plan.lineOffsets[line]}
                           : Point{rect.origin.x + plan.lineOffsets[line], rect.origin.y + plan.trackOffsets[track]};
        placeItem(cells[k], aligned(plan.cellSizes[k], Rect(origin, cellSize), grid.items[line].alignment));
      }
      break;
    }
    case NodeKind::representable:
      if (auto view = node.platformView()) view->setLayoutFrame(rect);
      break;
    case NodeKind::geometryReader: {
      if (node.geometrySize() != rect.size) geometryChanges_.push_back(&node);
      for (const auto& child : items(node, std::nullopt)) {
        Size size = measureItem(child, proposal);
        placeItem(child, Rect(rect.origin, size));
      }
      break;
    }
    default: {
      Alignment alignment;
      if (auto* z = node.content<ZStackContent>()) alignment = z->alignment;
      if (Node* only = soleItem(node)) {
        const Item item{only, {}, std::nullopt};
        placeItem(item, aligned(measureItem(item, proposal), rect, alignment));
        break;
      }
      for (const auto& child : items(node, std::nullopt)) {
        Size size = measureItem(child, proposal);
        placeItem(child, aligned(size, rect, alignment));
      }
      break;
    }
  }
}

}  // namespace platform::ui
