#include "apps/keyboard-simulator/Simulator.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "keyloom/controller/KeyboardHostingController.h"
#include "keyloom/views/AutocompleteToolbar.h"
#include "keyloom/views/InputCallout.h"
#include "keyloom/views/SystemKeyboardButtonRowItem.h"
#include "platform/ui/UI.h"

namespace keyboard_simulator {
namespace {

// Seconds to type `text` after the field already holds `before`; the best of
// three, so a busy machine disturbs it less.
double secondsToType(const std::string& before, const std::string& text) {
  double best = 1e9;
  for (int run = 0; run < 3; ++run) {
    SimulatorOptions options;
    options.text = before;
    Simulator simulator(options);
    const auto start = std::chrono::steady_clock::now();
    simulator.type(text);
    best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    EXPECT_EQ(simulator.host()->textField().text(), before + text);
  }
  return best;
}

TEST(SimulatorTest, AKeyCostsTheSameInALongText) {
  std::string longText;
  while (longText.size() < 100'000) longText += "typing on and on. ";
  const std::string typed = "more words here ";
  const double shortTime = secondsToType("", typed);
  const double longTime = secondsToType(longText, typed);
  EXPECT_LT(longTime, 3 * shortTime) << shortTime << " s with no text, " << longTime << " s after 100 KB";
}

// How often each node of every key (the row item and all below it) was
// evaluated, by node.
std::map<const platform::ui::Node*, std::size_t> keyEvaluations(Simulator& simulator) {
  auto& view = simulator.controller()->hostingController()->viewHost();
  std::map<const platform::ui::Node*, std::size_t> counts;
  for (const auto& key : view.root()->findAllOfType<keyloom::SystemKeyboardButtonRowItem>()) {
    for (const auto& node : key->findAll([](const platform::ui::Node&) { return true; })) {
      counts[node.get()] = node->evaluationCount();
    }
  }
  return counts;
}

TEST(SimulatorTest, NewSuggestionsReachTheToolbarAndLeaveTheKeysAlone) {
  const auto words = std::filesystem::path(::testing::TempDir()) / "simulator-kept-keys.txt";
  std::ofstream(words, std::ios::binary) << "hello\nhelp\nhelmet\nworld\n";
  SimulatorOptions options;
  options.keyboard = SimulatorKeyboard::standard;
  options.wordList = words.string();
  Simulator simulator(options);
  simulator.type("hel");
  auto& view = simulator.controller()->hostingController()->viewHost();
  ASSERT_NE(view.findText("hello"), nullptr);
  const auto toolbar = view.root()->findAllOfType<keyloom::AutocompleteToolbar>();
  ASSERT_EQ(toolbar.size(), 1u);
  const std::size_t toolbarEvaluations = toolbar[0]->evaluationCount();
  const auto before = keyEvaluations(simulator);
  ASSERT_GT(before.size(), 100u);

  // Only the controller's context changes: what a finished lookup does.
  simulator.controller()->autocompleteContext()->suggestions.set(
      {keyloom::AutocompleteSuggestion("help"), keyloom::AutocompleteSuggestion("helper")});
  simulator.host()->runMainQueue();

  EXPECT_NE(view.findText("helper"), nullptr);
  EXPECT_EQ(view.findText("hello"), nullptr);
  EXPECT_GT(toolbar[0]->evaluationCount(), toolbarEvaluations);
  EXPECT_EQ(keyEvaluations(simulator), before) << "every key keeps its nodes, none evaluated again";

  // Typed on, the new suggestions come from the word list; the keys but the
  // one touched stay as they were.
  simulator.type("l");
  EXPECT_NE(view.findText("hello"), nullptr);
  EXPECT_EQ(view.findText("helper"), nullptr);
  const auto after = keyEvaluations(simulator);
  std::size_t changed = 0;
  for (const auto& [node, count] : after) {
    auto found = before.find(node);
    if (found == before.end() || found->second != count) ++changed;
  }
  EXPECT_EQ(after.size(), before.size());
  EXPECT_LT(changed, after.size() / 10) << "only the pressed key is evaluated again";
}

TEST(SimulatorTest, TheSuggestionBarDrawsTheTypedWordOnceWhenTheListHasIt) {
  const auto words = std::filesystem::path(::testing::TempDir()) / "simulator-typed-word.txt";
  std::ofstream(words, std::ios::binary) << "help\n";
  SimulatorOptions options;
  options.keyboard = SimulatorKeyboard::standard;
  options.wordList = words.string();
  Simulator simulator(options);
  simulator.type("help");
  auto& view = simulator.controller()->hostingController()->viewHost();
  const auto toolbar = view.root()->findAllOfType<keyloom::AutocompleteToolbar>();
  ASSERT_EQ(toolbar.size(), 1u);
  std::vector<std::string> titles;
  for (const auto& text : toolbar[0]->findAll(platform::ui::NodeKind::text)) titles.push_back(*text->text());
  EXPECT_EQ(titles, std::vector<std::string>{"help"});
}

// Pixels of the PNG inside `box` (in pixels) whose channels differ by more
// than a quarter: a colour emoji has many, a glyph drawn in a grey none.
int colouredPixels(const std::string& path, platform::Rect box) {
  cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
  int count = 0;
  if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
    const int x1 = std::min(cairo_image_surface_get_width(image), static_cast<int>(box.maxX()));
    const int y1 = std::min(cairo_image_surface_get_height(image), static_cast<int>(box.maxY()));
    for (int y = std::max(0, static_cast<int>(box.minY())); y < y1; ++y) {
      const auto* row = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(image) +
                                                               y * cairo_image_surface_get_stride(image));
      for (int x = std::max(0, static_cast<int>(box.minX())); x < x1; ++x) {
        const int channels[3] = {int((row[x] >> 16) & 0xff), int((row[x] >> 8) & 0xff), int(row[x] & 0xff)};
        count += *std::max_element(channels, channels + 3) - *std::min_element(channels, channels + 3) > 64;
      }
    }
  }
  cairo_surface_destroy(image);
  return count;
}

TEST(SimulatorTest, AnEmojiListedWithoutItsSelectorShowsInColourInItsCallout) {
  SimulatorOptions options;
  // The standard keyboard's callout is white: only the emoji brings colour.
  options.keyboard = SimulatorKeyboard::standard;
  options.scale = 2;
  Simulator simulator(options);
  // The desktop computer is listed as U+1F5A5 alone, which is text unless asked.
  simulator.run(parseSimulatorScript("tap emoji\ntap objects\nlong-press \U0001F5A5 0.3\n"));
  auto& view = simulator.controller()->hostingController()->viewHost();
  const auto callouts = view.root()->findAllOfType<keyloom::InputCallout>();
  ASSERT_EQ(callouts.size(), 1u);
  std::shared_ptr<platform::ui::Node> shown;
  for (const auto& text : callouts[0]->findAll(platform::ui::NodeKind::text)) {
    if (!text->text().value_or("").empty()) shown = text;
  }
  ASSERT_TRUE(shown);
  // Named by process: other test runs on the machine share the folder.
  const auto path = std::filesystem::path(::testing::TempDir()) /
                    ("simulator-emoji-callout-" + std::to_string(getpid()) + ".png");
  simulator.screenshot(path.string());
  // The bubble's text, from the keyboard's view to the screen's pixels.
  const platform::Point origin = simulator.host()->keyboardFrame().origin;
  const platform::Point bounds = view.layoutBounds().value_or(platform::Rect()).origin;
  const platform::Rect frame = shown->frame.offsetBy(origin.x - bounds.x, origin.y - bounds.y);
  const platform::Rect box(frame.minX() * 2, frame.minY() * 2, frame.width() * 2, frame.height() * 2);
  EXPECT_GT(colouredPixels(path.string(), box), 100);
  std::filesystem::remove(path);
  simulator.lift();
  EXPECT_EQ(simulator.host()->textField().text(), "\U0001F5A5") << "it types as listed";
}

// The window's computer keys press the emoji keyboard's own: its
// backspace, ABC, and an emoji of the category shown.
TEST(SimulatorTest, TheComputersKeysPressTheEmojiKeyboardsKeys) {
  Simulator simulator(SimulatorOptions{});
  simulator.type("ok \U0001F600");
  ASSERT_EQ(simulator.controller()->keyboardContext()->keyboardType.get(), keyloom::KeyboardType::emojis());
  simulator.press(SimulatorKey::named(SimulatorKey::Kind::backspace));
  simulator.lift();
  EXPECT_EQ(simulator.host()->textField().text(), "ok ");
  simulator.pressCharacter("\U0001F601");
  simulator.lift();
  EXPECT_EQ(simulator.host()->textField().text(), "ok \U0001F601");
  try {
    simulator.pressCharacter("a");
    ADD_FAILURE() << "pressed a key for a";
  } catch (const SimulatorKeyError& error) {
    EXPECT_STREQ(error.what(), "the emoji keyboard's smileys category has no \"a\"");
  }
  EXPECT_FALSE(simulator.isFingerDown());
  simulator.press(SimulatorKey::named(SimulatorKey::Kind::alphabetic));
  simulator.lift();
  EXPECT_TRUE(simulator.controller()->keyboardContext()->keyboardType.get().isAlphabetic());
}

}  // namespace
}  // namespace keyboard_simulator
