#include "apps/keyboard-simulator/SimulatorScript.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
  const std::vector<SimulatorStep> expected{
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
  EXPECT_EQ(script.steps, expected);
  EXPECT_EQ(script.lineNumbers, (std::vector<std::size_t>{2, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
}

TEST(SimulatorScriptTest, ReadsTheFingerScreenAndSettingsSteps) {
  const auto script = parseSimulatorScript(
      "long-press e 1.5\n"
      "slide -20 -44.5\n"
      "lift\n"
      "drag-space -60\n"
      "tap-suggestion 0\n"
      "tap-font 3\n"
      "tap-menu  Deutsch (Schweiz) \n"
      "set-theme -1\n"
      "hide\n"
      "show\n"
      "rotate\n"
      "dark\n"
      "light\n"
      "full-access on\n"
      "full-access off\n"
      "screenshot out/a b.png \n");
  const std::vector<SimulatorStep> expected{
      simulator_step::LongPress{SimulatorKey::characterKey("e"), 1.5},
      simulator_step::Slide{-20, -44.5},
      simulator_step::Lift{},
      simulator_step::DragSpace{-60},
      simulator_step::TapSuggestion{0},
      simulator_step::TapFont{3},
      simulator_step::TapMenu{"Deutsch (Schweiz)"},
      simulator_step::SetTheme{-1},
      simulator_step::Hide{},
      simulator_step::Show{},
      simulator_step::Rotate{},
      simulator_step::Appearance{true},
      simulator_step::Appearance{false},
      simulator_step::FullAccess{true},
      simulator_step::FullAccess{false},
      simulator_step::Screenshot{"out/a b.png"},
  };
  EXPECT_EQ(script.steps, expected);
}

TEST(SimulatorScriptTest, ByteOrderMarksAndEveryLineEndingAreAccepted) {
  const std::vector<SimulatorStep> expected{simulator_step::Tap{SimulatorKey::characterKey("a")},
                                            simulator_step::Tap{SimulatorKey::characterKey("b")}};
  for (const std::string source : {"\xEF\xBB\xBFtap a\ntap b\n", "tap a\rtap b\r", "tap a\r\ntap b", "tap a\r\rtap b"}) {
    EXPECT_EQ(parseSimulatorScript(source).steps, expected) << source;
  }
  EXPECT_EQ(parseSimulatorScript("tap a\r\rtap b").lineNumbers, (std::vector<std::size_t>{1, 3}));
  // A mark anywhere else is text, so the step is unknown.
  EXPECT_THROW(parseSimulatorScript("tap a\n\xEF\xBB\xBFtap b\n"), SimulatorScriptError);
}

TEST(SimulatorScriptTest, UnquotedTextIsTakenAsWritten) {
  EXPECT_EQ(parseSimulatorStep("type  a b  "), SimulatorStep(simulator_step::Type{" a b  "}));
  EXPECT_EQ(parseSimulatorStep("tap \xC3\xA9"), SimulatorStep(simulator_step::Tap{SimulatorKey::characterKey("\xC3\xA9")}));
  // One grapheme cluster of several scalars is one key.
  EXPECT_EQ(parseSimulatorStep("tap e\xCC\x81"),
            SimulatorStep(simulator_step::Tap{SimulatorKey::characterKey("e\xCC\x81")}));
}

TEST(SimulatorScriptTest, TheEmojiKeyboardsCategoryKeysAreNamedByTheirCategory) {
  using keyloom::EmojiCategory;
  const auto script = parseSimulatorScript("tap smileys\nhold flags 1\ntap frequent\ntap travels\n");
  const std::vector<SimulatorStep> expected{
      simulator_step::Tap{SimulatorKey::emojiCategoryKey(EmojiCategory::smileys)},
      simulator_step::Hold{SimulatorKey::emojiCategoryKey(EmojiCategory::flags), 1},
      simulator_step::Tap{SimulatorKey::emojiCategoryKey(EmojiCategory::frequent)},
      simulator_step::Tap{SimulatorKey::emojiCategoryKey(EmojiCategory::travels)},
  };
  EXPECT_EQ(script.steps, expected);
  EXPECT_EQ(nameOf(SimulatorKey::emojiCategoryKey(EmojiCategory::objects)), "objects");
  // Names are written as listed; an emoji is a character key, selector or not.
  try {
    parseSimulatorScript("tap Smileys\n");
    ADD_FAILURE() << "accepted";
  } catch (const SimulatorScriptError& error) {
    EXPECT_EQ(std::string(error.what()),
              "line 1: 'Smileys' is not a key (a character, or space, backspace, shift, return, emoji, globe, 123, "
              "#+=, ABC, or an emoji category: frequent, smileys, animals, foods, activities, travels, objects, "
              "symbols, flags)");
  }
  EXPECT_EQ(parseSimulatorStep("tap \U0001F5A5\uFE0F"),
            SimulatorStep(simulator_step::Tap{SimulatorKey::characterKey("\U0001F5A5\uFE0F")}));
}

TEST(SimulatorScriptTest, BadLinesAreNamedByNumber) {
  struct Case {
    std::string source;
    std::string message;
  };
  const Case cases[] = {
      {"tap a\njump a\n", "line 2: unknown step 'jump' (see keyboard-simulator --help)"},
      {"long-press e\n", "line 1: long-press needs a key and a number of seconds"},
      {"long-press e 700\n", "line 1: long-press: seconds must be from 0 to 600"},
      {"slide 10\n", "line 1: slide needs two numbers of points, DX DY"},
      {"slide 10 down\n", "line 1: 'down' is not a number of points"},
      {"slide 1e9 0\n", "line 1: slide: points must be from -10000 to 10000"},
      {"lift now\n", "line 1: lift takes no argument"},
      {"drag-space\n", "line 1: drag-space needs a number of points"},
      {"drag-space inf\n", "line 1: 'inf' is not a number of points"},
      {"tap-menu \n", "line 1: tap-menu needs the text of an entry"},
      {"tap-suggestion\n", "line 1: tap-suggestion needs an index"},
      {"tap-suggestion -1\n", "line 1: tap-suggestion: the index must be from 0 to 1000"},
      {"tap-font 1.5\n", "line 1: '1.5' is not an index"},
      // The true range of themes, on either side.
      {"set-theme -2\n", "line 1: set-theme: there is no theme -2 (-1 to 16)"},
      {"set-theme 17\n", "line 1: set-theme: there is no theme 17 (-1 to 16)"},
      {"set-theme 1000\n", "line 1: set-theme: there is no theme 1000 (-1 to 16)"},
      {"set-theme 99999999999\n", "line 1: '99999999999' is not an index"},
      {"hide keyboard\n", "line 1: hide takes no argument"},
      {"rotate 90\n", "line 1: rotate takes no argument"},
      {"dark please\n", "line 1: dark takes no argument"},
      {"full-access\n", "line 1: full-access needs on or off"},
      {"full-access yes\n", "line 1: full-access needs on or off"},
      {"screenshot\n", "line 1: screenshot needs a file name"},
      {"tap a\nscreenshot x.webp\n", "line 2: screenshot x.webp: pictures are written as PNG, not WebP (name the file .png)"},
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
