#include "platform/ui/ViewHost.h"

#include <gtest/gtest.h>

#include "platform/foundation/MainQueue.h"
#include "platform/reactive/Published.h"
#include "platform/ui/UI.h"

namespace platform::ui {
namespace {

class Model : public ObservableObject {
 public:
  Published<int> count{*this, 0};
};

struct Counts {
  int parent = 0;
  int child = 0;
  int sibling = 0;
};

void runMainQueue() { MainQueue::main().runUntilIdle(); }

Node* buttonAbove(const std::shared_ptr<Node>& node) {
  for (Node* n = node.get(); n; n = n->parent()) {
    if (n->kind() == NodeKind::button) return n;
  }
  return nullptr;
}

struct ObservingChild {
  std::shared_ptr<Model> model;
  Counts* counts;
  View body(BodyContext& context) const {
    context.observe(model);
    ++counts->child;
    return Text("child " + std::to_string(model->count.get()));
  }
};

struct PlainSibling {
  Counts* counts;
  View body() const {
    ++counts->sibling;
    return Text("sibling");
  }
};

struct Parent {
  std::shared_ptr<Model> model;
  bool observes;
  Counts* counts;
  View body(BodyContext& context) const {
    if (observes) context.observe(model);
    ++counts->parent;
    return VStack({ObservingChild{model, counts}, PlainSibling{counts}});
  }
};

TEST(ViewHostObservation, PublishedChangesReEvaluateObserversOnceAfterTheQueueRuns) {
  auto model = std::make_shared<Model>();
  Counts counts;
  ViewHost host(Parent{model, false, &counts});
  int redraws = 0;
  host.setDidUpdate([&] { ++redraws; });
  EXPECT_EQ(counts.child, 1);

  model->count.set(1);
  model->count.set(2);
  EXPECT_EQ(counts.child, 1) << "nothing runs before the main queue";
  EXPECT_TRUE(host.isUpdateScheduled());
  EXPECT_EQ(MainQueue::main().pendingCount(), 1u) << "changes share one scheduled update";

  runMainQueue();
  EXPECT_EQ(counts.child, 2);
  EXPECT_EQ(counts.parent, 1) << "the parent does not observe the model";
  EXPECT_EQ(counts.sibling, 1);
  EXPECT_NE(host.findText("child 2"), nullptr);
  EXPECT_EQ(redraws, 1);
}

TEST(ViewHostObservation, ParentAndChildObservingTheSameObjectAreEachEvaluatedOnce) {
  auto model = std::make_shared<Model>();
  Counts counts;
  ViewHost host(Parent{model, true, &counts});
  model->count.set(5);
  runMainQueue();
  EXPECT_EQ(counts.parent, 2);
  EXPECT_EQ(counts.child, 2);
  EXPECT_EQ(counts.sibling, 2) << "a re-evaluated parent rebuilds its children";
}

TEST(ViewHostObservation, AnUnobservedObjectReEvaluatesNothing) {
  auto observed = std::make_shared<Model>();
  auto other = std::make_shared<Model>();
  Counts counts;
  ViewHost host(Parent{observed, true, &counts});
  std::size_t updates = host.updateCount();

  other->count.set(3);
  runMainQueue();
  EXPECT_EQ(counts.parent, 1);
  EXPECT_EQ(counts.child, 1);
  EXPECT_EQ(host.updateCount(), updates);
  EXPECT_FALSE(host.needsUpdate());
}

struct SometimesObserving {
  std::shared_ptr<Model> model;
  std::shared_ptr<bool> observe;
  int* evaluations;
  View body(BodyContext& context) const {
    if (*observe) context.observe(model);
    ++*evaluations;
    return Text("x");
  }
};

TEST(ViewHostObservation, AViewThatStopsReadingAnObjectStopsObservingIt) {
  auto model = std::make_shared<Model>();
  auto observe = std::make_shared<bool>(true);
  int evaluations = 0;
  ViewHost host(SometimesObserving{model, observe, &evaluations});
  *observe = false;
  model->count.set(1);
  runMainQueue();
  EXPECT_EQ(evaluations, 2);
  model->count.set(2);
  runMainQueue();
  EXPECT_EQ(evaluations, 2);
}

TEST(ViewHostObservation, RemovedViewsAndDestroyedHostsIgnoreLaterChanges) {
  auto model = std::make_shared<Model>();
  Counts counts;
  {
    ViewHost host(Parent{model, true, &counts});
    host.setRootView(Text("other root"));
    model->count.set(1);
    runMainQueue();
    EXPECT_EQ(counts.parent, 1);
    host.setRootView(Parent{model, true, &counts});
    model->count.set(2);
  }
  runMainQueue();  // the host is gone: its scheduled update does nothing
  EXPECT_EQ(counts.parent, 2);
  EXPECT_EQ(model->objectWillChange().subscriberCount(), 0u);
}

// --- State ----------------------------------------------------------------

struct Counter {
  std::string title;
  std::function<void(State<int>)>* capture = nullptr;
  View body(BodyContext& context) const {
    State<int> count = context.state(0);
    if (capture) (*capture)(count);
    return Button([count] { count.set(count.get() + 1); },
                  Text(title + " " + std::to_string(count.get())));
  }
};

TEST(ViewHostState, StateSurvivesReEvaluationWithNewClosures) {
  auto model = std::make_shared<Model>();
  struct Root {
    std::shared_ptr<Model> model;
    View body(BodyContext& context) const {
      context.observe(model);
      return Counter{"round " + std::to_string(model->count.get())};
    }
  };
  ViewHost host(Root{model});
  host.findAll(NodeKind::button).at(0)->tap();
  host.findAll(NodeKind::button).at(0)->tap();
  runMainQueue();
  EXPECT_NE(host.findText("round 0 2"), nullptr) << host.dump();

  model->count.set(1);  // the parent builds a new Counter value with new closures
  runMainQueue();
  EXPECT_NE(host.findText("round 1 2"), nullptr) << host.dump();
  host.findAll(NodeKind::button).at(0)->tap();  // the new closure writes the same slot
  runMainQueue();
  EXPECT_NE(host.findText("round 1 3"), nullptr) << host.dump();
}

TEST(ViewHostState, HandlesFromEarlierEvaluationsShareTheSlot) {
  std::vector<State<int>> handles;
  std::function<void(State<int>)> capture = [&](State<int> s) { handles.push_back(s); };
  ViewHost host(Counter{"n", &capture});
  handles.front().set(4);
  runMainQueue();
  ASSERT_EQ(handles.size(), 2u);
  EXPECT_EQ(handles.back().get(), 4);
  handles.back().set(6);
  EXPECT_EQ(handles.front().get(), 6) << "a closure kept from the first evaluation reads the current value";
}

TEST(ViewHostState, WritingAnEqualValueSchedulesNothing) {
  std::vector<State<int>> handles;
  std::function<void(State<int>)> capture = [&](State<int> s) { handles.push_back(s); };
  ViewHost host(Counter{"n", &capture});
  handles.front().set(0);
  EXPECT_FALSE(host.needsUpdate());
  EXPECT_EQ(MainQueue::main().pendingCount(), 0u);
}

struct Versioned {
  std::shared_ptr<Model> model;
  std::vector<std::string>* events;
  View body(BodyContext& context) const {
    context.observe(model);
    int version = model->count.get();
    return VStack({View(Counter{"c"})
                       .id(version)
                       .onAppear([events = events, version] {
                         events->push_back("appear " + std::to_string(version));
                       })
                       .onDisappear([events = events, version] {
                         events->push_back("disappear " + std::to_string(version));
                       })});
  }
};

TEST(ViewHostState, ANewIdDropsStateAndFollowsWithDisappearThenAppear) {
  auto model = std::make_shared<Model>();
  std::vector<std::string> events;
  ViewHost host(Versioned{model, &events});
  host.findAll(NodeKind::button).at(0)->tap();
  runMainQueue();
  EXPECT_NE(host.findText("c 1"), nullptr);
  EXPECT_EQ(events, (std::vector<std::string>{"appear 0"})) << "state changes keep the identity";

  model->count.set(1);
  runMainQueue();
  EXPECT_NE(host.findText("c 0"), nullptr) << host.dump();
  EXPECT_EQ(events, (std::vector<std::string>{"appear 0", "disappear 0", "appear 1"}));
}

struct Branching {
  std::shared_ptr<Model> model;
  View body(BodyContext& context) const {
    context.observe(model);
    return If(model->count.get() % 2 == 0, Counter{"even"}, Counter{"odd"});
  }
};

TEST(ViewHostState, SwitchingBranchGivesFreshState) {
  auto model = std::make_shared<Model>();
  ViewHost host(Branching{model});
  host.findAll(NodeKind::button).at(0)->tap();
  runMainQueue();
  EXPECT_NE(host.findText("even 1"), nullptr);

  model->count.set(1);
  runMainQueue();
  EXPECT_NE(host.findText("odd 0"), nullptr) << "same view type, other branch: new state";
  model->count.set(2);
  runMainQueue();
  EXPECT_NE(host.findText("even 0"), nullptr) << "the first branch's state was dropped";
}

struct List {
  std::shared_ptr<std::vector<std::string>> items;
  std::shared_ptr<Model> model;
  View body(BodyContext& context) const {
    context.observe(model);
    return HStack(VerticalAlignment::center, 0,
                  {ForEach(*items, [](const std::string& item) { return item; },
                           [](const std::string& item) { return Counter{item}; })});
  }
};

TEST(ViewHostState, ForEachKeepsStateByIdAcrossMovesAndDropsRemovedIds) {
  auto items = std::make_shared<std::vector<std::string>>(std::vector<std::string>{"a", "b", "c"});
  auto model = std::make_shared<Model>();
  ViewHost host(List{items, model});
  buttonAbove(host.findText("b 0"))->tap();
  runMainQueue();
  ASSERT_NE(host.findText("b 1"), nullptr) << host.dump();

  *items = {"c", "b"};
  model->count.set(1);
  runMainQueue();
  EXPECT_NE(host.findText("b 1"), nullptr) << host.dump();
  EXPECT_NE(host.findText("c 0"), nullptr);
  EXPECT_EQ(host.findText("a 0"), nullptr);
  auto texts = host.findAll(NodeKind::text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(*texts[0]->text(), "c 0") << "children follow the new order";

  *items = {"a", "b"};
  model->count.set(2);
  runMainQueue();
  EXPECT_NE(host.findText("a 0"), nullptr) << "a removed id comes back with fresh state";
}

TEST(ViewHostState, AHandleOutlivingItsViewStillStoresButUpdatesNothing) {
  std::vector<State<int>> handles;
  std::function<void(State<int>)> capture = [&](State<int> s) { handles.push_back(s); };
  ViewHost host(Counter{"n", &capture});
  host.setRootView(Text("gone"));
  handles.front().set(9);
  EXPECT_EQ(handles.front().get(), 9);
  EXPECT_FALSE(host.needsUpdate());
  EXPECT_EQ(MainQueue::main().pendingCount(), 0u);
}

TEST(ViewHostState, BindingsWriteThroughAndConstantBindingsIgnoreWrites) {
  std::vector<State<int>> handles;
  std::function<void(State<int>)> capture = [&](State<int> s) { handles.push_back(s); };
  ViewHost host(Counter{"n", &capture});
  Binding<int> binding = handles.front().binding();
  binding.set(7);
  EXPECT_EQ(handles.front().get(), 7);
  EXPECT_EQ(binding.get(), 7);
  runMainQueue();
  EXPECT_NE(host.findText("n 7"), nullptr);

  Binding<bool> constant = Binding<bool>::constant(false);
  constant.set(true);
  EXPECT_FALSE(constant.get());
}

struct SharingItself {
  std::string name;
  const SharingItself** evaluated;
  std::shared_ptr<const SharingItself>* shared;
  View body(BodyContext& context) const {
    *evaluated = this;
    *shared = context.shared(*this);
    return Text(name);
  }
};

TEST(ViewHostState, ABodySharesItsOwnValueWithoutCopyingAndKeepsItAlive) {
  const SharingItself* evaluated = nullptr;
  std::shared_ptr<const SharingItself> shared;
  {
    ViewHost host(SharingItself{"kept", &evaluated, &shared});
    EXPECT_EQ(shared.get(), evaluated);
  }
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(shared->name, "kept");
}

struct MakesItsStateOnce {
  int* made;
  std::shared_ptr<Model> model;
  View body(BodyContext& context) const {
    context.observe(model);
    auto slot = context.stateMadeBy([this] {
      ++*made;
      return std::make_shared<int>(42);
    });
    return Text(std::to_string(*slot.get()) + " " + std::to_string(model->count.get()));
  }
};

TEST(ViewHostState, StateMadeByAFunctionIsMadeOnlyForANewSlot) {
  int made = 0;
  auto model = std::make_shared<Model>();
  ViewHost host(MakesItsStateOnce{&made, model});
  model->count.set(1);
  runMainQueue();
  EXPECT_NE(host.findText("42 1"), nullptr);
  EXPECT_EQ(made, 1);
}

class Store : public ObservableObject {
 public:
  Published<std::string> name{*this, "store"};
};

TEST(ViewHostState, StateObjectsAreMadeOncePerIdentityAndObserved) {
  int made = 0;
  std::shared_ptr<Store> seen;
  struct Owner {
    int* made;
    std::shared_ptr<Store>* seen;
    View body(BodyContext& context) const {
      auto store = context.stateObject<Store>([this] {
        ++*made;
        return std::make_shared<Store>();
      });
      *seen = store;
      return Text(store->name.get());
    }
  };
  ViewHost host(Owner{&made, &seen});
  seen->name.set("renamed");
  runMainQueue();
  EXPECT_EQ(made, 1);
  EXPECT_NE(host.findText("renamed"), nullptr);
}

// --- Hooks ------------------------------------------------------------------

struct Watcher {
  std::vector<std::string>* events;
  View body(BodyContext& context) const {
    State<int> value = context.state(0);
    State<int> doubled = context.state(0);
    auto* log = events;
    return Text(std::to_string(value.get()) + "/" + std::to_string(doubled.get()))
        .onChange(value.get(), std::function<void(const int&)>([doubled, log](const int& v) {
                    log->push_back("value " + std::to_string(v));
                    doubled.set(v * 2);
                  }))
        .onChange(doubled.get(), std::function<void(const int&)>([log](const int& v) {
                    log->push_back("doubled " + std::to_string(v));
                  }))
        .onTapGesture([value] { value.set(value.get() + 1); });
  }
};

TEST(ViewHostHooks, ChangeHooksFireOnDifferencesAndSettleWithinOneUpdate) {
  std::vector<std::string> events;
  ViewHost host(Watcher{&events});
  EXPECT_TRUE(events.empty()) << "no change hook on the first evaluation";

  host.find([](const Node& n) { return n.kind() == NodeKind::text; })->tap();
  runMainQueue();
  EXPECT_EQ(events, (std::vector<std::string>{"value 1", "doubled 2"}));
  EXPECT_NE(host.findText("1/2"), nullptr);
  EXPECT_EQ(host.updateCount(), 2u) << "the chained change settled inside one update";
  EXPECT_FALSE(host.needsUpdate());
}

struct Flipper {
  View body(BodyContext& context) const {
    State<bool> flag = context.state(false);
    return Text(flag.get() ? "on" : "off").onChange(flag.get(), std::function<void(const bool&)>([flag](const bool& v) {
      flag.set(!v);
    })).onAppear([flag] { flag.set(true); });
  }
};

TEST(ViewHostHooks, HooksThatNeverSettleStopAtTheRoundLimit) {
  ViewHost host(Flipper{});
  EXPECT_TRUE(host.reachedRoundLimit());
  EXPECT_TRUE(host.needsUpdate());
  EXPECT_FALSE(host.isUpdateScheduled()) << "a runaway view does not spin the main queue";
}

TEST(ViewHostHooks, AppearFollowsTreeOrderAndStateSetOnAppearShowsAtOnce) {
  std::vector<std::string> events;
  struct Appearing {
    std::vector<std::string>* events;
    View body(BodyContext& context) const {
      State<bool> loaded = context.state(false);
      auto* log = events;
      return VStack({Text("a").onAppear([log] { log->push_back("a"); }),
                     Text("b").onAppear([log] { log->push_back("b"); })})
          .onAppear([log, loaded] {
            log->push_back("stack");
            loaded.set(true);
          })
          .overlay(Text(loaded.get() ? "loaded" : "loading"));
    }
  };
  ViewHost host(Appearing{&events});
  EXPECT_EQ(events, (std::vector<std::string>{"stack", "a", "b"}));
  EXPECT_NE(host.findText("loaded"), nullptr) << "the update settled before returning";
}

TEST(ViewHostHooks, WithAnimationMarksTheChangeAsAnimated) {
  std::vector<State<int>> handles;
  std::function<void(State<int>)> capture = [&](State<int> s) { handles.push_back(s); };
  ViewHost host(Counter{"n", &capture});
  withAnimation([&] { handles.front().set(1); });
  runMainQueue();
  auto label = host.findText("n 1");
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(host.root()->lastTransaction().isAnimated());
  EXPECT_TRUE(label->lastTransaction().isAnimated()) << "the transaction reaches the subtree";

  handles.front().set(2);
  runMainQueue();
  EXPECT_FALSE(host.root()->lastTransaction().isAnimated());
  EXPECT_FALSE(Transaction::current().isAnimated());
}

// --- Buttons and platform views ---------------------------------------------

class RecordingStyle : public ButtonStyle {
 public:
  View makeBody(const ButtonStyleConfiguration& configuration, BodyContext& context) const override {
    State<int> presses = context.state(0);
    return configuration.label
        .background(Color(configuration.isPressed ? Color::gray() : Color::white()))
        .onChange(configuration.isPressed, std::function<void(const bool&)>([presses](const bool& pressed) {
          if (pressed) presses.set(presses.get() + 1);
        }))
        .accessibilityLabel("presses " + std::to_string(presses.get()));
  }
};

TEST(ViewHostButtons, CustomStylesSeeThePressedStateAndKeepTheirState) {
  int taps = 0;
  ViewHost host(Button([&] { ++taps; }, Text("go")).buttonStyle(std::make_shared<RecordingStyle>()));
  auto button = host.findAll(NodeKind::button).at(0);
  EXPECT_EQ(button->description(), "Button(style: RecordingStyle)");
  button->setPressed(true);
  runMainQueue();
  button->setPressed(false);
  runMainQueue();
  button->setPressed(true);
  runMainQueue();
  auto body = button->children().at(0);
  ASSERT_NE(body->layer(0), nullptr);
  EXPECT_EQ(body->layer(0)->content<ColorContent>()->color, Color::gray());
  EXPECT_EQ(body->accessibilityLabel(), "presses 2");
  button->tap();
  EXPECT_EQ(taps, 1);
}

TEST(ViewHostButtons, LinksOpenTheirUrlThroughTheEnvironment) {
  std::vector<std::string> opened;
  EnvironmentValues environment;
  environment.set(openURLKey, std::function<void(const std::string&)>(
                                  [&](const std::string& url) { opened.push_back(url); }));
  ViewHost host(Link(Text("Settings"), "app-settings:"), environment);
  host.findAll(NodeKind::link).at(0)->tap();
  EXPECT_EQ(opened, (std::vector<std::string>{"app-settings:"}));
}

class Switch : public PlatformView {};
class SwitchRepresentable : public ViewRepresentable {
 public:
  explicit SwitchRepresentable(int* updates) : updates_(updates) {}
  std::shared_ptr<PlatformView> makeView() const override { return std::make_shared<Switch>(); }
  void updateView(PlatformView&) const override { ++*updates_; }

 private:
  int* updates_;
};

TEST(ViewHostRepresentable, PlatformViewIsMadeOnceAndUpdatedPerEvaluation) {
  auto model = std::make_shared<Model>();
  int updates = 0;
  struct Holder {
    std::shared_ptr<Model> model;
    int* updates;
    View body(BodyContext& context) const {
      context.observe(model);
      return Representable(std::make_shared<SwitchRepresentable>(updates));
    }
  };
  ViewHost host(Holder{model, &updates});
  auto node = host.findAll(NodeKind::representable).at(0);
  auto first = node->platformView();
  ASSERT_NE(first, nullptr);
  model->count.set(1);
  runMainQueue();
  EXPECT_EQ(node->platformView(), first);
  EXPECT_EQ(updates, 1);
}

TEST(ViewHostGeometry, ReaderSeesItsFrameAndNamedSpaces) {
  std::vector<Size> sizes;
  GeometryProxy kept;
  ViewHost host(VStack({GeometryReader([&](const GeometryProxy& proxy) {
                  sizes.push_back(proxy.size());
                  kept = proxy;
                  return View(Color::clear());
                })})
                    .coordinateSpace("keyboard"));
  EXPECT_EQ(sizes.back(), (Size{0, 0})) << "no layout yet";

  auto root = host.root();
  auto reader = host.findAll(NodeKind::geometryReader).at(0);
  root->frame = Rect(10, 20, 300, 200);
  reader->frame = Rect(30, 50, 40, 60);
  EXPECT_EQ(kept.frame(CoordinateSpace::named("keyboard")), Rect(20, 30, 40, 60));
  EXPECT_EQ(kept.frame(CoordinateSpace::global()), Rect(30, 50, 40, 60));
  EXPECT_EQ(kept.frame(CoordinateSpace::local()), Rect(0, 0, 40, 60));

  reader->setNeedsEvaluation();
  runMainQueue();
  EXPECT_EQ(sizes.back(), (Size{40, 60}));
}

}  // namespace
}  // namespace platform::ui
