#include "apps/keyboard-simulator/Simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>

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

}  // namespace
}  // namespace keyboard_simulator
