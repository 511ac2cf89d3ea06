// Frames repainted only where their drawing changed, and screenshots drawn a
// band at a time, have exactly the pixels of the screen drawn in one piece,
// through presses, callouts with slides, a keyboard type change, themes, dark
// mode and a rotation.
#include <gtest/gtest.h>

#include <cairo.h>

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "apps/keyboard-simulator/SimulatorSession.h"
#include "apps/keyboard-simulator/SimulatorWholeFrame_testing.h"
#include "apps/keyboard-simulator/SimulatorWindow.h"
#include "platform/ui/HostRenderer.h"
#include "testing/SurfaceDifference.h"

namespace keyboard_simulator {
namespace {

using Command = SimulatorSession::Command;
using Kind = SimulatorKey::Kind;

class IncrementalFrameTest : public ::testing::TestWithParam<double> {
 protected:
  explicit IncrementalFrameTest(SimulatorOptions options = {}) : session_(std::move(options), GetParam()) {}

  // The frame after a step, compared with the screen drawn whole.
  void expectSameAsWhole(const std::string& step) {
    session_.advance(0.05);
    cairo_surface_t* incremental = session_.frame();
    cairo_surface_t* whole = wholeFrame(session_);
    EXPECT_EQ(keyloom::testing::differingPixels(incremental, whole, 0x00FFFFFF), 0) << step;
    if (const char* folder = std::getenv("KEYLOOM_INCREMENTAL_FRAMES")) {
      const std::string name = std::string(folder) + "/" + std::to_string(++shots_) + "-" + step;
      cairo_surface_write_to_png(incremental, (name + "-incremental.png").c_str());
      cairo_surface_write_to_png(whole, (name + "-whole.png").c_str());
    }
    cairo_surface_destroy(whole);
  }

  platform::Point pixelOf(const SimulatorKey& key) {
    auto point = session_.simulator().keyOnScreen(key);
    EXPECT_TRUE(point) << nameOf(key);
    return point ? platform::Point{point->x * session_.scale(), point->y * session_.scale()} : platform::Point{};
  }

  void tap(const SimulatorKey& key, const std::string& step) {
    const auto pixel = pixelOf(key);
    session_.pointerDown(pixel);
    expectSameAsWhole(step + "-down");
    session_.pointerUp(pixel);
    expectSameAsWhole(step + "-up");
  }

  void moveCaret(std::size_t to, const std::string& step) {
    session_.simulator().host()->moveCursor(to);
    session_.setNeedsRedraw();  // moved past the session
    expectSameAsWhole(step);
  }

  // Turned, typed into, then on a pad with the caret at the start.
  void turnedAndOnAPad() {
    session_.perform(Command::rotate);
    expectSameAsWhole("landscape");
    tap(SimulatorKey::characterKey("e"), "e-landscape");
    session_.perform(Command::nextDevice);
    expectSameAsWhole("pad");
    moveCaret(0, "pad-caret-at-start");
  }

  SimulatorSession session_;
  int shots_ = 0;
};

TEST_P(IncrementalFrameTest, PressesAndCalloutsWithSlides) {
  expectSameAsWhole("first");
  session_.simulator().type("Hello wor");
  session_.setNeedsRedraw();  // typed past the session
  expectSameAsWhole("typed");
  tap(SimulatorKey::characterKey("l"), "l");
  tap(SimulatorKey::characterKey("d"), "d");
  tap(SimulatorKey::named(Kind::space), "space");
  tap(SimulatorKey::named(Kind::backspace), "backspace");

  // Held until its callout opens, slid across the callout's entries and back.
  const auto e = pixelOf(SimulatorKey::characterKey("e"));
  session_.pointerDown(e);
  expectSameAsWhole("e-down");
  session_.advance(0.6);
  expectSameAsWhole("e-callout");
  const double step = 12 * session_.scale();
  for (int i = 1; i <= 4; ++i) {
    session_.pointerMove({e.x + i * step, e.y - 2});
    expectSameAsWhole("e-slide-right-" + std::to_string(i));
  }
  for (int i = 3; i >= -4; --i) {
    session_.pointerMove({e.x + i * step, e.y - 2});
    expectSameAsWhole("e-slide-left-" + std::to_string(i));
  }
  session_.pointerUp({e.x - 4 * step, e.y - 2});
  expectSameAsWhole("e-lifted");

  // A computer key presses the matching key on screen.
  session_.characterDown("k");
  expectSameAsWhole("computer-k-down");
  session_.keyUp();
  expectSameAsWhole("computer-k-up");
}

TEST_P(IncrementalFrameTest, TypeThemeDarkModeAndRotation) {
  expectSameAsWhole("first");
  tap(SimulatorKey::named(Kind::numeric), "numbers");
  tap(SimulatorKey::characterKey("7"), "7");
  tap(SimulatorKey::named(Kind::alphabetic), "letters");
  tap(SimulatorKey::named(Kind::shift), "shift");

  session_.perform(Command::nextTheme);
  expectSameAsWhole("theme");
  tap(SimulatorKey::characterKey("a"), "a-themed");
  session_.perform(Command::toggleDark);
  expectSameAsWhole("dark");
  tap(SimulatorKey::characterKey("s"), "s-dark");
  session_.perform(Command::rotate);
  expectSameAsWhole("landscape");
  tap(SimulatorKey::characterKey("q"), "q-landscape");
  session_.perform(Command::toggleDark);
  expectSameAsWhole("light-landscape");
  session_.perform(Command::toggleKeyboard);
  expectSameAsWhole("hidden");
  session_.perform(Command::toggleKeyboard);
  expectSameAsWhole("shown");
}

TEST_P(IncrementalFrameTest, TypingKeyByKeyMovingTheCursorAndAnotherDeviceAndLocale) {
  expectSameAsWhole("first");
  for (const char* character : {"w", "o", "r", "d", "s"}) {
    tap(SimulatorKey::characterKey(character), std::string("typed-") + character);
  }
  tap(SimulatorKey::named(Kind::space), "space");
  // The space bar held and dragged moves the caret through the field's text.
  const auto space = pixelOf(SimulatorKey::named(Kind::space));
  session_.pointerDown(space);
  session_.advance(0.6);
  expectSameAsWhole("space-held");
  for (int i = 1; i <= 3; ++i) {
    session_.pointerMove({space.x - i * 15 * session_.scale(), space.y});
    expectSameAsWhole("space-dragged-" + std::to_string(i));
  }
  session_.pointerUp({space.x - 45 * session_.scale(), space.y});
  expectSameAsWhole("space-lifted");
  tap(SimulatorKey::named(Kind::backspace), "backspace-inside");

  session_.perform(Command::nextLocale);
  expectSameAsWhole("locale");
  tap(SimulatorKey::characterKey("z"), "z-german");
  session_.perform(Command::nextDevice);
  expectSameAsWhole("pad");
  tap(SimulatorKey::characterKey("q"), "q-pad");
}

TEST_P(IncrementalFrameTest, ASymbolsCalloutFromAComputerKey) {
  expectSameAsWhole("first");
  session_.characterDown("%");
  expectSameAsWhole("percent-down");
  session_.keyUp();
  expectSameAsWhole("percent-up");
}

INSTANTIATE_TEST_SUITE_P(Scales, IncrementalFrameTest, ::testing::Values(0.5, 0.83, 1.0, 2.0));

// A right-to-left line longer than the field, scrolled and cut at its edges
// as the caret moves through it, in the dark, turned and on a pad.
class RightToLeftFieldFrameTest : public IncrementalFrameTest {
 protected:
  RightToLeftFieldFrameTest() : IncrementalFrameTest(options()) {}
  static SimulatorOptions options() {
    SimulatorOptions options;
    options.locale = "ar";
    for (int i = 0; i < 6; ++i) options.text += "سلام عليكم ";
    return options;
  }
};

TEST_P(RightToLeftFieldFrameTest, TypingWithTheCaretAtTheEndsAndInsideAWord) {
  expectSameAsWhole("first");
  tap(SimulatorKey::characterKey("q"), "typed-at-end");
  moveCaret(0, "caret-at-start");
  tap(SimulatorKey::characterKey("w"), "typed-at-start");
  moveCaret(14, "caret-inside-a-word");
  tap(SimulatorKey::named(Kind::backspace), "backspace-inside-a-word");
  tap(SimulatorKey::named(Kind::space), "space-inside-a-word");
  session_.perform(Command::toggleDark);
  expectSameAsWhole("dark");
  turnedAndOnAPad();
}

INSTANTIATE_TEST_SUITE_P(Scales, RightToLeftFieldFrameTest, ::testing::Values(0.5, 0.83, 1.0, 2.0));

// A line of joined emoji, flags and letters with marks, many times wider
// than the field: cut each side of the caret as it moves and as the line is
// typed into, turned and on a pad.
class LongCharactersFieldFrameTest : public IncrementalFrameTest {
 protected:
  LongCharactersFieldFrameTest() : IncrementalFrameTest(options()) {}
  static SimulatorOptions options() {
    const std::string family = "\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466";
    SimulatorOptions options;
    for (int i = 0; i < 150; ++i) options.text += family + "\U0001F1E9\U0001F1EA" + "a\u0301\u0323";
    return options;
  }
};

TEST_P(LongCharactersFieldFrameTest, TypingWithTheCaretAtTheEndsAndInTheMiddle) {
  expectSameAsWhole("first");
  tap(SimulatorKey::characterKey("q"), "typed-at-end");
  moveCaret(0, "caret-at-start");
  tap(SimulatorKey::characterKey("w"), "typed-at-start");
  moveCaret(226, "caret-in-the-middle");
  tap(SimulatorKey::named(Kind::backspace), "backspace-in-the-middle");
  turnedAndOnAPad();
  moveCaret(452, "pad-caret-at-end");
}

INSTANTIATE_TEST_SUITE_P(Scales, LongCharactersFieldFrameTest, ::testing::Values(0.5, 1.0, 2.0));

// The screenshot, written a band of rows at a time, read back.
cairo_surface_t* screenshot(SimulatorSession& session) {
  const std::string path = ::testing::TempDir() + "keyloom-screenshot.png";
  platform::ui::renderHost(*session.simulator().host(), session.simulator().shownViews(), path, session.scale());
  return cairo_image_surface_create_from_png(path.c_str());
}

// Glyphs that cross the edge between two bands come out as in one piece.
TEST(Screenshot, IsTheScreenDrawnInOnePiece) {
  struct Case {
    const char* name;
    SimulatorKeyboard keyboard;
    keyloom::DeviceType device;
    keyloom::InterfaceOrientation orientation;
    double scale;
    std::optional<SimulatorKey> tapped;
  };
  const Case cases[] = {
      {"pad in landscape", SimulatorKeyboard::zandorelle, keyloom::DeviceType::pad,
       keyloom::InterfaceOrientation::landscape, 1, std::nullopt},
      {"standard after 123", SimulatorKeyboard::standard, keyloom::DeviceType::phone,
       keyloom::InterfaceOrientation::portrait, 2, SimulatorKey::named(Kind::numeric)},
      {"phone at 0.83", SimulatorKeyboard::zandorelle, keyloom::DeviceType::phone,
       keyloom::InterfaceOrientation::portrait, 0.83, std::nullopt},
  };
  for (const Case& c : cases) {
    SimulatorOptions options;
    options.keyboard = c.keyboard;
    options.device = c.device;
    options.orientation = c.orientation;
    SimulatorSession session(options, c.scale);
    if (c.tapped) session.simulator().tap(*c.tapped);
    cairo_surface_t* banded = screenshot(session);
    cairo_surface_t* whole = wholeFrame(session);
    EXPECT_EQ(keyloom::testing::differingPixels(banded, whole, 0x00FFFFFF), 0) << c.name;
    cairo_surface_destroy(whole);
    cairo_surface_destroy(banded);
  }
}

// The locale menu held open with the mouse on the space bar, closed by a
// click beside it, opened again and closed by a click on an entry.
TEST(IncrementalFrame, TheLocaleMenuOpenedAndClosedWithTheMouseRepaintsLikeAWholeFrame) {
  for (const double scale : {1.0, 2.0}) {
    SCOPED_TRACE(scale);
    SimulatorOptions options;
    options.locales = {"en", "de", "fr"};
    options.spaceLongPress = keyloom::SpaceLongPressBehavior::openLocaleContextMenu;
    SimulatorSession session(options, scale);
    auto expectSameAsWhole = [&session](const std::string& step) {
      session.advance(0.05);
      cairo_surface_t* whole = wholeFrame(session);
      EXPECT_EQ(keyloom::testing::differingPixels(session.frame(), whole, 0x00FFFFFF), 0) << step;
      cairo_surface_destroy(whole);
    };
    auto pixel = [&session, scale](platform::Point point) { return platform::Point{point.x * scale, point.y * scale}; };
    auto click = [&](platform::Point point, const std::string& step) {
      session.pointerDown(pixel(point));
      session.pointerUp(pixel(point));
      expectSameAsWhole(step);
    };
    auto& simulator = session.simulator();
    const auto space = simulator.keyOnScreen(SimulatorKey::named(Kind::space));
    const auto q = simulator.keyOnScreen(SimulatorKey::characterKey("q"));
    ASSERT_TRUE(space && q);
    expectSameAsWhole("first");
    for (const char* close : {"beside", "entry"}) {
      session.pointerDown(pixel(*space));
      session.advance(0.6);
      expectSameAsWhole(std::string("opened-") + close);
      session.pointerUp(pixel(*space));
      expectSameAsWhole(std::string("lifted-") + close);
      auto* view = simulator.shownViews().at(0).host;
      ASSERT_TRUE(view->presentedMenu());
      if (std::string(close) == "beside") {
        click(*q, "clicked beside");
        continue;
      }
      const auto entry = view->findByAccessibilityIdentifier("menu.presentation")->findText("Deutsch");
      ASSERT_TRUE(entry);
      const platform::Point origin = simulator.host()->keyboardFrame().origin;
      click({origin.x + entry->frame.midX(), origin.y + entry->frame.midY()}, "clicked Deutsch");
    }
    EXPECT_EQ(simulator.report(false).locale, "de");
    EXPECT_EQ(simulator.report(false).text, "");
  }
}

long repaintedArea(const SimulatorSession& session) {
  long area = 0;
  for (const auto& rect : session.repainted()) area += static_cast<long>(rect.width) * rect.height;
  return area;
}

TEST(IncrementalFrame, APressRepaintsLittleOfTheScreen) {
  SimulatorSession session(SimulatorOptions{}, 1);
  session.simulator().type("Hello wor");
  session.frame();
  const auto key = session.simulator().keyOnScreen(SimulatorKey::characterKey("l"));
  ASSERT_TRUE(key);
  session.pointerDown(*key);
  session.frame();
  EXPECT_GT(repaintedArea(session), 0);
  EXPECT_LT(repaintedArea(session), session.pixelWidth() * session.pixelHeight() / 8)
      << "the key, its callout and neighbours";
  session.frame();
  EXPECT_TRUE(session.repainted().empty()) << "nothing changed since";
}

TEST(IncrementalFrame, ASlideAcrossACalloutRepaintsTheEntriesItLeavesAndReaches) {
  SimulatorSession session(SimulatorOptions{}, 1);
  const auto key = session.simulator().keyOnScreen(SimulatorKey::characterKey("e"));
  ASSERT_TRUE(key);
  session.pointerDown(*key);
  session.advance(1);
  session.frame();
  ASSERT_FALSE(session.simulator().report(false).callout.empty());
  // From the middle of the first entry to the middle of the second.
  session.pointerMove({key->x + 20, key->y - 4});
  session.frame();
  session.pointerMove({key->x + 55, key->y - 4});
  session.frame();
  EXPECT_GT(repaintedArea(session), 0);
  EXPECT_LT(repaintedArea(session), 100 * 60) << "two entries of the callout";
}

// The window copies only the repainted pixels into what it shows: after a
// few presses it shows the frame as drawn.
TEST(IncrementalFrame, TheWindowShowsTheFrameAfterPartialCopies) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "SDL's desktop libraries leak without names to suppress";
#endif
  // Only for this window: programs that later tests start must not inherit it.
  struct OffscreenDriver {
    OffscreenDriver() {
      if (const char* driver = std::getenv("SDL_VIDEODRIVER")) before = driver;
      setenv("SDL_VIDEODRIVER", "offscreen", 1);
    }
    ~OffscreenDriver() {
      if (before) setenv("SDL_VIDEODRIVER", before->c_str(), 1);
      else unsetenv("SDL_VIDEODRIVER");
    }
    std::optional<std::string> before;
  } offscreen;
  SimulatorOptions options;
  options.scale = 1;  // a scale of its own would fit the off-screen display instead
  SimulatorSession session(options, 1);
  std::unique_ptr<SimulatorWindow> window;
  try {
    window = std::make_unique<SimulatorWindow>(session);
  } catch (const platform::Error& error) {
    GTEST_SKIP() << "no off-screen video driver: " << error.what();
  }
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  for (const char* character : {"h", "e", "y"}) {
    const auto point = session.simulator().keyOnScreen(SimulatorKey::characterKey(character));
    ASSERT_TRUE(point);
    for (Uint32 type : {Uint32(SDL_MOUSEBUTTONDOWN), Uint32(SDL_MOUSEBUTTONUP)}) {
      SDL_Event event{};
      event.type = type;
      event.button.button = SDL_BUTTON_LEFT;
      event.button.x = static_cast<int>(point->x);
      event.button.y = static_cast<int>(point->y);
      SDL_PushEvent(&event);
    }
  }
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
  window->run();
  ASSERT_EQ(session.simulator().host()->textField().text(), "Hey");

  const std::string path = ::testing::TempDir() + "keyloom-window-capture.png";
  window->capture(path);
  cairo_surface_t* shown = cairo_image_surface_create_from_png(path.c_str());
  cairo_surface_t* frame = session.frame();
  ASSERT_EQ(cairo_image_surface_get_width(shown), cairo_image_surface_get_width(frame));
  const int differing = keyloom::testing::differingPixels(shown, frame, 0x00FFFFFF);
  cairo_surface_destroy(shown);
  EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace keyboard_simulator
