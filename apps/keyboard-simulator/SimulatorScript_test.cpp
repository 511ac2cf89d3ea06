#include "apps/keyboard-simulator/SimulatorScript.h"

#include <gtest/gtest.h>

#include <string>

namespace keyboard_simulator {
namespace {

using Kind = SimulatorKey::Kind;

TEST(SimulatorScriptTest, ReadsEveryKindOfStep) {
  const auto script = parseSimulatorScript(
      "# a comment\n"
      "tap a\n"
      "\n"
      "  double-tap shift\r\n"
      "hold backspace 4\n"
      "hold #+= 0.5\n"
      "wait 3\n"
      "type Hello, world\n"
      "type \"two  spaces\\n\"\n"
      "tap 123\n"
      "tap ABC\n"
      "tap #\n");
  const SimulatorScript expected{
      simulator_step::Tap{SimulatorKey::characterKey("a")},
      simulator_step::DoubleTap{SimulatorKey::named(Kind::shift)},
      simulator_step::Hold{SimulatorKey::named(Kind::backspace), 4},
      simulator_step::Hold{SimulatorKey::named(Kind::symbolic), 0.5},
      simulator_step::Wait{3},
      simulator_step::Type{"Hello, world"},
      simulator_step::Type{"two  spaces\n"},
      simulator_step::Tap{SimulatorKey::named(Kind::numeric)},
      simulator_step::Tap{SimulatorKey::named(Kind::alphabetic)},
      simulator_step::Tap{SimulatorKey::characterKey("#")},
  };
  EXPECT_EQ(script, expected);
}

TEST(SimulatorScriptTest, UnquotedTextIsTakenAsWritten) {
  EXPECT_EQ(parseSimulatorStep("type  a b  "), SimulatorStep(simulator_step::Type{" a b  "}));
  EXPECT_EQ(parseSimulatorStep("tap \xC3\xA9"), SimulatorStep(simulator_step::Tap{SimulatorKey::characterKey("\xC3\xA9")}));
  // One grapheme cluster of several scalars is one key.
  EXPECT_EQ(parseSimulatorStep("tap e\xCC\x81"),
            SimulatorStep(simulator_step::Tap{SimulatorKey::characterKey("e\xCC\x81")}));
}

TEST(SimulatorScriptTest, BadLinesAreNamedByNumber) {
  struct Case {
    std::string source;
    std::string message;
  };
  const Case cases[] = {
      {"tap a\njump a\n", "line 2: unknown step 'jump' (tap, double-tap, hold, wait, type)"},
      {"tap\n", "line 1: tap needs a key"},
      {"tap ab\n", "line 1: 'ab' is not a key"},
      {"tap Space\n", "line 1: 'Space' is not a key"},
      {"hold backspace\n", "line 1: hold needs a key and a number of seconds"},
      {"hold backspace -1\n", "line 1: hold: seconds must be from 0 to 600"},
      {"wait 601\n", "line 1: wait: seconds must be from 0 to 600"},
      {"wait nan\n", "line 1: 'nan' is not a number of seconds"},
      {"wait 1s\n", "line 1: '1s' is not a number of seconds"},
      {"wait\n", "line 1: wait needs a number of seconds"},
      {"type\n", "line 1: type needs text"},
      {"type \"open\n", "line 1: type: the quoted text is not one JSON string"},
      {"type \"a\" b\n", "line 1: type: the quoted text is not one JSON string"},
      {"\n\ntap \xFF\n", "line 3: the line is not valid UTF-8"},
  };
  for (const auto& [source, message] : cases) {
    try {
      parseSimulatorScript(source);
      ADD_FAILURE() << "accepted: " << source;
    } catch (const SimulatorScriptError& error) {
      EXPECT_EQ(std::string(error.what()).substr(0, message.size()), message) << source;
    }
  }
}

TEST(SimulatorScriptTest, AnEmptyScriptHasNoSteps) {
  EXPECT_TRUE(parseSimulatorScript("").empty());
  EXPECT_TRUE(parseSimulatorScript("\n  \n# only comments\n").empty());
}

}  // namespace
}  // namespace keyboard_simulator
