#pragma once

#include <memory>
#include <unordered_set>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/ui/Node.h"

namespace platform::ui {

// Finds what changed in the drawing of laid-out trees since the last frame,
// so a frame repaints only there. Each frame the trees are walked in order:
// a node the tree has not evaluated again since it was last drawn, placed
// in the same frames, draws as before; an evaluated one is compared with the
// view it drew last time, for what the renderer reads. A node whose own
// drawing changed damages where it drew and where it draws now (with its
// ancestors' shadows and transforms); one whose effects or frames changed
// damages its whole subtree, old and new; a node that left damages where it
// was. Rectangles are in screen points.
class DamageTracker {
 public:
  // Starts a frame; trees are then added in drawing order.
  void beginFrame();
  // `root` drawn moved by `offset` (its tree's coordinates to the screen's).
  void addTree(const Node& root, Point offset);
  // Adds where the nodes that left since the last frame drew.
  void endFrame();
  // Picks the nodes that draw into `area` (a part of what is repainted: the
  // damage and more), for needsDrawing.
  void selectNodesDrawingInto(Rect area);

  // Forgets the last frame: the next one damages everything it draws.
  void reset();
  // The damaged rectangles of the frame (empty when nothing changed).
  const std::vector<Rect>& damage() const { return damage_; }
  // How far, in screen points, the shadows of the frame reach from what
  // casts them: drawing a part of the screen needs the drawing that far
  // around it.
  double shadowReach() const { return shadowReach_; }
  // The most any glyph of the frame may span, in screen points.
  double glyphReach() const { return glyphReach_; }
  // `area` with the whole of every text or symbol that draws into it.
  Rect withGlyphsReaching(Rect area) const;
  // Whether `node` or anything inside it draws into the selected area.
  bool needsDrawing(const Node& node) const { return touching_.count(&node) > 0; }

 private:
  struct Record {
    std::shared_ptr<const Node> node;  // keeps the address from being reused
    View view;
    EnvironmentValues environment;
    std::size_t evaluationCount = 0;
    std::vector<Rect> frames;  // contentFrame, then each level's
    Rect ink = Rect::null();   // where its content draws, in its own coordinates
    Rect own = Rect::null();   // what the node itself draws
    Rect subtree = Rect::null();  // with its layers and children
    bool seen = false;
    bool glyphs = false;  // draws text or a symbol
    double fontSize = 0;  // of its text or symbol
  };
  struct Walk;

  Rect visit(const Node& node, Walk& walk);
  Record* previous(const Node& node);
  void addDamage(Rect rect);

  std::vector<Record> records_;   // this frame's, in walk order: the first count_
  std::vector<Record> previous_;  // the last frame's: the first previousCount_
  std::size_t count_ = 0;
  std::size_t previousCount_ = 0;
  std::size_t cursor_ = 0;
  std::vector<Rect> damage_;
  std::unordered_set<const Node*> touching_;
  double shadowReach_ = 0;
  double glyphReach_ = 0;
};

}  // namespace platform::ui
