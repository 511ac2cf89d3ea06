#include "keyboard-extension/KeyboardViewController.h"

#include <cairo.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <cmath>

#include "keyboard-extension/FontBar.h"
#include "keyboard-extension/KeyboardExtension.h"
#include "keyboard-extension/KeyboardSelection.h"
#include "keyboard-extension/MyInputSetProvider.h"
#include "keyboard-extension/MyKeyboardAppearance.h"
#include "keyboard-extension/ProductConfiguration.h"
#include "keyboard-extension/ThemePalette.h"
#include "keyboard-extension/UnicodeFont.h"
#include "keyloom/controller/KeyboardHostingController.h"
#include "keyloom/views/AutocompleteToolbar.h"
#include "keyloom/views/SystemKeyboard.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/UI.h"
#include "testing/EmojiKeyboardTesting.h"
#include "testing/SystemKeyboardTesting.h"

namespace zandorelle {
namespace {

using keyloom::KeyboardAction;
using keyloom::KeyboardType;
using platform::SimulatedHost;
using platform::ui::Color;
using platform::ui::NodeKind;

// The platform draws its backdrop behind a keyboard without a background.
Color backdrop(platform::ui::ColorScheme scheme = platform::ui::ColorScheme::light) {
  return scheme == platform::ui::ColorScheme::dark ? Color::rgba(0.17, 0.17, 0.17)
                                                   : Color::rgba(0.82, 0.83, 0.85);
}

// The product keyboard started by the simulated host as the platform starts
// it, driven by touches on its hosted views at the host's clock times.
struct ProductKeyboard : testing::Test {
  std::shared_ptr<SimulatedHost> host;
  std::shared_ptr<KeyboardViewController> controller;

  void SetUp() override { installKeyboardExtension(); }

  void start(bool appGroupAvailable = true) {
    platform::SimulatedHostConfiguration configuration;
    configuration.appGroupAvailable = appGroupAvailable;
    start(configuration);
  }
  void start(const platform::SimulatedHostConfiguration& configuration) {
    host = SimulatedHost::make(configuration);
    controller = std::dynamic_pointer_cast<KeyboardViewController>(
        host->startExtension(std::string(keyboardExtensionIdentifier)));
    ASSERT_NE(controller, nullptr);
    settle();
  }
  void settle() {
    host->runMainQueue();
    host->layout();
  }
  void showAgain() {
    host->hideKeyboard();
    host->showKeyboard();
    settle();
  }
  platform::ui::ViewHost& views() { return controller->hostingController()->viewHost(); }

  std::shared_ptr<platform::ui::Node> fontName(int font) {
    return views().findText(unicode_font::fontBarNames()[static_cast<std::size_t>(font)]);
  }
  std::shared_ptr<platform::ui::Node> bar() {
    auto bars = views().findAllOfType<FontBar>();
    return bars.empty() ? nullptr : bars.front();
  }
  std::optional<Color> barBackground() {
    auto colours = bar()->findAll(NodeKind::color);
    if (colours.empty()) return std::nullopt;
    return colours.front()->content<platform::ui::ColorContent>()->color;
  }
  // Swipes the font bar left, as a user does, until that name is in sight.
  void scrollToFont(int font) {
    const double width = host->keyboardFrame().width();
    for (int swipe = 0; swipe < 8 && fontName(font)->frame.maxX() > width; ++swipe) {
      const double y = bar()->frame.midY();
      host->advanceTime(0.5);
      auto touch = views().touches().down({width - 90, y});
      for (double x = width - 100; x >= width - 240; x -= 10) {
        host->advanceTime(0.01);
        views().touches().move(touch, {x, y});
      }
      views().touches().up(touch);
      host->runMainQueue();
    }
    ASSERT_LE(fontName(font)->frame.maxX(), width);
  }
  std::shared_ptr<platform::ui::Node> key(const KeyboardAction& action) {
    return views().findAttached(action);
  }
  // A finger on the key for a twentieth of a second.
  void tapKey(const KeyboardAction& action) {
    auto node = key(action);
    ASSERT_NE(node, nullptr) << "no key " << action.caseName();
    host->advanceTime(0.5);
    auto touch = views().touches().down({node->frame.midX(), node->frame.midY()});
    host->advanceTime(0.05);
    views().touches().up(touch);
    settle();
  }
  void tap(const std::shared_ptr<platform::ui::Node>& node) {
    ASSERT_NE(node, nullptr);
    host->advanceTime(0.5);
    views().touches().tap({node->frame.midX(), node->frame.midY()});
    host->runMainQueue();
  }
  // With its key where the keyboard shows one (a phone); a pad's keyboard
  // shows the globe in its place, so there the controller switches as the
  // key's action would.
  void showEmojis() {
    views().setFontMetrics(platform::ui::PangoTextMetrics::shared());
    settle();
    const auto emojis = KeyboardAction::keyboardType(KeyboardType::emojis());
    if (key(emojis)) {
      tapKey(emojis);
    } else {
      controller->setKeyboardType(KeyboardType::emojis());
      settle();
    }
    ASSERT_NE(keyloom::emojiGrid(views()), nullptr);
  }
  // A quick drag: down, one move `dx` along and up again, a few hundredths
  // of a second apart.
  void flick(platform::Point from, double dx) {
    host->advanceTime(0.5);
    auto touch = views().touches().down(from);
    host->advanceTime(0.03);
    views().touches().move(touch, {from.x + dx, from.y});
    host->advanceTime(0.03);
    views().touches().up(touch, {from.x + dx, from.y});
    host->runMainQueue();
  }
  // The texts of the first row's keys of the layout the keyboard would show
  // for `type` now.
  std::vector<std::string> firstRow(const KeyboardType& type) {
    auto context = controller->keyboardContext();
    const auto previous = context->keyboardType.get();
    context->keyboardType.set(type);
    auto layout = controller->keyboardLayoutProvider()->keyboardLayout(*context);
    context->keyboardType.set(previous);
    std::vector<std::string> texts;
    for (const auto& item : layout->itemRows().at(0)) {
      if (auto* character = item.action.get<keyloom::keyboard_action::Character>())
        texts.push_back(character->text);
    }
    return texts;
  }
};

TEST_F(ProductKeyboard, LoadsWithTheProductsAppearanceAndFontInputSets) {
  start();
  EXPECT_NE(std::dynamic_pointer_cast<MyKeyboardAppearance>(controller->keyboardAppearance()), nullptr);
  EXPECT_NE(std::dynamic_pointer_cast<MyInputSetProvider>(controller->inputSetProvider()), nullptr);
  // The base class loaded after them: the view is as wide as the screen.
  EXPECT_EQ(controller->view()->frame().width(), 390);
  EXPECT_EQ(firstRow(KeyboardType::alphabetic(keyloom::KeyboardCase::lowercased)).front(), "q");
}

TEST_F(ProductKeyboard, ReinstallsItsViewAtEveryAppearance) {
  start();
  auto first = controller->hostingController();
  showAgain();
  EXPECT_NE(controller->hostingController(), first);
  EXPECT_EQ(controller->children().size(), 1u);
  EXPECT_EQ(controller->view()->subviews().size(), 1u);
  EXPECT_NE(bar(), nullptr);
}

TEST_F(ProductKeyboard, AnEmptyStoreShowsThemeZeroWithWhiteNames) {
  start();
  EXPECT_EQ(KeyboardSelection::themeIndex(), 0);
  EXPECT_EQ(barBackground(), colorFromHex("#EC8321"));
  for (int font = 0; font < unicode_font::count; ++font)
    EXPECT_EQ(fontName(font)->resolvedForegroundColor(), Color::white()) << font;
  EXPECT_EQ(
      controller->keyboardAppearance()->buttonStyle(KeyboardAction::character("a"), false).backgroundColor(),
      colorFromHex("#FA810F"));
}

TEST_F(ProductKeyboard, AStoreThatCannotBeOpenedShowsTheStandardLook) {
  start(false);
  EXPECT_EQ(KeyboardSelection::themeIndex(), KeyboardSelection::noTheme);
  EXPECT_EQ(barBackground(), std::nullopt);
  for (int font = 0; font < unicode_font::count; ++font)
    EXPECT_EQ(fontName(font)->resolvedForegroundColor(), Color::primary()) << font;
  keyloom::StandardKeyboardAppearance standard(controller->keyboardContext());
  for (const auto& action : {KeyboardAction::character("a"), KeyboardAction::backspace()})
    EXPECT_EQ(controller->keyboardAppearance()->buttonStyle(action, false),
              standard.buttonStyle(action, false));
}

TEST_F(ProductKeyboard, AThemeChosenInTheHostAppShowsAtTheNextAppearance) {
  start();
  storeThemeIndex(*host->appGroupStore(), 3);
  // While shown, even when the view is rebuilt, the theme stays.
  controller->keyboardContext()->locale.set(controller->keyboardContext()->locale.get());
  settle();
  EXPECT_EQ(barBackground(), colorFromHex("#EC8321"));
  showAgain();
  EXPECT_EQ(barBackground(), colorFromHex("#C046D3"));
  EXPECT_EQ(controller->keyboardAppearance()->buttonStyle(KeyboardAction::space(), false).backgroundColor(),
            colorFromHex("#C760F5"));
  // A number the table does not have is no theme, not a crash.
  storeThemeIndex(*host->appGroupStore(), 17);
  showAgain();
  EXPECT_EQ(barBackground(), std::nullopt);
}

TEST_F(ProductKeyboard, TheFontBarIsFortyPointsHighScrollsAndEndsWithoutADivider) {
  start();
  auto node = bar();
  ASSERT_NE(node, nullptr);
  EXPECT_EQ(node->frame.height(), FontBar::height);
  EXPECT_EQ(node->frame.width(), 390);
  auto scroll = node->findAll(NodeKind::scrollView).at(0);
  EXPECT_EQ(scroll->content<platform::ui::ScrollViewContent>()->axis, platform::ui::Axis::horizontal);
  EXPECT_GT(scroll->scrollContentSize.width, 390);
  auto dividers = node->findAll(NodeKind::divider);
  ASSERT_EQ(dividers.size(), 12u);
  EXPECT_LT(dividers.back()->frame.maxX(), fontName(12)->frame.minX());
}

TEST_F(ProductKeyboard, TappingAFontNameSelectsThatFontAndKeepsTheLanguage) {
  start();
  auto context = controller->keyboardContext();
  context->setLocales(std::vector<platform::Locale>{platform::Locale("en"), platform::Locale("sv")});
  context->setLocale(platform::Locale("en"));
  int localePublishes = 0;
  auto subscription = context->locale.didSet().sink([&](const platform::Locale&) { ++localePublishes; });
  auto provider = controller->inputSetProvider();

  scrollToFont(6);
  EXPECT_EQ(KeyboardSelection::fontIndex(), 0);  // scrolling selects nothing
  tap(fontName(6));
  EXPECT_EQ(KeyboardSelection::fontIndex(), 6);
  EXPECT_EQ(context->locale.get().identifier(), "en");
  EXPECT_EQ(localePublishes, 1);
  EXPECT_NE(controller->inputSetProvider(), provider);
  EXPECT_EQ(firstRow(KeyboardType::alphabetic(keyloom::KeyboardCase::lowercased)).front(), "\U0001F180");
  EXPECT_EQ(firstRow(KeyboardType::alphabetic(keyloom::KeyboardCase::uppercased)).front(), "\U0001F180");
  // The number and symbol keyboards stay plain.
  EXPECT_EQ(firstRow(KeyboardType::numeric()).front(), "1");
  EXPECT_EQ(firstRow(KeyboardType::symbolic()).front(), "[");

  // The font stays for later appearances.
  showAgain();
  EXPECT_EQ(firstRow(KeyboardType::alphabetic(keyloom::KeyboardCase::lowercased)).front(), "\U0001F180");
  tap(fontName(0));
  EXPECT_EQ(firstRow(KeyboardType::alphabetic(keyloom::KeyboardCase::lowercased)).front(), "q");
  EXPECT_EQ(context->locale.get().identifier(), "en");
}

TEST_F(ProductKeyboard, TheViewNeverKeepsTheControllerAlive) {
  start();
  std::weak_ptr<KeyboardViewController> weak = controller;
  auto hosting = controller->hostingController();
  controller.reset();
  host->releaseKeyboard();
  EXPECT_TRUE(weak.expired());
}

TEST_F(ProductKeyboard, TheFontBarStandsAboveTheSystemKeyboardWithoutAToolbar) {
  start();
  auto keyboards = views().findAllOfType<keyloom::SystemKeyboard>();
  ASSERT_EQ(keyboards.size(), 1u);
  // One centred column: the bar right on top of the keys.
  EXPECT_EQ(keyboards[0]->frame.minY(), bar()->frame.maxY());
  EXPECT_NEAR(bar()->frame.minY(), host->keyboardFrame().height() - keyboards[0]->frame.maxY(), 0.01);
  EXPECT_TRUE(views().findAllOfType<keyloom::AutocompleteToolbar>().empty());
  // Not even when the autocomplete context holds suggestions.
  controller->autocompleteContext()->suggestions.set(
      {keyloom::AutocompleteSuggestion("hello", "hello", false, false, std::nullopt, {})});
  settle();
  EXPECT_FALSE(controller->autocompleteContext()->suggestions.get().empty());
  EXPECT_TRUE(views().findAllOfType<keyloom::AutocompleteToolbar>().empty());
  EXPECT_NE(key(KeyboardAction::character("q")), nullptr);
}

TEST_F(ProductKeyboard, FontSixRedrawsTheLetterKeysAtOnceAndTypesThem) {
  start();
  tapKey(KeyboardAction::character("q"));
  scrollToFont(6);
  tap(fontName(6));
  // No appearance in between: the keys on screen are the new ones.
  EXPECT_EQ(key(KeyboardAction::character("q")), nullptr);
  tapKey(KeyboardAction::character("\U0001F170"));
  tapKey(KeyboardAction::character("\U0001F171"));
  EXPECT_EQ(host->textField().text(), "q\U0001F170\U0001F171");
  // The number and symbol keyboards stay plain.
  tapKey(KeyboardAction::keyboardType(KeyboardType::numeric()));
  tapKey(KeyboardAction::character("1"));
  ASSERT_NE(key(KeyboardAction::keyboardType(KeyboardType::symbolic())), nullptr);
  tapKey(KeyboardAction::keyboardType(KeyboardType::symbolic()));
  EXPECT_NE(key(KeyboardAction::character("[")), nullptr);
  EXPECT_EQ(key(KeyboardAction::character("\U0001F170")), nullptr);
  EXPECT_EQ(host->textField().text(), "q\U0001F170\U0001F1711");
}

TEST_F(ProductKeyboard, EveryLetterOfEveryFontShowsWholeOnANarrowPhone) {
  platform::SimulatedHostConfiguration configuration;
  configuration.screenSize = {320, 568};
  start(configuration);
  views().setFontMetrics(platform::ui::PangoTextMetrics::shared());
  const auto shiftKey = [&] {
    for (auto casing : {keyloom::KeyboardCase::lowercased, keyloom::KeyboardCase::uppercased,
                        keyloom::KeyboardCase::capsLocked}) {
      if (key(KeyboardAction::shift(casing))) return KeyboardAction::shift(casing);
    }
    return KeyboardAction::shift(keyloom::KeyboardCase::lowercased);
  };
  const auto cutTexts = [&] {
    const std::string path = ::testing::TempDir() + "zandorelle-narrow.png";
    return platform::ui::renderPNG(views(), path, 2).cutTexts;
  };
  for (int font = 0; font < unicode_font::count; ++font) {
    SCOPED_TRACE(font);
    scrollToFont(font);
    tap(fontName(font));
    settle();
    ASSERT_EQ(KeyboardSelection::fontIndex(), font);
    const std::string w = unicode_font::styledCharacter(font, 'w');
    // Both casings, whichever the keyboard shows first.
    for (int casing = 0; casing < 2; ++casing) {
      EXPECT_TRUE(key(KeyboardAction::character(w)) ||
                  key(KeyboardAction::character(unicode_font::styledCharacter(font, 'W'))));
      EXPECT_THAT(cutTexts(), ::testing::IsEmpty()) << "casing " << casing;
      tapKey(shiftKey());
    }
  }
}

// Counts the pixels of a rendered PNG inside `area` (points at `scale`)
// whose colour is within 40 of `colour` in every channel.
int pixelsNear(const std::string& path, platform::Rect area, double scale, const std::string& hex) {
  const auto target = colorFromHex(hex).resolved(platform::ui::ColorScheme::light);
  cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  int count = 0;
  for (int y = static_cast<int>(area.minY() * scale); y < static_cast<int>(area.maxY() * scale); ++y) {
    for (int x = static_cast<int>(area.minX() * scale); x < static_cast<int>(area.maxX() * scale); ++x) {
      const auto argb = *reinterpret_cast<const std::uint32_t*>(data + y * stride + x * 4);
      const double channels[] = {((argb >> 16) & 0xff) / 255.0, ((argb >> 8) & 0xff) / 255.0,
                                 (argb & 0xff) / 255.0};
      const double wanted[] = {target.red, target.green, target.blue};
      bool near = true;
      for (int c = 0; c < 3; ++c) near = near && std::abs(channels[c] - wanted[c]) * 255 <= 40;
      count += near ? 1 : 0;
    }
  }
  cairo_surface_destroy(image);
  return count;
}

TEST_F(ProductKeyboard, TheGlobeIsDrawnInTheThemesSymbolColour) {
  platform::SimulatedHostConfiguration configuration;
  configuration.hasHomeButton = true;  // a phone with a home button shows the globe key
  start(configuration);
  storeThemeIndex(*host->appGroupStore(), 14);
  showAgain();
  views().setFontMetrics(platform::ui::PangoTextMetrics::shared());
  settle();
  auto globe = key(KeyboardAction::nextKeyboard());
  ASSERT_NE(globe, nullptr);
  const std::string path = ::testing::TempDir() + "zandorelle-globe.png";
  platform::ui::renderPNG(views(), path, 2);
  // Theme 14 draws the symbols of its cyan system keys in near-black.
  // The middle of the key: its frame also holds the gaps between the keys.
  const platform::Rect middle(globe->frame.midX() - 8, globe->frame.midY() - 8, 16, 16);
  EXPECT_GT(pixelsNear(path, middle, 2, "#071027"), 40);
}

// The colour of one pixel of a rendered PNG, at a point at `scale`, 0...255.
std::array<int, 3> pixelAt(const std::string& path, platform::Point point, double scale) {
  cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  const auto argb = *reinterpret_cast<const std::uint32_t*>(
      data + static_cast<int>(point.y * scale) * stride + static_cast<int>(point.x * scale) * 4);
  cairo_surface_destroy(image);
  return {static_cast<int>((argb >> 16) & 0xff), static_cast<int>((argb >> 8) & 0xff),
          static_cast<int>(argb & 0xff)};
}

TEST_F(ProductKeyboard, TheKeyboardFillsExactlyTheFrameTheHostGivesIt) {
  struct Case {
    platform::UserInterfaceIdiom idiom;
    platform::Size screen;
  };
  for (const Case& c : {Case{platform::UserInterfaceIdiom::phone, {390, 844}},
                        Case{platform::UserInterfaceIdiom::phone, {320, 568}},
                        Case{platform::UserInterfaceIdiom::pad, {820, 1180}}}) {
    platform::SimulatedHostConfiguration configuration;
    configuration.idiom = c.idiom;
    configuration.screenSize = c.screen;
    start(configuration);
    views().setFontMetrics(platform::ui::PangoTextMetrics::shared());
    settle();
    const platform::Rect frame = host->keyboardFrame();
    SCOPED_TRACE(::testing::Message() << frame.width() << " x " << frame.height());
    const auto keyboards = views().findAllOfType<keyloom::SystemKeyboard>();
    ASSERT_EQ(keyboards.size(), 1u);
    EXPECT_EQ(bar()->frame.minY(), 0);
    EXPECT_EQ(keyboards[0]->frame.maxY(), frame.height());
    EXPECT_EQ(keyboards[0]->frame.width(), frame.width());
    // No strip of the platform's backdrop above the bar or below the keys.
    const std::string path = ::testing::TempDir() + "zandorelle-filled.png";
    platform::ui::renderPNG(views(), path, 1);
    EXPECT_EQ(pixelAt(path, {frame.width() / 2, 0}, 1), (std::array<int, 3>{0xEC, 0x83, 0x21}));
    EXPECT_GT(pixelAt(path, {2, frame.height() - 1}, 1)[1], 0xB0) << "the gradient's green end";
  }
}

// Below the font bar the emoji keyboard needs more room than the letters:
// the keyboard asks the host for it, and for the letters' height again after
// the ABC key.
TEST_F(ProductKeyboard, EveryEmojiRowShowsWholeBetweenTheTitleAndTheMenu) {
  for (const auto& device : keyloom::emojiKeyboardDevices()) {
    start(device.configuration());
    SCOPED_TRACE(::testing::Message() << (device.landscape ? "landscape " : "portrait ") << device.rows << " rows");
    EXPECT_EQ(host->keyboardFrame().height(), device.standardHeight);
    showEmojis();
    const platform::Rect frame = host->keyboardFrame();
    EXPECT_GT(frame.height(), device.standardHeight);
    EXPECT_EQ(frame.maxY(), platform::Screen::main().bounds().height());
    EXPECT_EQ(views().findAllOfType<keyloom::SystemKeyboard>().at(0)->frame.maxY(), frame.height());
    keyloom::expectWholeEmojiRows(views(), platform::Rect(platform::Point{}, frame.size), device.rows);
    tap(views().findByAccessibilityIdentifier("emoji.abc"));
    settle();
    EXPECT_EQ(host->keyboardFrame().height(), device.standardHeight);
  }
}

// Each drag moves the grid as far as the finger went, however few moves it
// took, wherever it started; a category starts at its first emoji.
TEST_F(ProductKeyboard, EveryQuickDragScrollsTheEmojiGridWithTheFinger) {
  start();
  showEmojis();
  auto grid = keyloom::emojiGrid(views());
  const auto cells = grid->findAll(NodeKind::text);
  ASSERT_GT(cells.size(), 20u);
  // A cell of the middle row, and the gap after it.
  const auto cell = cells[7];
  const platform::Point onCell{cell->frame.midX(), cell->frame.midY()};
  const platform::Point inGap{cell->frame.maxX() + 4, cell->frame.midY()};
  ASSERT_TRUE(views().hitTest(inGap).empty() ||
              views().hitTest(inGap).front().node->kind() != NodeKind::text);
  double expected = 0;
  for (const auto& [from, dx] : std::vector<std::pair<platform::Point, double>>{
           {onCell, -150}, {onCell, -150}, {inGap, -120}, {onCell, 60}}) {
    const double cellX = cell->frame.minX();
    flick(from, dx);
    expected -= dx;
    EXPECT_EQ(grid->scrollOffset.x, expected) << "after a drag of " << dx;
    EXPECT_EQ(cell->frame.minX(), cellX + dx);
  }
  tap(views().findAttached(keyloom::EmojiCategory::animals));
  grid = keyloom::emojiGrid(views());
  EXPECT_EQ(grid->scrollOffset.x, 0);
  const auto first = views().findAttached(keyloom::emojis(keyloom::EmojiCategory::animals).front().id());
  ASSERT_NE(first, nullptr);
  EXPECT_LT(first->frame.minX(), 40);
}

// A host that fixes the keyboard's height keeps it: every keyboard fills it,
// from the font bar at the top to the keys or the emoji menu at the bottom,
// with no strip of the platform's backdrop at either edge.
TEST_F(ProductKeyboard, EveryKeyboardFillsAHeightTheHostFixes) {
  const Color magenta = Color::rgba(1, 0, 1);
  const std::string path = ::testing::TempDir() + "zandorelle-fixed.png";
  for (const auto& c : keyloom::fixedHeightCases()) {
    start(c.configuration());
    views().setFontMetrics(platform::ui::PangoTextMetrics::shared());
    for (const auto& type : keyloom::keyboardTypesFillingTheHost()) {
      SCOPED_TRACE(c.name() + " " + type.id());
      controller->setKeyboardType(type);
      settle();
      const platform::Rect bounds(platform::Point{}, host->keyboardFrame().size);
      ASSERT_EQ(bounds.height(), c.height);
      EXPECT_EQ(views().root()->frame, bounds);
      EXPECT_EQ(bar()->frame.minY(), 0);
      EXPECT_EQ(views().findAllOfType<keyloom::SystemKeyboard>().at(0)->frame.maxY(), c.height);
      if (type.is<keyloom::keyboard_type::Emojis>()) keyloom::expectEmojiKeyboardInside(views(), bounds);
      platform::ui::renderPNG(views(), path, 1, magenta);
      for (double x : {1.0, bounds.width() / 2, bounds.width() - 2}) {
        EXPECT_NE(pixelAt(path, {x, 0}, 1), (std::array<int, 3>{255, 0, 255})) << "backdrop at the top, x " << x;
        EXPECT_NE(pixelAt(path, {x, c.height - 1}, 1), (std::array<int, 3>{255, 0, 255}))
            << "backdrop at the bottom, x " << x;
      }
    }
  }
}

// In a short fixed height the emoji keyboard is still used as always: the
// grid scrolls under the finger, an emoji types, the ABC key brings the
// letters back, and a turn of the device keeps the height.
TEST_F(ProductKeyboard, TheEmojiKeyboardWorksInAShortFixedHeight) {
  platform::SimulatedHostConfiguration configuration;
  configuration.keyboardHeight = 216;
  start(configuration);
  showEmojis();
  auto grid = keyloom::emojiGrid(views());
  const platform::Point middle{grid->frame.midX(), grid->frame.midY()};
  flick(middle, -150);
  EXPECT_EQ(keyloom::emojiGrid(views())->scrollOffset.x, 150);
  const auto cells = keyloom::emojiGrid(views())->findAll(NodeKind::text);
  const auto cell = std::find_if(cells.begin(), cells.end(), [&](const auto& node) {
    return node->frame.minX() > 0 && node->frame.maxX() < host->keyboardFrame().width();
  });
  ASSERT_NE(cell, cells.end());
  const std::string typed = (*cell)->content<platform::ui::TextContent>()->text;
  tap(*cell);
  EXPECT_EQ(host->textField().text(), typed);
  host->rotate(platform::ScreenOrientation::landscapeLeft);
  settle();
  EXPECT_EQ(host->keyboardFrame().height(), 216);
  keyloom::expectEmojiKeyboardInside(views(), platform::Rect(platform::Point{}, host->keyboardFrame().size));
  tap(views().findByAccessibilityIdentifier("emoji.abc"));
  settle();
  EXPECT_TRUE(controller->keyboardContext()->keyboardType.get().isAlphabetic());
  EXPECT_EQ(views().findAllOfType<keyloom::SystemKeyboard>().at(0)->frame.maxY(), 216);
}

// The pixels of a rendered PNG, read once.
class Picture {
 public:
  explicit Picture(const std::string& path) : image_(cairo_image_surface_create_from_png(path.c_str())) {}
  ~Picture() { cairo_surface_destroy(image_); }
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // The pixel at (x, y) in pixels, opaque.
  platform::ui::Rgba pixel(int x, int y) const {
    const auto argb = *reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(image_) +
                                                             y * cairo_image_surface_get_stride(image_) + x * 4);
    return {((argb >> 16) & 0xff) / 255.0, ((argb >> 8) & 0xff) / 255.0, (argb & 0xff) / 255.0, 1};
  }
  // The highest contrast against `background` of a pixel inside `area`
  // (points at `scale`): a label's ink where it is solid.
  double inkContrast(platform::Rect area, double scale, platform::ui::Rgba background) const {
    double highest = 1;
    for (int y = static_cast<int>(area.minY() * scale); y < static_cast<int>(area.maxY() * scale); ++y) {
      for (int x = static_cast<int>(area.minX() * scale); x < static_cast<int>(area.maxX() * scale); ++x)
        highest = std::max(highest, platform::ui::contrastRatio(pixel(x, y), background));
    }
    return highest;
  }

 private:
  cairo_surface_t* image_;
};

// The title, the ABC key and the backspace of the emoji page are drawn in a
// text colour of the theme, as the keys' captions are, whatever the system's
// light or dark mode, and stand out from what is behind them by at least 3:1.
// Themes 0, 5 and 9 have no text colour that reaches 3:1 on all of their
// gradient: there the labels are black, as readable wins.
TEST_F(ProductKeyboard, TheEmojiPageLabelsReadOnEveryTheme) {
  const std::string path = ::testing::TempDir() + "zandorelle-emoji-labels.png";
  const double scale = 2;
  std::set<std::size_t> belowThree;
  for (std::size_t theme = 0; theme < themeTable().size(); ++theme) {
    const Theme& colours = themeTable()[theme];
    const auto rgba = [&](std::size_t slot) { return themeColor(colours, slot).resolved(platform::ui::ColorScheme::light); };
    const auto lowest = [&](std::size_t text) {
      return std::min({platform::ui::contrastRatio(rgba(text), rgba(0)), platform::ui::contrastRatio(rgba(text), rgba(1)),
                       platform::ui::contrastRatio(rgba(text), rgba(2))});
    };
    const bool readableInTheme = std::max(lowest(5), lowest(6)) >= 3;
    if (!readableInTheme) belowThree.insert(theme);
    for (auto style : {platform::UserInterfaceStyle::light, platform::UserInterfaceStyle::dark}) {
      platform::SimulatedHostConfiguration configuration;
      configuration.userInterfaceStyle = style;
      start(configuration);
      storeThemeIndex(*host->appGroupStore(), static_cast<int>(theme));
      showAgain();
      showEmojis();
      platform::ui::renderPNG(views(), path, scale);
      const Picture picture(path);
      const auto titles = views().findAllOfType<keyloom::EmojiCategoryTitle>();
      ASSERT_EQ(titles.size(), 1u);
      const auto abc = views().findByAccessibilityIdentifier("emoji.abc");
      const auto backspace = views().findByAccessibilityIdentifier("emoji.backspace");
      ASSERT_TRUE(abc && backspace);
      const std::pair<std::string, std::shared_ptr<platform::ui::Node>> labels[] = {
          {"title", titles[0]->findAll(NodeKind::text).at(0)},
          {"ABC", abc->findAll(NodeKind::text).at(0)},
          {"backspace", backspace->findAll(NodeKind::image).at(0)}};
      for (const auto& [name, label] : labels) {
        SCOPED_TRACE(::testing::Message() << "theme " << theme << " "
                                          << (style == platform::UserInterfaceStyle::dark ? "dark " : "light ")
                                          << name);
        const auto drawn = label->resolvedForegroundColor().resolved(label->colorScheme());
        if (readableInTheme) {
          EXPECT_TRUE(drawn == rgba(5) || drawn == rgba(6)) << label->resolvedForegroundColor().description();
        } else {
          EXPECT_EQ(drawn, colorFromHex("#000000").resolved(platform::ui::ColorScheme::light))
              << label->resolvedForegroundColor().description();
        }
        // Beside the label only the background is drawn.
        const platform::Rect frame = label->frame;
        const auto background =
            picture.pixel(static_cast<int>((frame.minX() - 3) * scale), static_cast<int>(frame.midY() * scale));
        EXPECT_GE(picture.inkContrast(frame, scale, background), 3 - 0.05);
      }
    }
  }
  EXPECT_EQ(belowThree, (std::set<std::size_t>{0, 5, 9}));
}

TEST_F(ProductKeyboard, DarkModeWithoutAThemeReachesTheFontBarAndTheInputCallout) {
  platform::SimulatedHostConfiguration configuration;
  configuration.appGroupAvailable = false;
  configuration.userInterfaceStyle = platform::UserInterfaceStyle::dark;
  start(configuration);
  views().setFontMetrics(platform::ui::PangoTextMetrics::shared());
  settle();
  ASSERT_EQ(controller->keyboardContext()->colorScheme(), platform::ui::ColorScheme::dark);
  const std::string path = ::testing::TempDir() + "zandorelle-dark.png";

  // The font bar's names are light on the dark keyboard.
  platform::ui::renderPNG(views(), path, 2, backdrop(platform::ui::ColorScheme::dark));
  const auto name = fontName(2);
  EXPECT_GT(pixelsNear(path, name->frame, 2, "#FFFFFF"), 20);
  EXPECT_EQ(pixelsNear(path, name->frame, 2, "#000000"), 0);

  // The callout of a pressed key has the keys' colour.
  auto g = key(KeyboardAction::character("g"));
  ASSERT_NE(g, nullptr);
  host->advanceTime(0.5);
  auto touch = views().touches().down({g->frame.midX(), g->frame.midY()});
  host->advanceTime(0.05);
  host->runMainQueue();
  platform::ui::renderPNG(views(), path, 2, backdrop(platform::ui::ColorScheme::dark));
  views().touches().up(touch);
  auto h = key(KeyboardAction::character("h"));
  const auto keyColour = pixelAt(path, {h->frame.maxX() - 8, h->frame.maxY() - 10}, 2);
  const auto bubble = pixelAt(path, {g->frame.midX() - 10, g->frame.minY() - 25}, 2);
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(bubble[c], keyColour[c], 24) << "channel " << c;

  // Back to light while shown: the names follow.
  host->setUserInterfaceStyle(platform::UserInterfaceStyle::light);
  settle();
  ASSERT_EQ(controller->keyboardContext()->colorScheme(), platform::ui::ColorScheme::light);
  platform::ui::renderPNG(views(), path, 2, backdrop());
  EXPECT_GT(pixelsNear(path, fontName(2)->frame, 2, "#000000"), 20);
  EXPECT_EQ(pixelsNear(path, fontName(2)->frame, 2, "#FFFFFF"), 0);
}

// ---- Golden images of the keyboard as shown (regenerate with
// KEYLOOM_UPDATE_GOLDENS=1, then look at them before committing).

struct ProductKeyboardLooks : ProductKeyboard {
  void expectLooksLike(const std::string& name) {
    views().setFontMetrics(platform::ui::PangoTextMetrics::shared());
    host->layout();
    host->runMainQueue();
    keyloom::testing::expectMatchesGolden(views(), name, 2, backdrop(), ZANDORELLE_GOLDENS);
  }
};

TEST_F(ProductKeyboardLooks, NoTheme) {
  start(false);
  expectLooksLike("no-theme");
}

TEST_F(ProductKeyboardLooks, ThemeZero) {
  start();
  expectLooksLike("theme-0");
}

TEST_F(ProductKeyboardLooks, ThemeSixteen) {
  start();
  storeThemeIndex(*host->appGroupStore(), 16);
  showAgain();
  expectLooksLike("theme-16");
}

TEST_F(ProductKeyboardLooks, DarkModeWithoutATheme) {
  platform::SimulatedHostConfiguration configuration;
  configuration.appGroupAvailable = false;
  configuration.userInterfaceStyle = platform::UserInterfaceStyle::dark;
  start(configuration);
  views().setFontMetrics(platform::ui::PangoTextMetrics::shared());
  host->layout();
  host->runMainQueue();
  keyloom::testing::expectMatchesGolden(views(), "dark-no-theme", 2,
                                        backdrop(platform::ui::ColorScheme::dark), ZANDORELLE_GOLDENS);
}

// The capitals of the fraktur font are the widest letters of all.
TEST_F(ProductKeyboardLooks, NarrowPhoneWithFrakturCapitals) {
  platform::SimulatedHostConfiguration configuration;
  configuration.screenSize = {320, 568};
  start(configuration);
  scrollToFont(1);
  tap(fontName(1));
  settle();
  tapKey(KeyboardAction::shift(keyloom::KeyboardCase::lowercased));
  expectLooksLike("phone-320-font-1-upper");
}

TEST_F(ProductKeyboardLooks, EmojisInPortrait) {
  start();
  showEmojis();
  expectLooksLike("emojis-portrait");
}

TEST_F(ProductKeyboardLooks, EmojisInLandscape) {
  platform::SimulatedHostConfiguration configuration;
  configuration.orientation = platform::ScreenOrientation::landscapeLeft;
  start(configuration);
  showEmojis();
  expectLooksLike("emojis-landscape");
}

TEST_F(ProductKeyboardLooks, EmojisInAShortFixedHeight) {
  platform::SimulatedHostConfiguration configuration;
  configuration.keyboardHeight = 216;
  start(configuration);
  showEmojis();
  expectLooksLike("emojis-fixed-216");
}

// A dark theme in light mode: the labels in the theme's cyan text colour.
TEST_F(ProductKeyboardLooks, EmojisOnThemeFourteenInLightMode) {
  start();
  storeThemeIndex(*host->appGroupStore(), 14);
  showAgain();
  showEmojis();
  expectLooksLike("emojis-theme-14-light");
}

TEST_F(ProductKeyboardLooks, FontSixOnThemeThree) {
  start();
  storeThemeIndex(*host->appGroupStore(), 3);
  showAgain();
  scrollToFont(6);
  tap(fontName(6));
  expectLooksLike("font-6-theme-3");
}

}  // namespace
}  // namespace zandorelle
