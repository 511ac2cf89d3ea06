#include "keyloom/views/AutocompleteToolbar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/MainQueue.h"
#include "platform/ui/UI.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;

platform::Point center(const platform::Rect& r) { return {r.midX(), r.midY()}; }

AutocompleteSuggestion plain(std::string text) { return AutocompleteSuggestion(std::move(text)); }
AutocompleteSuggestion highlighted(std::string text) {
  return AutocompleteSuggestion(text, std::nullopt, true);
}

struct Bar {
  std::vector<AutocompleteSuggestion> tapped;
  std::unique_ptr<AutocompleteToolbar> toolbar;
  std::unique_ptr<ui::ViewHost> host;

  explicit Bar(const std::vector<AutocompleteSuggestion>& suggestions,
               AutocompleteToolbarStyle style = AutocompleteToolbarStyle::standard(),
               platform::Locale locale = platform::Locale("en")) {
    toolbar = std::make_unique<AutocompleteToolbar>(
        suggestions, locale, style, [this](const AutocompleteSuggestion& s) { tapped.push_back(s); });
    host = std::make_unique<ui::ViewHost>(ui::View(*toolbar));
    host->layout(platform::Size{390, 100});
  }

  std::size_t separators() const { return host->findAllOfType<AutocompleteToolbarSeparator>().size(); }
  std::shared_ptr<ui::Node> root() const { return host->findAllOfType<AutocompleteToolbar>().at(0); }
};

TEST(AutocompleteToolbarTest, EmptyBarKeepsTheStyleHeight) {
  Bar bar({});
  EXPECT_TRUE(bar.host->findAll(ui::NodeKind::button).empty());
  EXPECT_DOUBLE_EQ(bar.root()->frame.height(), 50);
}

TEST(AutocompleteToolbarTest, SeparatorsStandOnlyBetweenTwoPlainNeighbours) {
  struct Case {
    std::vector<AutocompleteSuggestion> suggestions;
    std::vector<bool> separatorAfter;
  };
  const std::vector<Case> cases{
      {{plain("a")}, {false}},
      {{plain("a"), plain("b"), plain("c")}, {true, true, false}},
      {{plain("a"), highlighted("b"), plain("c")}, {false, false, false}},
      {{highlighted("a"), plain("b"), plain("c")}, {false, true, false}},
  };
  for (const auto& c : cases) {
    Bar bar(c.suggestions);
    std::size_t expected = 0;
    for (std::size_t i = 0; i < c.separatorAfter.size(); ++i) {
      EXPECT_EQ(bar.toolbar->hasSeparatorAfter(i), c.separatorAfter[i]) << i;
      expected += c.separatorAfter[i] ? 1 : 0;
    }
    EXPECT_EQ(bar.separators(), expected);
    EXPECT_EQ(bar.host->findAll(ui::NodeKind::button).size(), c.suggestions.size());
  }
}

TEST(AutocompleteToolbarTest, SeparatorSitsBetweenItsNeighbours) {
  Bar bar({plain("one"), plain("two")});
  auto separator = bar.host->findAllOfType<AutocompleteToolbarSeparator>().at(0);
  auto first = bar.host->findText("one");
  auto second = bar.host->findText("two");
  const auto& style = AutocompleteToolbarStyle::standard().separator;
  EXPECT_DOUBLE_EQ(separator->frame.width(), style.width);
  EXPECT_DOUBLE_EQ(separator->frame.height(), style.height);
  EXPECT_GT(separator->frame.minX(), first->frame.minX());
  EXPECT_LT(separator->frame.maxX(), second->frame.minX() + 1e-9);
}

TEST(AutocompleteToolbarTest, HighlightedItemHasTheAutocompleteBackground) {
  auto style = AutocompleteToolbarStyle::standard();
  style.autocompleteBackground.color = ui::Color::red();
  Bar bar({plain("a"), highlighted("b")}, style);
  auto colours = bar.host->findAll([](const ui::Node& node) { return node.kind() == ui::NodeKind::color; });
  std::vector<ui::Color> fills;
  for (const auto& node : colours) fills.push_back(node->content<ui::ColorContent>()->color);
  EXPECT_NE(std::find(fills.begin(), fills.end(), ui::Color::red()), fills.end());
  EXPECT_NE(std::find(fills.begin(), fills.end(), ui::Color::white(1, 0.001)), fills.end());
}

TEST(AutocompleteToolbarTest, UnknownSuggestionIsQuoted) {
  AutocompleteSuggestion unknown("text", std::string("word"), false, true);
  {
    Bar bar({unknown}, AutocompleteToolbarStyle::standard(),
            platform::Locale("xx").withQuotationDelimiters({std::nullopt, std::nullopt, std::nullopt, std::nullopt}));
    EXPECT_NE(bar.host->findText("\"word\""), nullptr);
    EXPECT_EQ(bar.host->findText("text"), nullptr);
  }
  {
    Bar bar({unknown}, AutocompleteToolbarStyle::standard(), platform::Locale("de"));
    EXPECT_NE(bar.host->findText("\u201Eword\u201C"), nullptr);
  }
}

TEST(AutocompleteToolbarTest, SubtitleStandsDirectlyUnderTheTitle) {
  AutocompleteSuggestion withSubtitle("a", std::string("Title"), false, false, std::string("Sub"));
  Bar bar({withSubtitle, plain("b")});
  auto title = bar.host->findText("Title");
  auto subtitle = bar.host->findText("Sub");
  ASSERT_NE(subtitle, nullptr);
  EXPECT_DOUBLE_EQ(subtitle->frame.minY(), title->frame.maxY());
  EXPECT_EQ(bar.host->findAllOfType<AutocompleteToolbarItemSubtitle>().size(), 1u);
}

TEST(AutocompleteToolbarTest, EqualSuggestionsAreSeparateItemsAndTapsReportTheirOwn) {
  AutocompleteSuggestion same("same", std::nullopt, false, false, std::nullopt, {{"index", std::any(1)}});
  AutocompleteSuggestion other("same", std::nullopt, false, false, std::nullopt, {{"index", std::any(2)}});
  Bar bar({same, other});
  ASSERT_EQ(bar.toolbar->items().size(), 2u);
  EXPECT_NE(bar.toolbar->items()[0].id, bar.toolbar->items()[1].id);
  auto buttons = bar.host->findAll(ui::NodeKind::button);
  ASSERT_EQ(buttons.size(), 2u);
  auto touch = bar.host->touches().down(center(buttons[1]->frame));
  bar.host->touches().up(touch);
  platform::MainQueue::main().runUntilIdle();
  ASSERT_EQ(bar.tapped.size(), 1u);
  EXPECT_EQ(std::any_cast<int>(bar.tapped[0].additionalInfo.at("index")), 2);
  EXPECT_EQ(bar.toolbar->items().size(), 2u);
}

TEST(AutocompleteToolbarTest, ItemsShareTheBarWidth) {
  Bar bar({plain("a"), plain("b")});
  auto buttons = bar.host->findAll(ui::NodeKind::button);
  EXPECT_NEAR(buttons[0]->frame.width(), buttons[1]->frame.width(), 0.5);
  EXPECT_GT(buttons[0]->frame.width(), 150);
}

TEST(AutocompleteToolbarTest, BarWithoutHeightIsAsTallAsItsTallestChild) {
  auto style = AutocompleteToolbarStyle::standard();
  style.height = std::nullopt;
  style.separator.height = 100;
  Bar tall({plain("a"), plain("b")}, style);
  EXPECT_DOUBLE_EQ(tall.root()->frame.height(), 100);
  style.separator.height = 1;
  Bar low({plain("a"), plain("b")}, style);
  auto text = low.host->findText("a");
  EXPECT_DOUBLE_EQ(low.root()->frame.height(), text->frame.height() + 20);
}

}  // namespace
}  // namespace keyloom
