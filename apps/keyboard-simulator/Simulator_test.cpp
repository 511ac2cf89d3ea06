#include "apps/keyboard-simulator/Simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "keyloom/controller/KeyboardHostingController.h"
#include "keyloom/views/AutocompleteToolbar.h"
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

}  // namespace
}  // namespace keyboard_simulator
