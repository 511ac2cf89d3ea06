#include "platform/ui/Environment.h"

#include <gtest/gtest.h>

#include "platform/foundation/MainQueue.h"
#include "platform/reactive/Published.h"
#include "platform/ui/UI.h"

namespace platform::ui {
namespace {

inline const EnvironmentKey<int> depthKey{"depth", 0};
inline const EnvironmentKey<std::function<void()>> actionKey{"action", std::function<void()>()};

TEST(Environment, ValuesReachDescendantsAndAreOverriddenBelowAnOverride) {
  ViewHost host(VStack({
                           Text("inherits"),
                           VStack({Text("overridden")}).font(Font::caption()).foregroundColor(Color::red()),
                       })
                    .font(Font::title())
                    .environment(depthKey, 3));
  auto inherits = host.findText("inherits");
  auto overridden = host.findText("overridden");
  EXPECT_EQ(inherits->resolvedFont(), Font::title());
  EXPECT_EQ(inherits->resolvedForegroundColor(), Color::primary());
  EXPECT_EQ(inherits->environment().get(depthKey), 3);
  EXPECT_EQ(overridden->resolvedFont(), Font::caption());
  EXPECT_EQ(overridden->resolvedForegroundColor(), Color::red());
  EXPECT_EQ(overridden->environment().get(depthKey), 3);
}

TEST(Environment, ModifiersReachOnlyTheLayersTheyWrap) {
  ViewHost host(VStack({
      Text("a").font(Font::headline()).background(Text("inner")),
      Text("b").background(Text("outer")).font(Font::headline()),
  }));
  EXPECT_EQ(host.findText("inner")->resolvedFont(), Font::body())
      << "a background added after the font is outside it";
  EXPECT_EQ(host.findText("outer")->resolvedFont(), Font::headline());
}

TEST(Environment, ColorSchemeComesFromTheHostAndCanBeForcedBelow) {
  EnvironmentValues dark;
  dark.set(colorSchemeKey, ColorScheme::dark);
  ViewHost host(VStack({Text("host"), Text("forced").colorScheme(ColorScheme::light)}), dark);
  EXPECT_EQ(host.findText("host")->colorScheme(), ColorScheme::dark);
  EXPECT_EQ(host.findText("forced")->colorScheme(), ColorScheme::light);
  EXPECT_EQ(Color::primary().resolved(ColorScheme::dark), (Rgba{1, 1, 1, 1}));

  EnvironmentValues light;
  host.setEnvironment(light);
  EXPECT_EQ(host.findText("host")->colorScheme(), ColorScheme::light);
}

TEST(Environment, BoldAndTextAttributesResolveOnTheNode) {
  ViewHost host(Text("key")
                    .bold()
                    .lineLimit(1)
                    .textCase(TextCase::uppercase)
                    .minimumScaleFactor(0.5)
                    .font(Font::system(20, FontWeight::light)));
  const auto& environment = host.root()->environment();
  EXPECT_EQ(host.root()->resolvedFont(), Font::system(20, FontWeight::bold));
  EXPECT_EQ(environment.get(lineLimitKey), 1);
  EXPECT_EQ(environment.get(textCaseKey), TextCase::uppercase);
  EXPECT_EQ(environment.get(minimumScaleFactorKey), 0.5);
}

TEST(Environment, CopiesAreIndependentValues) {
  EnvironmentValues base;
  base.set(depthKey, 1);
  base.set(colorSchemeKey, ColorScheme::dark);
  EnvironmentValues copy = base;
  copy.set(depthKey, 2);
  copy.set(depthKey, 3);
  copy.setObject(std::make_shared<int>(7));

  EXPECT_EQ(base.get(depthKey), 1) << "a copy's writes stay in the copy";
  EXPECT_EQ(base.object<int>(), nullptr);
  EXPECT_EQ(copy.get(depthKey), 3);
  EXPECT_EQ(copy.get(colorSchemeKey), ColorScheme::dark) << "what the copy did not set is shared";
  EXPECT_EQ(*copy.object<int>(), 7);

  base.set(colorSchemeKey, ColorScheme::light);
  EXPECT_EQ(copy.get(colorSchemeKey), ColorScheme::dark) << "and so are the original's later writes";
  EXPECT_EQ(EnvironmentValues().get(depthKey), 0);
}

class KeyboardState : public ObservableObject {
 public:
  Published<int> type{*this, 0};
};
class TextState : public ObservableObject {
 public:
  Published<std::string> text{*this, ""};
};

struct Root {
  int* evaluations;
  View body(BodyContext& context) const {
    auto keyboard = context.environmentObject<KeyboardState>();
    ++*evaluations;
    return Text("type " + std::to_string(keyboard->type.get()));
  }
};

TEST(Environment, ObjectsAreFoundByTypeAndObservedByTheViewsThatReadThem) {
  auto keyboard = std::make_shared<KeyboardState>();
  auto text = std::make_shared<TextState>();
  int evaluations = 0;
  ViewHost host(View(Root{&evaluations}).environmentObject(keyboard).environmentObject(text));
  EXPECT_NE(host.findText("type 0"), nullptr);

  text->text.set("typed");  // supplied but not read: no redraw
  MainQueue::main().runUntilIdle();
  EXPECT_EQ(evaluations, 1);

  keyboard->type.set(2);
  MainQueue::main().runUntilIdle();
  EXPECT_EQ(evaluations, 2);
  EXPECT_NE(host.findText("type 2"), nullptr);
}

TEST(Environment, AMissingObjectFailsWithItsTypeName) {
  int evaluations = 0;
  try {
    ViewHost host(View(Root{&evaluations}).environmentObject(std::make_shared<TextState>()));
    FAIL() << "expected a missing environment object";
  } catch (const MissingEnvironmentObjectError& error) {
    EXPECT_EQ(error.typeName(), "KeyboardState");
    EXPECT_NE(std::string(error.what()).find("KeyboardState"), std::string::npos) << error.what();
  }
}

TEST(Environment, ContextReadsValuesAndTheNearestObject) {
  auto outer = std::make_shared<TextState>();
  auto inner = std::make_shared<TextState>();
  inner->text.set("inner");
  struct Reader {
    View body(BodyContext& context) const {
      return Text(context.environmentObject<TextState>()->text.get() + " " +
                  std::to_string(context.environment(depthKey)));
    }
  };
  ViewHost host(VStack({View(Reader{}).environmentObject(inner).environment(depthKey, 2)})
                    .environmentObject(outer));
  EXPECT_NE(host.findText("inner 2"), nullptr) << host.dump();
}

TEST(Environment, EqualityComparesEntriesInOrderByValue) {
  struct Object {};
  auto object = std::make_shared<Object>();
  auto make = [&](int depth, std::shared_ptr<Object> supplied) {
    EnvironmentValues values;
    values.set(fontKey, std::optional<Font>(Font::body()));
    values.set(depthKey, depth);
    values.setObject(std::move(supplied));
    return values;
  };
  EnvironmentValues empty;
  EXPECT_EQ(make(1, object), make(1, object)) << "written apart, the same values";
  EXPECT_NE(make(1, object), make(2, object));
  EXPECT_NE(make(1, object), make(1, std::make_shared<Object>())) << "objects by identity";
  EXPECT_NE(make(1, object), empty);
  EXPECT_EQ(empty, EnvironmentValues());

  EnvironmentValues depthFirst;
  depthFirst.set(depthKey, 1);
  depthFirst.set(fontKey, std::optional<Font>(Font::body()));
  depthFirst.setObject(object);
  EXPECT_NE(make(1, object), depthFirst) << "written in another order: not known to be equal";

  // A function cannot be compared: only the same entry is equal.
  EnvironmentValues withAction = make(1, object);
  withAction.set(actionKey, std::function<void()>([] {}));
  const EnvironmentValues copy = withAction;
  EXPECT_EQ(withAction, copy);
  EnvironmentValues again = make(1, object);
  again.set(actionKey, std::function<void()>([] {}));
  EXPECT_NE(withAction, again);
}

}  // namespace
}  // namespace platform::ui
