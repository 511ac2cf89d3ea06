#include "keyboard-extension/FontBar.h"

#include <gtest/gtest.h>

#include "keyboard-extension/UnicodeFont.h"
#include "platform/ui/UI.h"

namespace zandorelle {
namespace {

using platform::Point;
using platform::Size;
using platform::ui::Color;
using platform::ui::NodeKind;
using platform::ui::ViewHost;

struct FontBarTest : testing::Test {
  std::vector<int> selected;
  std::unique_ptr<ViewHost> host;

  void show(std::optional<Theme> theme) {
    const auto& names = unicode_font::fontBarNames();
    host = std::make_unique<ViewHost>(FontBar({names.begin(), names.end()}, std::move(theme),
                                              [this](int font) { selected.push_back(font); }));
    host->layout(Size{390, 300});
  }

  std::shared_ptr<platform::ui::Node> name(int font) {
    return host->findText(unicode_font::fontBarNames()[static_cast<std::size_t>(font)]);
  }
  Point centre(int font) {
    auto frame = name(font)->frame;
    return Point{frame.midX(), frame.midY()};
  }
  std::shared_ptr<platform::ui::Node> scrollView() { return host->findAll(NodeKind::scrollView).at(0); }
  double barY() { return host->root()->frame.midY(); }
};

TEST_F(FontBarTest, IsFortyPointsHighAndScrollsSidewaysWithoutIndicators) {
  show(std::nullopt);
  EXPECT_EQ(host->root()->frame.height(), FontBar::height);
  auto scroll = scrollView();
  EXPECT_EQ(scroll->frame.height(), 40);
  const auto* content = scroll->content<platform::ui::ScrollViewContent>();
  EXPECT_EQ(content->axis, platform::ui::Axis::horizontal);
  EXPECT_FALSE(content->showsIndicators);
  // Thirteen names do not fit a phone's width.
  EXPECT_GT(scroll->scrollContentSize.width, 390);
}

TEST_F(FontBarTest, NamesInOrderWithADividerBetweenTwoAndNoneAfterTheLast) {
  show(std::nullopt);
  auto dividers = host->findAll(NodeKind::divider);
  ASSERT_EQ(dividers.size(), 12u);
  for (int font = 0; font < unicode_font::count; ++font) {
    ASSERT_NE(name(font), nullptr) << font;
    EXPECT_NEAR(name(font)->frame.midY(), barY(), 0.5) << font;
  }
  for (int font = 0; font + 1 < unicode_font::count; ++font) {
    const auto& divider = dividers[static_cast<std::size_t>(font)]->frame;
    EXPECT_GE(divider.minX(), name(font)->frame.maxX()) << font;
    EXPECT_LE(divider.maxX(), name(font + 1)->frame.minX()) << font;
    EXPECT_EQ(divider.width(), 1);
  }
  // The row keeps 20 points free at both ends.
  const auto scroll = scrollView();
  EXPECT_GE(name(0)->frame.minX() - scroll->frame.minX(), FontBar::endSpacing);
  const double contentEnd = scroll->frame.minX() + scroll->scrollContentSize.width;
  EXPECT_GE(contentEnd - name(12)->frame.maxX(), FontBar::endSpacing);
  EXPECT_GT(name(12)->frame.minX(), dividers.back()->frame.maxX());
}

TEST_F(FontBarTest, ATapSelectsThatFont) {
  show(std::nullopt);
  for (int font : {0, 1, 3, 5}) host->touches().tap(centre(font));
  EXPECT_EQ(selected, (std::vector<int>{0, 1, 3, 5}));
}

TEST_F(FontBarTest, DraggingScrollsTheNamesWithoutSelecting) {
  // Themed, a swipe from a gap between names would otherwise land on the
  // bar's background, outside the scroll view.
  show(*themeAt(0));
  const double hiddenX = name(12)->frame.minX();
  ASSERT_GT(hiddenX, 390);  // the last name starts out of sight
  for (int swipe = 0; swipe < 2; ++swipe) {
    auto touch = host->touches().down({350, barY()});
    for (double x = 330; x >= 10; x -= 20) host->touches().move(touch, {x, barY()});
    host->touches().up(touch);
  }
  EXPECT_TRUE(selected.empty());
  EXPECT_GT(scrollView()->scrollOffset.x, 300);
  ASSERT_LT(name(12)->frame.maxX(), 390);
  host->touches().tap(centre(12));
  EXPECT_EQ(selected, (std::vector<int>{12}));
}

TEST_F(FontBarTest, WithoutAThemeNoBackgroundAndDefaultColouredNames) {
  show(std::nullopt);
  EXPECT_EQ(host->root()->findAll(NodeKind::color).size(), 0u);
  for (int font = 0; font < unicode_font::count; ++font)
    EXPECT_EQ(name(font)->resolvedForegroundColor(), Color::primary()) << font;
}

TEST_F(FontBarTest, AThemePaintsTheBarInItsFirstColourAndTheNamesWhite) {
  for (int index : {0, 3, 16}) {
    SCOPED_TRACE(index);
    show(*themeAt(index));
    auto colours = host->root()->findAll(NodeKind::color);
    ASSERT_EQ(colours.size(), 1u);
    EXPECT_EQ(colours[0]->content<platform::ui::ColorContent>()->color, colorFromHex((*themeAt(index))[0]));
    EXPECT_EQ(colours[0]->frame, host->root()->frame);  // behind the whole bar
    for (int font = 0; font < unicode_font::count; ++font)
      EXPECT_EQ(name(font)->resolvedForegroundColor(), Color::white()) << font;
  }
}

}  // namespace
}  // namespace zandorelle
