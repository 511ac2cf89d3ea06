#include "platform/ui/HostingController.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/foundation/MainQueue.h"
#include "platform/input/Screen.h"
#include "platform/ui/Layout.h"
#include "platform/ui/UI.h"

namespace platform::ui {
namespace {

// The fixed metric, counting the texts measured.
class CountingMetrics : public FontMetrics {
 public:
  Size measure(std::string_view text, const Font& font) const override {
    ++count;
    return FixedFontMetrics::shared().measure(text, font);
  }
  mutable int count = 0;
};

struct Words {
  std::vector<std::string> suggestions{"hello", "help"};
  int rows = 3;
  bool operator==(const Words&) const = default;
};
using WordsHandle = std::shared_ptr<std::optional<State<Words>>>;

// A bar of suggestions above rows of keys: the bar's texts are new views
// whenever the suggestions change, the rows stack to the content's height.
struct SuggestionsAndKeys {
  WordsHandle words;
  View body(BodyContext& context) const {
    auto state = context.state<Words>(Words{});
    *words = state;
    std::vector<std::pair<ViewId, View>> bar;
    for (const auto& word : state.get().suggestions) bar.emplace_back(ViewId(word), Text(word));
    std::vector<View> rows{HStack({ForEach(std::move(bar))}).frame(std::nullopt, 30)};
    for (int row = 0; row < state.get().rows; ++row) {
      std::vector<View> keys;
      for (const char* key : {"q", "w", "e", "r", "t", "y", "u", "i", "o", "p"}) {
        keys.push_back(Text(std::string(key) + std::to_string(row)).padding(4));
      }
      rows.push_back(HStack(keys));
    }
    return VStack(rows);
  }
};

std::vector<Rect> allFrames(const Node& node) {
  std::vector<Rect> frames(node.levelFrames.begin(), node.levelFrames.end());
  frames.push_back(node.frame);
  for (const auto& child : node.children()) {
    for (const Rect& frame : allFrames(*child)) frames.push_back(frame);
  }
  return frames;
}

Size measuredAfresh(const ViewHost& host, ProposedSize proposal) {
  return LayoutEngine(host.fontMetrics(), LayoutEngine::Mode::full).sizeThatFits(*host.root(), proposal);
}

TEST(HostingView, TellsItsWindowWhenTheHeightItAsksForChangesAndMeasuresOnlyWhatChanged) {
  auto words = std::make_shared<std::optional<State<Words>>>();
  auto view = HostingView::make(SuggestionsAndKeys{words});
  auto metrics = std::make_shared<CountingMetrics>();
  view->host().setFontMetrics(metrics);
  auto window = std::make_shared<Window>(Screen::main());
  int announced = 0;
  window->setContentSizeDidChange([&] { ++announced; });
  view->setWindow(window);
  view->setFrame(Rect(0, 0, 390, 260));
  view->layoutSubviews();
  const Size fitting = view->systemLayoutSizeFitting(Size{390, 260});
  EXPECT_EQ(fitting.height, measuredAfresh(view->host(), {390, 260}).height);
  const auto change = [&](const std::function<void(Words&)>& edit) {
    auto next = words->value().get();
    edit(next);
    words->value().set(next);
    metrics->count = 0;
    MainQueue::main().runUntilIdle();
  };

  // Other views of the same height: asked again, nothing to tell. Only the
  // new words are measured (laid out, then asked at the host's target).
  change([](Words& w) { w.suggestions = {"helm", "hello", "helps"}; });
  EXPECT_EQ(announced, 0);
  EXPECT_LE(metrics->count, 3);
  EXPECT_EQ(view->systemLayoutSizeFitting(Size{390, 260}), fitting);
  // The same views grown: told once.
  change([](Words& w) { w.rows = 4; });
  EXPECT_EQ(announced, 1);
  EXPECT_GT(view->systemLayoutSizeFitting(Size{390, 260}).height, fitting.height);
  // Other text measuring counts as a change too, and so does going back.
  struct Taller : FontMetrics {
    Size measure(std::string_view text, const Font& font) const override {
      const Size size = FixedFontMetrics::shared().measure(text, font);
      return {size.width, size.height * 2};
    }
  };
  view->host().setFontMetrics(std::make_shared<Taller>());
  EXPECT_EQ(announced, 2);
  view->host().setFontMetrics(metrics);
  EXPECT_EQ(announced, 3);
  // Another height is measured once, then remembered.
  const double grown = view->systemLayoutSizeFitting(Size{390, 300}).height;
  metrics->count = 0;
  EXPECT_EQ(view->systemLayoutSizeFitting(Size{390, 300}).height, grown);
  EXPECT_EQ(metrics->count, 0);
  // Off screen nobody is told; the host asks when it shows the view again.
  view->setWindow(nullptr);
  change([](Words& w) { w.rows = 2; });
  EXPECT_EQ(announced, 3);
  EXPECT_LT(view->systemLayoutSizeFitting(Size{390, 300}).height, grown);
}

TEST(HostingView, AnswersAfterChangesAreThoseOfAFreshMeasureAndLeaveTheLayoutAsAFullPassMakesIt) {
  struct Case {
    const char* name;
    std::function<void(Words&)> change;
  };
  const std::vector<Case> cases{
      {"other suggestions", [](auto& w) { w.suggestions = {"helm", "hello", "helps"}; }},
      {"a row more: taller", [](auto& w) { w.rows = 4; }},
      {"a longer suggestion than the rows are wide", [](auto& w) { w.suggestions = {std::string(80, 'x')}; }},
      {"no suggestions", [](auto& w) { w.suggestions.clear(); }},
      {"two rows fewer: shorter", [](auto& w) { w.rows = 2; }},
      {"suggestions again", [](auto& w) { w.suggestions = {"hello"}; }},
  };
  const std::vector<ProposedSize> proposals{{390, 260}, {390, 180}, {390, std::nullopt}, {200, 260}};
  auto words = std::make_shared<std::optional<State<Words>>>();
  auto view = HostingView::make(SuggestionsAndKeys{words});
  view->setFrame(Rect(0, 0, 390, 260));
  view->layoutSubviews();
  ViewHost& host = view->host();
  for (const auto& c : cases) {
    auto next = words->value().get();
    c.change(next);
    words->value().set(next);
    host.update();
    for (const ProposedSize& proposal : proposals) {
      const Size fresh = measuredAfresh(host, proposal);
      EXPECT_EQ(host.sizeThatFits(proposal), fresh) << c.name;
      EXPECT_EQ(host.sizeThatFits(proposal), fresh) << c.name << ", asked again";
    }
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
