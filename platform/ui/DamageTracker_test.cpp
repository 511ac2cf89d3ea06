#include "platform/ui/DamageTracker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/UI.h"

namespace platform::ui {
namespace {

// A row of square keys, 40 points apart; `change` alters one of them.
struct Row {
  int changed = -1;
  std::string text = "b";
  Color fill = Color::white();
  double offset = 0;
  bool hidden = false;
  double shadow = 0;
  double corner = 4;
};

View rowView(const Row& row) {
  std::vector<View> keys;
  for (int i = 0; i < 5; ++i) {
    const bool changed = i == row.changed;
    View key = Text(changed ? row.text : "a")
                   .frame(30, 30)
                   .background(RoundedRectangle(changed ? row.corner : 4).fill(changed ? row.fill : Color::white()))
                   .offset(changed ? row.offset : 0, 0);
    if (changed && row.hidden) key = std::move(key).hidden();
    keys.push_back(std::move(key).padding(5));
  }
  View stack = HStack(VerticalAlignment::center, 0, keys);
  if (row.shadow > 0) stack = std::move(stack).shadow(Color::black(), row.shadow, 0, 2);
  return stack;
}

bool overlaps(const std::vector<Rect>& rects, Rect area) {
  for (const auto& r : rects) {
    if (r.minX() < area.maxX() && area.minX() < r.maxX() && r.minY() < area.maxY() && area.minY() < r.maxY()) {
      return true;
    }
  }
  return false;
}

// The damage of drawing `before`, then `after` in the same host.
std::vector<Rect> damageBetween(const Row& before, const Row& after) {
  ViewHost host(rowView(before));
  host.layout(Size{200, 40});
  DamageTracker tracker;
  tracker.beginFrame();
  tracker.addTree(*host.root(), Point{0, 100});
  tracker.endFrame();
  host.setRootView(rowView(after));
  tracker.beginFrame();
  tracker.addTree(*host.root(), Point{0, 100});
  tracker.endFrame();
  return tracker.damage();
}

// The key at `index` on screen (the tree is moved down by 100).
Rect keyArea(int index) { return Rect(40 * index + 5, 105, 30, 30); }

TEST(DamageTracker, AViewBuiltAgainTheSameDamagesNothing) {
  EXPECT_TRUE(damageBetween(Row{}, Row{}).empty());
  EXPECT_TRUE(damageBetween(Row{.changed = 2}, Row{.changed = 2}).empty());
}

TEST(DamageTracker, AChangeDamagesWhereTheChangedViewDrawsAndNowhereElse) {
  struct Case {
    const char* name;
    Row after;
    std::vector<Rect> damaged;
  };
  const std::vector<Case> cases = {
      {"text", Row{.changed = 2, .text = "c"}, {keyArea(2)}},
      {"fill", Row{.changed = 2, .fill = Color::red()}, {keyArea(2)}},
      {"moved", Row{.changed = 2, .offset = 20}, {keyArea(2), keyArea(2).offsetBy(20, 0)}},
      {"hidden", Row{.changed = 2, .hidden = true}, {keyArea(2)}},
      {"rounder corners", Row{.changed = 2, .corner = 9}, {keyArea(2)}},
  };
  for (const auto& c : cases) {
    const auto damage = damageBetween(Row{.changed = 2}, c.after);
    for (const auto& area : c.damaged) EXPECT_TRUE(overlaps(damage, area)) << c.name;
    EXPECT_FALSE(overlaps(damage, keyArea(0))) << c.name;
    EXPECT_FALSE(overlaps(damage, keyArea(4))) << c.name;
  }
}

TEST(DamageTracker, AShadowAroundTheChangeDamagesWhereItFalls) {
  const auto damage = damageBetween(Row{.changed = 2, .shadow = 6}, Row{.changed = 2, .text = "c", .shadow = 6});
  // The key's shadow falls 2 below it, spread by 3.
  EXPECT_TRUE(overlaps(damage, Rect(keyArea(2).minX(), keyArea(2).maxY() + 4, 30, 1)));
  EXPECT_FALSE(overlaps(damage, keyArea(0)));
}

TEST(DamageTracker, AShadowThatChangesDamagesEverythingItShadows) {
  const auto damage = damageBetween(Row{.shadow = 2}, Row{.shadow = 6});
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(overlaps(damage, keyArea(i))) << i;
}

// An outline that leaves its frame below, as a callout's reaches down over
// its key.
class HangingShape : public Shape {
 public:
  Path path(Rect rect) const override {
    Path path;
    path.addRect(rect);
    path.addRect(Rect(rect.minX(), rect.maxY(), rect.size.width, 25));
    return path;
  }
};

// The damage of `before` then `after`, each alone at the top left of a
// 40-point square screen.
std::vector<Rect> damageBetween(View before, View after) {
  ViewHost host(std::move(before).frame(40, 40, Alignment::topLeading()));
  host.layout(Size{40, 40});
  DamageTracker tracker;
  tracker.beginFrame();
  tracker.addTree(*host.root(), Point{});
  tracker.endFrame();
  host.setRootView(std::move(after).frame(40, 40, Alignment::topLeading()));
  tracker.beginFrame();
  tracker.addTree(*host.root(), Point{});
  tracker.endFrame();
  return tracker.damage();
}

TEST(DamageTracker, InkOutsideAFrameIsDamagedWithIt) {
  struct Case {
    const char* name;
    View before;
    View after;
    Rect inked;  // drawn outside the frame, before or after
  };
  const AnyShape hanging(std::make_shared<HangingShape>());
  const std::vector<Case> cases = {
      // Cut to a frame narrower than its ellipsis, which ends past the frame.
      {"an ellipsis", Text("abcdefgh").font(Font::system(30)).lineLimit(1).frame(4, 30),
       Text("abcdefgi").font(Font::system(30)).lineLimit(1).frame(4, 30), Rect(22, 10, 4, 10)},
      {"a path", hanging.fill(Color::red()).frame(20, 20), hanging.fill(Color::blue()).frame(20, 20),
       Rect(5, 36, 10, 4)},
      {"a mitred stroke", hanging.stroke(Color::red(), StrokeStyle{.lineWidth = 4}).frame(20, 20),
       hanging.stroke(Color::blue(), StrokeStyle{.lineWidth = 4}).frame(20, 20), Rect(5, 46, 10, 1)},
  };
  for (const auto& c : cases) EXPECT_TRUE(overlaps(damageBetween(c.before, c.after), c.inked)) << c.name;
}

TEST(DamageTracker, AreasTakeInTheGlyphsReachingIntoThem) {
  ViewHost host(HStack(VerticalAlignment::top, 0, {Text("Wide").font(Font::system(40)), Spacer()}));
  host.layout(Size{200, 60});
  DamageTracker tracker;
  tracker.beginFrame();
  tracker.addTree(*host.root(), Point{});
  tracker.endFrame();
  const Rect corner(0, 0, 2, 2);
  const Rect grown = tracker.withGlyphsReaching(corner);
  EXPECT_GT(grown.maxX(), 40) << "the whole word";
  EXPECT_GT(grown.maxY(), 40);
  EXPECT_EQ(tracker.withGlyphsReaching(Rect(150, 55, 2, 2)), Rect(150, 55, 2, 2)) << "no glyph there";
  EXPECT_GE(tracker.glyphReach(), 40);
}

TEST(DamageTracker, ATreeThatLeftDamagesWhereItDrew) {
  ViewHost first(rowView(Row{}));
  first.layout(Size{200, 40});
  DamageTracker tracker;
  tracker.beginFrame();
  tracker.addTree(*first.root(), Point{});
  tracker.endFrame();
  tracker.beginFrame();
  tracker.endFrame();
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(overlaps(tracker.damage(), keyArea(i).offsetBy(0, -100))) << i;
}

TEST(DamageTracker, OnlyTheNodesDrawingIntoTheAreaAreDrawn) {
  ViewHost host(rowView(Row{}));
  host.layout(Size{200, 40});
  DamageTracker tracker;
  tracker.beginFrame();
  tracker.addTree(*host.root(), Point{});
  tracker.endFrame();
  tracker.selectNodesDrawingInto(Rect(85, 5, 30, 30));  // the middle key
  const auto texts = host.findAll(NodeKind::text);
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_TRUE(tracker.needsDrawing(*host.root())) << "an ancestor of the key";
  EXPECT_TRUE(tracker.needsDrawing(*texts[2]));
  EXPECT_FALSE(tracker.needsDrawing(*texts[0]));
  EXPECT_FALSE(tracker.needsDrawing(*texts[4]));
}

}  // namespace
}  // namespace platform::ui
