#include "keyloom/views/EmojiKeyboard.h"

#include <cairo.h>
#include <gmock/gmock.h>
#include <unistd.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>

#include "keyloom/services/DisabledCalloutActionProvider.h"
#include "keyloom/state/EmojiCategory.h"
#include "platform/foundation/MainQueue.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/UI.h"
#include "testing/EmojiKeyboardTesting.h"
#include "testing/SurfaceDifference.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;

platform::Point center(const platform::Rect& r) { return {r.midX(), r.midY()}; }
using ::testing::ElementsAre;

std::vector<Emoji> emojis(std::initializer_list<const char*> texts) {
  std::vector<Emoji> result;
  for (const char* text : texts) result.emplace_back(text);
  return result;
}

struct Grid {
  std::shared_ptr<RecordingEmojiActionHandler> handler = std::make_shared<RecordingEmojiActionHandler>();
  std::shared_ptr<KeyboardCalloutContext> callouts = std::make_shared<KeyboardCalloutContext>(
      std::make_shared<ActionCalloutContext>(handler, std::make_shared<DisabledCalloutActionProvider>()),
      std::make_shared<InputCalloutContext>(true));
  std::unique_ptr<ui::ViewHost> host;

  explicit Grid(std::vector<Emoji> list, EmojiKeyboardStyle style = EmojiKeyboardStyle::standardPhonePortrait()) {
    host = std::make_unique<ui::ViewHost>(
        ui::ScrollView(ui::Axis::horizontal, false, ui::View(EmojiKeyboard(std::move(list), handler, callouts, style)))
            .coordinateSpace(InputCalloutContext::coordinateSpace()));
    host->layout(platform::Size{390, 300});
  }

  std::shared_ptr<ui::Node> cell(const std::string& emoji) const {
    return host->find([&](const ui::Node& node) {
      auto id = node.attached<std::string>();
      return id && *id == emoji;
    });
  }
  std::shared_ptr<ui::Node> grid() const { return host->findAllOfType<EmojiKeyboard>().at(0); }
};

TEST(EmojiKeyboardTest, RowsComeFromTheStyle) {
  const auto& style = EmojiKeyboardStyle::standardPhonePortrait();
  EmojiKeyboard keyboard({}, nullptr, nullptr, style);
  ASSERT_EQ(keyboard.rows().size(), 5u);
  for (const auto& row : keyboard.rows()) {
    EXPECT_EQ(row.kind, ui::GridItem::Kind::fixed);
    EXPECT_DOUBLE_EQ(row.minimum, 40);
    EXPECT_EQ(row.spacing, -2);
  }
}

TEST(EmojiKeyboardTest, GridHeightIsTotalHeightLessEight) {
  struct Case {
    EmojiKeyboardStyle style;
    double height;
  };
  for (const auto& c : {Case{EmojiKeyboardStyle::standardPhonePortrait(), 192},
                        Case{EmojiKeyboardStyle::standardPhoneLandscape(), 112},
                        Case{EmojiKeyboardStyle::standardPadPortrait(), 193},
                        Case{EmojiKeyboardStyle::standardLargePadLandscape(), 352}}) {
    Grid filled(emojis({"😀", "😁", "😂"}), c.style);
    EXPECT_DOUBLE_EQ(filled.grid()->frame.height(), c.height);
    Grid empty({}, c.style);
    EXPECT_DOUBLE_EQ(empty.grid()->frame.height(), c.height);
  }
}

// Five rows of 40 overlapping by 2 need 192 points, four 154, one 40.
TEST(EmojiKeyboardTest, AShortGridKeepsTheRowsThatFitWholeAndShrinksItsLastOne) {
  struct Case {
    double height;
    int rows;
    double itemSize;
    double fontSize;
  };
  for (const auto& c : {Case{400, 5, 40, 33}, Case{192, 5, 40, 33}, Case{191, 4, 40, 33}, Case{154, 4, 40, 33},
                        Case{153, 3, 40, 33}, Case{40, 1, 40, 33}, Case{20, 1, 20, 16.5}}) {
    SCOPED_TRACE(c.height);
    const auto fitted = EmojiKeyboard::fitting(EmojiKeyboardStyle::standardPhonePortrait(), c.height);
    EXPECT_EQ(fitted.rows, c.rows);
    EXPECT_DOUBLE_EQ(fitted.itemSize, c.itemSize);
    EXPECT_DOUBLE_EQ(fitted.itemFont.pointSize(), c.fontSize);
  }
}

TEST(EmojiKeyboardTest, CellsFillColumnsTopToBottomWithTheStyleSpacing) {
  Grid grid(emojis({"😀", "😁", "😂", "🤣", "😃", "😄", "😅"}));
  auto first = grid.cell("😀");
  auto second = grid.cell("😁");
  auto sixth = grid.cell("😄");
  ASSERT_TRUE(first && second && sixth);
  // Rows of 40 that overlap by 2 points: one row every 38 points.
  EXPECT_DOUBLE_EQ(second->frame.minX(), first->frame.minX());
  EXPECT_DOUBLE_EQ(second->frame.midY() - first->frame.midY(), 38);
  EXPECT_DOUBLE_EQ(first->frame.midY() - grid.grid()->frame.minY(), 20);
  EXPECT_DOUBLE_EQ(sixth->frame.minY(), first->frame.minY());
  EXPECT_DOUBLE_EQ(sixth->frame.minX() - first->frame.maxX(), 10);
  EXPECT_DOUBLE_EQ(first->frame.minX(), ui::defaultPadding);
}

TEST(EmojiKeyboardTest, TapOnACellReachesTheHandlerAsThatEmoji) {
  Grid grid(emojis({"😀", "😁"}));
  auto cell = grid.cell("😁");
  auto touch = grid.host->touches().down(center(cell->frame));
  grid.host->touches().up(touch);
  platform::MainQueue::main().runUntilIdle();
  const auto gestures = grid.handler->gestures();
  EXPECT_THAT(gestures, ::testing::IsSupersetOf({"press", "release"}));
  EXPECT_EQ(std::count(gestures.begin(), gestures.end(), "release"), 1);
  for (const auto& call : grid.handler->calls) EXPECT_EQ(call.action, KeyboardAction::emoji(Emoji("😁")));
}

TEST(EmojiKeyboardTest, CellsCarryTheEmojiNames) {
  // Text that is not UTF-8 has no Unicode name nor identifier.
  Grid grid(emojis({"😀", "\xff"}));
  auto items = grid.host->findAllOfType<EmojiKeyboardItem>();
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0]->accessibilityLabel(), std::optional<std::string>("Grinning Face"));
  EXPECT_EQ(items[0]->accessibilityIdentifier(), Emoji("😀").unicodeIdentifier());
  EXPECT_EQ(items[1]->accessibilityLabel(), std::optional<std::string>(""));
  EXPECT_EQ(items[1]->accessibilityIdentifier(), std::optional<std::string>(""));
}

TEST(EmojiKeyboardTest, APressedEmojiShowsTheInputCalloutOverItsCell) {
  Grid grid(emojis({"😀", "😁"}));
  auto cell = grid.cell("😁");
  auto touch = grid.host->touches().down(center(cell->frame));
  const auto& input = *grid.callouts->input();
  EXPECT_EQ(input.input(), std::optional<std::string>("😁"));
  EXPECT_TRUE(input.isActive());
  EXPECT_EQ(input.buttonFrame.get(), cell->frame);
  grid.host->touches().up(touch);
  platform::MainQueue::main().advance(1);
  platform::MainQueue::main().runUntilIdle();
  EXPECT_FALSE(grid.callouts->input()->isActive());
}

TEST(EmojiKeyboardTest, WithoutCalloutContextCellsStillType) {
  auto handler = std::make_shared<RecordingEmojiActionHandler>();
  ui::ViewHost host(ui::View(EmojiKeyboard(emojis({"🐻"}), handler, nullptr,
                                           EmojiKeyboardStyle::standardPhonePortrait())));
  host.layout(platform::Size{390, 300});
  auto cell = host.findAttached(std::string("🐻"));
  ASSERT_TRUE(cell);
  host.touches().tap(center(cell->frame));
  platform::MainQueue::main().runUntilIdle();
  EXPECT_THAT(handler->gestures(), ::testing::IsSupersetOf({"press", "release"}));
}

TEST(EmojiKeyboardTest, ButtonVariantCallsItsClosure) {
  std::vector<std::string> tapped;
  ui::ViewHost host(ui::View(EmojiKeyboardButton(Emoji("🐻"), EmojiKeyboardStyle::standardPhonePortrait(),
                                                 [&](const Emoji& emoji) { tapped.push_back(emoji.char_()); })));
  host.layout(platform::Size{100, 100});
  host.findAll(ui::NodeKind::button).at(0)->tap();
  EXPECT_THAT(tapped, ElementsAre("🐻"));
}

// A text glyph takes the colour of the text; a colour emoji keeps its own. So
// a cell drawn once in red and once in blue shows the same pixels exactly
// when its emoji comes from the colour emoji font.
TEST(EmojiKeyboardPicture, EveryEmojiOfEveryCategoryIsDrawnInColour) {
  const EmojiKeyboardStyle style = EmojiKeyboardStyle::standardPhonePortrait();
  for (const EmojiCategory category : allCases<EmojiCategory>()) {
    if (category == EmojiCategory::frequent) continue;
    const std::string name(rawValue(category));
    SCOPED_TRACE(name);
    const std::vector<Emoji> list = keyloom::emojis(category);
    const double columns = std::ceil(static_cast<double>(list.size()) / style.rows);
    // Wide enough that every column is built and drawn.
    const platform::Size size{
        columns * (style.itemSize + style.horizontalItemSpacing) + 2 * ui::defaultPadding,
        EmojiKeyboard::height(style)};
    std::vector<platform::Rect> cells;
    auto render = [&](const ui::Color& color) {
      ui::ViewHost host(ui::View(EmojiKeyboard(list, nullptr, nullptr, style)).foregroundColor(color));
      host.setFontMetrics(ui::PangoTextMetrics::shared());
      host.layout(size);
      if (cells.empty()) {
        for (const Emoji& emoji : list) {
          const auto cell = host.findAttached(emoji.id());
          cells.push_back(cell ? cell->frame : platform::Rect());
        }
      }
      // Named by process: other test runs on the machine share the folder.
      const auto path = std::filesystem::path(::testing::TempDir()) /
                        ("keyloom-emoji-colour-" + name + "-" + std::to_string(getpid()) + ".png");
      ui::renderPNG(host, path.string(), 1);
      std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> picture(
          cairo_image_surface_create_from_png(path.c_str()), &cairo_surface_destroy);
      std::filesystem::remove(path);
      return picture;
    };
    const auto red = render(ui::Color::red());
    const auto blue = render(ui::Color::blue());
    ASSERT_EQ(cairo_surface_status(red.get()), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_surface_status(blue.get()), CAIRO_STATUS_SUCCESS);
    for (std::size_t index = 0; index < list.size(); ++index) {
      ASSERT_FALSE(cells[index].isNull()) << list[index] << " has no cell";
      EXPECT_EQ(testing::differingPixelsIn(red.get(), blue.get(), cells[index]), 0)
          << list[index] << " is drawn as text";
    }
  }
}

}  // namespace
}  // namespace keyloom
