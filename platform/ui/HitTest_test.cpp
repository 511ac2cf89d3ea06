#include "platform/ui/HitTest.h"

#include <gtest/gtest.h>

#include "platform/ui/UI.h"

namespace platform::ui {
namespace {

// The touched view of a 100×100 host at (50, 50), described.
std::string hitAtCentre(View view) {
  ViewHost host(std::move(view));
  host.layout(Size{100, 100});
  auto chain = host.hitTest({50, 50});
  if (chain.empty()) return "nothing";
  return chain.front().node->description();
}

TEST(HitTest, ViewsTakeTouchesWhenTheyDrawSomethingOrHaveAContentShape) {
  struct Case {
    const char* name;
    View view;
    std::string expected;
  };
  std::vector<Case> cases = {
      {"clear passes", ZStack({View(Color::red()), View(Color::clear())}), "Color(red)"},
      {"white at 0.001 counts", ZStack({View(Color::red()), View(Color::white(1, 0.001))}),
       "Color(rgba(1, 1, 1, 0.001))"},
      {"content shape", ZStack({View(Color::red()), View(Color::clear()).contentShape(Rectangle())}),
       "Color(clear)"},
      {"hidden passes", ZStack({View(Color::red()), View(Color::blue()).hidden()}), "Color(red)"},
      {"hit testing disabled passes",
       ZStack({View(Color::red()), View(Color::blue()).allowsHitTesting(false)}), "Color(red)"},
      {"opacity 0 passes", ZStack({View(Color::red()), View(Color::blue()).opacity(0)}), "Color(red)"},
      {"front child first", ZStack({View(Color::red()), View(Color::blue())}), "Color(blue)"},
      {"stacks take nothing themselves", VStack(HorizontalAlignment::center, 40, {Text("a"), Text("b")}), "nothing"},
      {"text", Text("abc"), "Text(\"abc\")"},
      {"circle overlay", View(Color::clear()).overlay(Circle().fill(Color::red())), "Circle.fill(red)"},
      {"overlay before content",
       View(Color::red()).overlay(View(Color::blue()).frame(20, 20)), "Color(blue)"},
      {"background behind content", View(Color::clear()).frame(50, 50).background(Color::green()),
       "Color(green)"},
      {"clip shape", View(Color::red()).frame(100, 100).clipShape(Circle()), "Color(red)"},
  };
  for (auto& c : cases) EXPECT_EQ(hitAtCentre(c.view), c.expected) << c.name;
}

TEST(HitTest, ClippingAndShapesLimitWhereTouchesLand) {
  ViewHost host(ZStack({View(Color::clear()).frame(100, 100),
                        View(Color::red()).frame(100, 100).clipShape(Circle())}));
  host.layout(Size{100, 100});
  EXPECT_FALSE(host.hitTest({50, 50}).empty());
  EXPECT_TRUE(host.hitTest({2, 2}).empty()) << "outside the circle";
  EXPECT_TRUE(host.hitTest({100, 50}).empty()) << "frames are half-open";
}

TEST(HitTest, ChainGoesUpToTheRootAndKnowsWhichModifiersEncloseTheTouch) {
  ViewHost host(VStack({View(Color::red()).frame(60, 60).onTapGesture([] {}).overlay(
      View(Color::blue()).frame(20, 20))}));
  host.layout(Size{100, 100});
  auto chain = host.hitTest({50, 50});
  ASSERT_EQ(chain.size(), 3u);
  EXPECT_EQ(chain[0].node->description(), "Color(blue)");
  EXPECT_EQ(chain[1].node->description(), "Color(red)");
  EXPECT_EQ(chain[1].firstModifier, 3u) << "the tap is inside the overlay, not around it";
  EXPECT_EQ(chain[2].node, host.root());
  auto onRed = host.hitTest({25, 25});
  EXPECT_EQ(onRed[0].node->description(), "Color(red)");
  EXPECT_EQ(onRed[0].firstModifier, 0u);
}

}  // namespace
}  // namespace platform::ui
