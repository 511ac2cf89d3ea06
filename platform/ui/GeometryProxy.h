#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Geometry.h"

namespace platform::ui {

class Node;

// A coordinate space to measure a frame in: the view's own, the host's, or
// the nearest ancestor given a name with coordinateSpace(name).
struct CoordinateSpace {
  enum class Kind { local, global, named };

  Kind kind = Kind::local;
  std::string name;

  static CoordinateSpace local() { return {Kind::local, ""}; }
  static CoordinateSpace global() { return {Kind::global, ""}; }
  static CoordinateSpace named(std::string name) { return {Kind::named, std::move(name)}; }

  bool operator==(const CoordinateSpace&) const = default;
};

// The origin of `space` as seen from `node` (host coordinates): the node's
// own frame at `level` for local, (0, 0) for global, and for a named space
// the frame of the nearest ancestor (or the node itself) that declared the
// name, as it is where the name was declared. An unknown name measures in
// the host's space.
Point coordinateSpaceOrigin(const Node& node, std::size_t level, const CoordinateSpace& space);
// The frame (host coordinates) of the view that makes `space`, found as for
// coordinateSpaceOrigin; the root's frame for global and unknown names.
Rect coordinateSpaceFrame(const Node& node, std::size_t level, const CoordinateSpace& space);

// What a GeometryReader's content is given: the reader's size and frames
// (the reader's own frame, inside any modifiers applied to it).
// Frames are read from the laid-out tree when asked, so a proxy kept by a
// closure answers with the current layout; once its node is gone it answers
// with the size it was made with, at the origin.
class GeometryProxy {
 public:
  GeometryProxy() = default;
  GeometryProxy(std::weak_ptr<const Node> node, Size size)
      : node_(std::move(node)), size_(size) {}

  Size size() const;
  Rect frame(const CoordinateSpace& space) const;
  // The size of `space` itself (of the view that declared a named space).
  Size size(const CoordinateSpace& space) const;

 private:
  std::weak_ptr<const Node> node_;
  Size size_;
};

}  // namespace platform::ui
