#include "platform/ui/View.h"

#include <gtest/gtest.h>

#include "platform/foundation/MainQueue.h"
#include "platform/ui/UI.h"

namespace platform::ui {
namespace {

std::vector<std::string> descriptions(const View& view) {
  std::vector<std::string> result;
  for (const auto& modifier : view.definition().modifiers) result.push_back(modifier.description());
  return result;
}

TEST(View, ModifiersReturnNewValuesInApplicationOrder) {
  View base = Text("title");
  View modified = base.padding(EdgeSet::horizontal(), 4)
                      .padding(EdgeSet::vertical(), 10)
                      .padding(EdgeSet::top())
                      .frame(FlexibleFrame{.maxWidth = infinity})
                      .frame(std::nullopt, 50, Alignment::bottomLeading())
                      .offset(0, -3)
                      .scaleEffect(1.05)
                      .shadow(Color::black(), 0.4)
                      .clipShape(RoundedRectangle(5), FillStyle{.antialiased = true})
                      .rotation3DEffect(Angle::radians(3), 0, 1, 0)
                      .animation(Animation::default_(), 2)
                      .transition(Transition::opacity());
  EXPECT_TRUE(base.definition().modifiers.empty()) << "views are immutable values";
  EXPECT_EQ(descriptions(modified),
            (std::vector<std::string>{"padding(leading: 4, trailing: 4)",
                                      "padding(top: 10, bottom: 10)", "padding(top: 16)",
                                      "frame(maxWidth: inf)", "frame(height: 50, alignment: bottomLeading)",
                                      "offset(x: 0, y: -3)", "scaleEffect(1.05)",
                                      "shadow(color: black, radius: 0.4, x: 0, y: 0)",
                                      "clipShape(RoundedRectangle(cornerRadius: 5))",
                                      "rotation3DEffect(3, axis: (0, 1, 0), perspective: 1)",
                                      "animation(default)", "transition(opacity)"}));
  EXPECT_TRUE(View().isEmpty());
  EXPECT_FALSE(View().padding().isEmpty());
}

// A temporary's modifiers are added to its own definition; a definition that
// another view shares is copied first.
TEST(View, ModifiersNeverChangeAViewThatSharesTheDefinition) {
  const View base = Text("a").padding(2);
  const View copy = base;
  const View fromTemporaryCopy = View(base).frame(10, 10).offset(1, 1);
  const View fromLvalue = base.opacity(0.5);
  EXPECT_EQ(descriptions(base), (std::vector<std::string>{"padding(2)"}));
  EXPECT_EQ(descriptions(copy), (std::vector<std::string>{"padding(2)"}));
  EXPECT_EQ(descriptions(fromTemporaryCopy),
            (std::vector<std::string>{"padding(2)", "frame(width: 10, height: 10)", "offset(x: 1, y: 1)"}));
  EXPECT_EQ(descriptions(fromLvalue), (std::vector<std::string>{"padding(2)", "opacity(0.5)"}));
  EXPECT_TRUE(View().isEmpty()) << "the shared empty view is never changed";
  EXPECT_TRUE(View().padding().padding().definition().modifiers.size() == 2);
  EXPECT_TRUE(View().isEmpty());
}

struct Highlight {
  View body(BodyContext& context, View content) const {
    State<int> uses = context.state(0);
    return content.overlay(Text("uses " + std::to_string(uses.get())))
        .onTapGesture([uses] { uses.set(uses.get() + 1); });
  }
};

TEST(View, CustomModifiersAreViewsWithTheirOwnState) {
  ViewHost host(Text("key").modifier(Highlight{}));
  EXPECT_EQ(host.root()->typeName(), "Highlight");
  host.root()->children().at(0)->tap();
  MainQueue::main().runUntilIdle();
  EXPECT_NE(host.findText("uses 1"), nullptr) << host.dump();
}

TEST(View, AnimationRecordsMarkChangesOfTheirValue) {
  struct Pulsing {
    View body(BodyContext& context) const {
      State<int> value = context.state(0);
      return Text(std::to_string(value.get()))
          .animation(Animation::easeInOut(0.2), value.get() / 2)
          .onTapGesture([value] { value.set(value.get() + 1); });
    }
  };
  ViewHost host(Pulsing{});
  auto text = [&] { return host.find([](const Node& n) { return n.kind() == NodeKind::text; }); };
  text()->tap();  // 0 -> 1: the watched value stays 0
  MainQueue::main().runUntilIdle();
  EXPECT_FALSE(text()->lastTransaction().isAnimated());
  text()->tap();  // 1 -> 2: the watched value becomes 1
  MainQueue::main().runUntilIdle();
  EXPECT_TRUE(text()->lastTransaction().isAnimated());
  EXPECT_EQ(text()->lastTransaction().animation, Animation::easeInOut(0.2));
}

TEST(Transaction, NestsAndRestores) {
  withAnimation([] {
    EXPECT_TRUE(Transaction::current().isAnimated());
    withTransaction(Transaction{std::nullopt, false}, [] {
      EXPECT_FALSE(Transaction::current().isAnimated());
    });
    EXPECT_TRUE(Transaction::current().isAnimated());
  });
  EXPECT_FALSE(Transaction::current().isAnimated());
  EXPECT_THROW(withAnimation([] { throw Error("inside"); }), Error);
  EXPECT_FALSE(Transaction::current().isAnimated()) << "restored after an exception";
}

template <class T>
struct Row {};

TEST(TypeName, ReadableNamesDropNamespaces) {
  EXPECT_EQ(readableTypeName(typeid(Row<Color>)), "Row<Color>");
  EXPECT_EQ(readableTypeName(typeid(Highlight)), "Highlight");
  EXPECT_EQ(qualifiedTypeName(typeid(Color)), "platform::ui::Color");
}

// Keeps the geometry its body was given.
struct Measured {
  std::shared_ptr<GeometryProxy> geometry;
  View body(BodyContext& context) const {
    *geometry = context.geometry();
    return View(Color::red()).frame(40, 30);
  }
};

TEST(BodyContextTest, GeometryReadsTheViewsFramesWhenAskedWithoutAnotherEvaluation) {
  auto geometry = std::make_shared<GeometryProxy>();
  ViewHost host(
      HStack(VerticalAlignment::center, 0, {View(Color::blue()).frame(60, 30), View(Measured{geometry})})
          .coordinateSpace("row"));
  const std::size_t evaluations = host.updateCount();
  host.layout(Size{200, 100});
  EXPECT_EQ(host.updateCount(), evaluations) << "a size change evaluates nothing";
  EXPECT_EQ(geometry->size(), (Size{40, 30}));
  EXPECT_EQ(geometry->frame(CoordinateSpace::named("row")), Rect(60, 0, 40, 30));
  EXPECT_EQ(geometry->size(CoordinateSpace::named("row")), (Size{100, 30}));
  EXPECT_EQ(geometry->size(CoordinateSpace::global()), (Size{100, 30})) << "the root's size";
}

struct Label {
  std::string text;
  bool operator==(const Label&) const = default;
  View body() const { return Text(text); }
};
struct Unlabelled {
  std::string text;
  View body() const { return Text(text); }
};

TEST(View, EqualViewsAreTheSameValue) {
  struct Case {
    const char* name;
    View a;
    View b;
    bool equal;
  };
  const View shared = Unlabelled{"a"};
  const Case cases[] = {
      {"comparable composites, equal values", Label{"a"}, Label{"a"}, true},
      {"comparable composites, other values", Label{"a"}, Label{"b"}, false},
      {"a composite without operator==", Unlabelled{"a"}, Unlabelled{"a"}, false},
      {"one definition", shared, shared, true},
      {"texts", Text("a").padding(2), Text("a").padding(2), true},
      {"other padding", Text("a").padding(2), Text("a").padding(3), false},
      {"stacks of equal children", VStack({Text("a"), Label{"b"}}), VStack({Text("a"), Label{"b"}}), true},
      {"stacks of other children", VStack({Text("a")}), VStack({Text("b")}), false},
      {"equal backgrounds", Text("a").background(Color::red()), Text("a").background(Color::red()), true},
      {"closures", Text("a").onTapGesture([] {}), Text("a").onTapGesture([] {}), false},
      {"environment writes", Text("a").font(Font::body()), Text("a").font(Font::body()), false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.a == c.b, c.equal) << c.name;
}

}  // namespace
}  // namespace platform::ui
