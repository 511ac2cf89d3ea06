// Golden pictures of whole screens as the simulator renders them: the host
// app's text field and the keyboard, through the window's session as well.
//
// After an intended change of how one looks, write the new pictures with
//   KEYLOOM_UPDATE_GOLDENS=1 build/bin/keyboard_simulator_tests --gtest_filter='SimulatorGolden*'
// look at them, and commit them with the change.
#include <gtest/gtest.h>

#include <cairo.h>

#include <filesystem>
#include <string>

#include "apps/keyboard-simulator/SimulatorProgramRunner.h"
#include "apps/keyboard-simulator/SimulatorSession.h"
#include "testing/GoldenImage.h"

namespace keyboard_simulator {
namespace {

using namespace keyboard_simulator::program_test;

std::filesystem::path golden(const std::string& name) {
  return std::filesystem::path(KEYBOARD_SIMULATOR_GOLDENS) / (name + ".png");
}

std::filesystem::path rendered(const std::string& name) {
  return std::filesystem::path(::testing::TempDir()) / ("simulator-" + name + ".png");
}

TEST(SimulatorGolden, AThemedKeyboardWithAnOpenCallout) {
  const auto actual = rendered("themed-callout");
  const ProgramRun run = runSimulator({"--scale", "1", "--script", "-"},
                                      "set-theme 5\nhide\nshow\ntype Hello from the simulator! Gr\n"
                                      "long-press u 1\nslide -100 0\nscreenshot " + actual.string() + "\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  keyloom::testing::expectMatchesGoldenFile(actual, golden("themed-callout"));
}

TEST(SimulatorGolden, TheLocaleMenuOpenOverTheKeys) {
  const auto actual = rendered("locale-menu");
  const ProgramRun run = runSimulator({"--scale", "1", "--locales", "en,de,fr,it", "--space-long-press", "menu",
                                       "--script", "-"},
                                      "type Hi\nlong-press space 1\nlift\nscreenshot " + actual.string() + "\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  keyloom::testing::expectMatchesGoldenFile(actual, golden("locale-menu"));
}

TEST(SimulatorGolden, TheStandardKeyboardInLandscapeInTheDark) {
  const auto actual = rendered("standard-landscape-dark");
  const ProgramRun run = runSimulator({"--keyboard", "standard", "--orientation", "landscape", "--scale", "1",
                                       "--text", "Line one\nand the caret's line", "--screenshot", actual.string(),
                                       "--script", "-"},
                                      "dark\ntype 24/7\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  keyloom::testing::expectMatchesGoldenFile(actual, golden("standard-landscape-dark"));
}

// The objects begin with emojis listed without U+FE0F; cells and callout
// show them in colour all the same.
TEST(SimulatorGolden, AnEmojiHeldDownInItsCallout) {
  const auto actual = rendered("emoji-callout");
  const ProgramRun run = runSimulator({"--keyboard", "standard", "--scale", "1", "--script", "-"},
                                      "tap emoji\ntap objects\nlong-press \U0001F5A5 0.3\nscreenshot " +
                                          actual.string() + "\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  keyloom::testing::expectMatchesGoldenFile(actual, golden("emoji-callout"));
}

// The host's text field cut out of a screenshot at `scale`: a picture of the
// whole screen would hide a change of a few letters in its tolerance.
std::filesystem::path fieldOf(const std::filesystem::path& screenshot, int scale) {
  cairo_surface_t* screen = cairo_image_surface_create_from_png(screenshot.c_str());
  const int x = 16 * scale, y = 60 * scale, width = 358 * scale, height = 42 * scale;
  cairo_surface_t* field = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_t* cr = cairo_create(field);
  cairo_set_source_surface(cr, screen, -x, -y);
  cairo_paint(cr);
  cairo_destroy(cr);
  auto path = screenshot;
  path.replace_extension(".field.png");
  EXPECT_EQ(cairo_surface_write_to_png(field, path.c_str()), CAIRO_STATUS_SUCCESS);
  cairo_surface_destroy(field);
  cairo_surface_destroy(screen);
  return path;
}

// The field's line laid out whole, its letters joined, with the caret inside
// the second word where the layout puts it.
TEST(SimulatorGolden, RightToLeftFieldsWithTheCaretInsideAWord) {
  struct Case {
    const char* name;
    const char* locale;
    const char* text;
    const char* drag;
  };
  const Case cases[] = {
      {"arabic-field", "ar", "\u0633\u0644\u0627\u0645 \u0639\u0644\u064A\u0643\u0645", "drag-space -12\n"},
      {"hebrew-field", "he_IL", "\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD", "drag-space -20\n"},
  };
  for (const Case& c : cases) {
    const auto actual = rendered(c.name);
    const ProgramRun run = runSimulator({"--scale", "2", "--locale", c.locale, "--text", c.text, "--screenshot",
                                         actual.string(), "--script", "-"},
                                        c.drag);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    keyloom::testing::expectMatchesGoldenFile(fieldOf(actual, 2), golden(c.name));
  }
}

TEST(SimulatorGolden, TheWindowsFrameIsTheHeadlessScreenshot) {
  SimulatorOptions options;
  options.scale = 1;
  SimulatorSession session(options, 1);
  session.simulator().type("Same picture");
  const auto headless = rendered("headless");
  session.simulator().screenshot(headless.string());
  const auto window = rendered("window-frame");
  ASSERT_EQ(cairo_surface_write_to_png(session.frame(), window.c_str()), CAIRO_STATUS_SUCCESS);
  keyloom::testing::expectMatchesGoldenFile(window, headless);
}

}  // namespace
}  // namespace keyboard_simulator
