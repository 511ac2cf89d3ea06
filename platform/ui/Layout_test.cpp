#include "platform/ui/Layout.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/ui/UI.h"
#include "platform/ui/ViewHost.h"

namespace platform::ui {
namespace {

View key(std::optional<double> width) {
  if (width) return View(Color::gray()).frame(*width, 40);
  return View(Color::gray()).frame(FlexibleFrame{.maxWidth = infinity}).frame(std::nullopt, 40);
}

std::vector<Rect> frames(const ViewHost& host, NodeKind kind) {
  std::vector<Rect> result;
  for (const auto& node : host.findAll(kind)) result.push_back(node->frame);
  return result;
}

TEST(Layout, StackSharesWhatFixedChildrenLeaveAmongFlexibleOnes) {
  ViewHost host(HStack(VerticalAlignment::center, 0, {key(32), key(std::nullopt), key(std::nullopt)}));
  host.layout(Size{320, 40});
  auto keys = host.root()->layoutChildren();
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[0]->frame, Rect(0, 0, 32, 40));
  EXPECT_EQ(keys[1]->frame, Rect(32, 0, 144, 40));
  EXPECT_EQ(keys[2]->frame, Rect(176, 0, 144, 40));
}

// Engines share one arena block per thread; an engine made while another
// lives on the same thread (a layout inside a layout) does without it.
TEST(Layout, EnginesAliveTogetherLayOutAlike) {
  auto row = [] {
    return View(HStack(VerticalAlignment::center, 0, {key(32), key(std::nullopt), key(std::nullopt)}));
  };
  ViewHost first(row());
  ViewHost second(row());
  {
    LayoutEngine outer;
    outer.layout(*first.root(), Rect(0, 0, 320, 40));
    LayoutEngine inner;
    inner.layout(*second.root(), Rect(0, 0, 320, 40));
    outer.layout(*first.root(), Rect(0, 0, 200, 40));
  }
  LayoutEngine after;
  after.layout(*second.root(), Rect(0, 0, 200, 40));
  for (const ViewHost* host : {&first, &second}) {
    auto keys = host->root()->layoutChildren();
    ASSERT_EQ(keys.size(), 3u);
    EXPECT_EQ(keys[0]->frame, Rect(0, 0, 32, 40));
    EXPECT_EQ(keys[1]->frame, Rect(32, 0, 84, 40));
    EXPECT_EQ(keys[2]->frame, Rect(116, 0, 84, 40));
  }
}

TEST(Layout, DefaultSpacingTextAndSpacer) {
  // Fixed metric: 0.6 × 17 points per character, 1.2 × 17 per line.
  ViewHost host(HStack({Text("ab"), Spacer(), Text("c")}));
  host.layout(Size{200, 50});
  auto a = host.findText("ab");
  auto c = host.findText("c");
  auto spacer = host.findAll(NodeKind::spacer).at(0);
  EXPECT_NEAR(a->frame.width(), 20.4, 1e-9);
  EXPECT_NEAR(spacer->frame.width(), 200 - 20.4 - 10.2 - 2 * defaultSpacing, 1e-9);
  EXPECT_NEAR(c->frame.maxX(), 200, 1e-9);
  EXPECT_NEAR(a->frame.height(), 20.4, 1e-9);
  EXPECT_NEAR(a->frame.minY(), (50 - 20.4) / 2, 1e-9) << "a stack of one line, centred";
}

TEST(Layout, PaddingBackgroundAndOverlayFollowTheContent) {
  ViewHost host(Text("abc")
                    .padding(10)
                    .background(Color::red())
                    .overlay(View(Color::blue()).frame(4, 4), Alignment::topTrailing()));
  host.layout(Rect(0, 0, 100, 100));
  auto text = host.findText("abc");
  const double width = 3 * 0.6 * 17 + 20;
  const double height = 1.2 * 17 + 20;
  EXPECT_NEAR(text->frame.width(), width, 1e-9);
  EXPECT_NEAR(text->frame.height(), height, 1e-9);
  EXPECT_NEAR(text->contentFrame.minX(), text->frame.minX() + 10, 1e-9);
  auto background = text->children(NodeRole::background).at(0);
  EXPECT_EQ(background->frame, text->frameAt(1));
  auto overlay = text->children(NodeRole::overlay).at(0);
  EXPECT_NEAR(overlay->frame.maxX(), text->frame.maxX(), 1e-9);
  EXPECT_NEAR(overlay->frame.minY(), text->frame.minY(), 1e-9);
  EXPECT_NEAR(overlay->frame.width(), 4, 1e-9);
}

TEST(Layout, OverflowingChildrenSpillOverBothSides) {
  ViewHost host(HStack(VerticalAlignment::center, 0, {key(200), key(200)}));
  host.layout(Size{300, 40});
  auto keys = host.root()->layoutChildren();
  EXPECT_EQ(keys[0]->frame.minX(), -50);
  EXPECT_EQ(keys[1]->frame.minX(), 150);
}

TEST(Layout, FramesOffsetsAndAlignment) {
  ViewHost host(VStack(HorizontalAlignment::leading, 4,
                       {Text("abc").frame(FlexibleFrame{.maxWidth = infinity, .alignment = Alignment::leading()}),
                        View(Color::red()).frame(20, 20).offset(5, 6), View(Color::blue()).frame(10, 10)}));
  host.layout(Size{300, 100});
  auto text = host.findText("abc");
  EXPECT_EQ(text->frame.width(), 300);
  EXPECT_EQ(text->contentFrame.minX(), 0);
  auto colors = host.findAll(NodeKind::color);
  const double stackTop = (100 - (20.4 + 4 + 20 + 4 + 10)) / 2;
  EXPECT_NEAR(colors[0]->frame.minY(), stackTop + 20.4 + 4 + 6, 1e-9) << "offset moves the frame";
  EXPECT_EQ(colors[0]->frame.minX(), 5) << "leading, then offset";
  EXPECT_NEAR(colors[1]->frame.minY(), stackTop + 20.4 + 4 + 20 + 4, 1e-9) << "not the next view";
}

TEST(Layout, GroupsAndForEachAreLaidOutByTheirContainerWithTheirModifiers) {
  ViewHost host(HStack(VerticalAlignment::top, 0,
                       {ForEachIndex(3, [](std::size_t) { return key(30); }),
                        Group({key(10), If(false, key(99), key(20))}).padding(EdgeSet::leading(), 5)}));
  host.layout(Size{200, 40});
  auto keys = host.root()->layoutChildren();
  ASSERT_EQ(keys.size(), 5u);
  std::vector<double> xs;
  for (const auto& k : keys) xs.push_back(k->frame.minX());
  // 90 + (5 + 10) + (5 + 20) = 130 wide, centred in 200.
  EXPECT_EQ(xs, (std::vector<double>{35, 65, 95, 130, 145}));
}

TEST(Layout, GridWithFixedRowsAndNegativeSpacingFillsColumnsFromTheTop) {
  std::vector<View> cells;
  for (int i = 0; i < 5; ++i) cells.push_back(View(Color::red()).frame(30, 30));
  ViewHost host(LazyHGrid({GridItem::fixed(40, -4), GridItem::fixed(40)}, VerticalAlignment::center, 2,
                          cells));
  host.layout(Rect(0, 0, 94, 76));
  auto colors = frames(host, NodeKind::color);
  ASSERT_EQ(colors.size(), 5u);
  EXPECT_EQ(host.root()->frame, Rect(0, 0, 94, 76));
  EXPECT_EQ(colors[0], Rect(0, 5, 30, 30));
  EXPECT_EQ(colors[1], Rect(0, 41, 30, 30));
  EXPECT_EQ(colors[2], Rect(32, 5, 30, 30));
  EXPECT_EQ(colors[4], Rect(64, 5, 30, 30));
}

TEST(Layout, ScrollViewContentIsUnboundedAlongItsAxis) {
  std::vector<View> items;
  for (int i = 0; i < 10; ++i) items.push_back(View(Color::red()).frame(50, 20));
  ViewHost host(ScrollView(Axis::horizontal, false, HStack(VerticalAlignment::center, 0, items)));
  host.layout(Size{200, 40});
  auto scroll = host.root();
  EXPECT_EQ(scroll->frame, Rect(0, 0, 200, 40));
  EXPECT_EQ(scroll->scrollContentSize, (Size{500, 20}));
  auto colors = frames(host, NodeKind::color);
  EXPECT_EQ(colors[9], Rect(450, 10, 50, 20));
  scroll->scrollOffset.x = 1000;
  scroll->setNeedsLayout();
  host.relayout();
  EXPECT_EQ(scroll->scrollOffset.x, 300) << "clamped to the content";
  EXPECT_EQ(frames(host, NodeKind::color)[9].maxX(), 200);
}

TEST(Layout, GeometryReaderSeesItsFrameInLocalGlobalAndNamedSpaces) {
  std::optional<GeometryProxy> proxy;
  std::vector<Size> sizes;
  ViewHost host(VStack(HorizontalAlignment::center, 0,
                       {View(Color::red()).frame(std::nullopt, 30), GeometryReader([&](const GeometryProxy& p) {
                          proxy = p;
                          sizes.push_back(p.size());
                          return View(Color::blue()).frame(10, 10);
                        })})
                    .padding(10)
                    .coordinateSpace("keyboard"));
  host.layout(Rect(5, 7, 200, 100));
  ASSERT_TRUE(proxy);
  EXPECT_EQ(proxy->frame(CoordinateSpace::global()), Rect(15, 47, 180, 50));
  EXPECT_EQ(proxy->frame(CoordinateSpace::named("keyboard")), Rect(10, 40, 180, 50));
  EXPECT_EQ(proxy->frame(CoordinateSpace::local()), Rect(0, 0, 180, 50));
  EXPECT_EQ(sizes.back(), (Size{180, 50})) << "evaluated again with its laid-out size";
  auto blue = host.findAll(NodeKind::color).at(1);
  EXPECT_EQ(blue->frame, Rect(15, 47, 10, 10)) << "content at the reader's origin";
}

TEST(Layout, AspectRatioFitAndFill) {
  ViewHost fit(View(Color::red()).aspectRatio(2, ContentMode::fit));
  fit.layout(Size{100, 100});
  EXPECT_EQ(fit.root()->frame, Rect(0, 25, 100, 50));
  ViewHost fill(View(Color::red()).aspectRatio(2, ContentMode::fill));
  fill.layout(Size{100, 100});
  EXPECT_EQ(fill.root()->frame.size, (Size{200, 100}));
}

TEST(Layout, RelaysOutAfterUpdates) {
  struct Growing {
    View body(BodyContext& context) const {
      auto width = context.state<double>(20);
      return Button([width] { width.set(width.get() + 10); }, View(Color::red()).frame(width.get(), 20));
    }
  };
  ViewHost host(Growing{});
  host.layout(Size{100, 100});
  host.findAll(NodeKind::button).at(0)->tap();
  host.update();
  EXPECT_EQ(host.findAll(NodeKind::color).at(0)->frame, Rect(35, 40, 30, 20));
}

// A row of views that change through their own state, each change laid out
// incrementally and compared with a full pass over the same nodes.
struct ChangeSettings {
  double width = 40;
  Color color = Color::gray();
  int count = 2;
  double offset = 0;
  std::string text = "box";
  double textSize = 10;
  std::optional<TextCase> textCase;
  double padding = 0;
  Alignment alignment = Alignment::center();
  bool reversed = false;
};
using SettingsHandle = std::shared_ptr<std::optional<State<ChangeSettings>>>;

struct ChangingBox {
  SettingsHandle settings;
  View body(BodyContext& context) const {
    auto state = context.state<ChangeSettings>(ChangeSettings{});
    *settings = state;
    const ChangeSettings now = state.get();
    return ZStack(now.alignment, {View(now.color).frame(now.width, 30), Text(now.text).textCase(now.textCase)})
        .font(Font::system(now.textSize))
        .padding(now.padding)
        .offset(now.offset, 0);
  }
};

struct ChangingList {
  SettingsHandle settings;
  View body(BodyContext& context) const {
    auto state = context.state<ChangeSettings>(ChangeSettings{});
    *settings = state;
    std::vector<std::pair<ViewId, View>> items;
    for (int i = 0; i < state.get().count; ++i) {
      items.emplace_back(ViewId(i), View(Color::blue()).frame(10 + 4 * i, 10));
    }
    if (state.get().reversed) std::reverse(items.begin(), items.end());
    return Group({Text("list"), ForEach(std::move(items))});
  }
};

std::vector<std::vector<Rect>> allFrames(const Node& node) {
  std::vector<std::vector<Rect>> result{{node.levelFrames.begin(), node.levelFrames.end()}};
  result.back().push_back(node.frame);
  for (const auto& child : node.children()) {
    for (auto& frames : allFrames(*child)) result.push_back(std::move(frames));
  }
  return result;
}

TEST(Layout, IncrementalPassesAfterChangesMatchAFullPass) {
  struct Case {
    const char* name;
    bool ofTheList;
    std::function<void(ChangeSettings&)> change;
  };
  const std::vector<Case> cases{
      {"same size, new colour: laid out in place", false, [](auto& s) { s.color = Color::red(); }},
      {"wider: the siblings move", false, [](auto& s) { s.width = 80; }},
      {"narrower again", false, [](auto& s) { s.width = 20; }},
      {"moved by an offset: its frame moves", false, [](auto& s) { s.offset = 7; }},
      {"new text", false, [](auto& s) { s.text = "a longer box"; }},
      {"larger font from the environment", false, [](auto& s) { s.textSize = 16; }},
      {"upper case from the environment", false, [](auto& s) { s.textCase = TextCase::uppercase; }},
      {"padding", false, [](auto& s) { s.padding = 5; }},
      {"stack alignment", false, [](auto& s) { s.alignment = Alignment::topLeading(); }},
      {"one more item in a ForEach", true, [](auto& s) { s.count = 3; }},
      {"items in reverse order", true, [](auto& s) { s.reversed = true; }},
      {"no items", true, [](auto& s) { s.count = 0; }},
  };
  auto box = std::make_shared<std::optional<State<ChangeSettings>>>();
  auto list = std::make_shared<std::optional<State<ChangeSettings>>>();
  ViewHost host(VStack({HStack(VerticalAlignment::center, 4,
                               {Text("left"), ChangingBox{box}, HStack({ChangingList{list}}), Text("right")}),
                        Text("below")}));
  host.layout(Size{300, 80});
  for (const auto& c : cases) {
    auto& state = c.ofTheList ? **list : **box;
    auto next = state.get();
    c.change(next);
    state.set(next);
    host.update();
    const auto incremental = allFrames(*host.root());
    host.setIncrementalLayout(false);
    host.relayout();
    EXPECT_EQ(incremental, allFrames(*host.root())) << c.name;
    host.setIncrementalLayout(true);
    host.relayout();
  }
}

}  // namespace
}  // namespace platform::ui
