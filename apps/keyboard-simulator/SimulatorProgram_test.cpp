// End-to-end tests: they run the keyboard-simulator program as a person
// would and read what it prints.
#include <cairo.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "apps/keyboard-simulator/SimulatorProgramRunner.h"
#include "platform/foundation/SiblingFile.h"

namespace keyboard_simulator {
namespace {

using namespace keyboard_simulator::program_test;

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::vector<std::string> actions(const nlohmann::json& row) {
  std::vector<std::string> result;
  for (const auto& key : row) result.push_back(key["action"].get<std::string>());
  return result;
}

TEST(SimulatorProgramTest, TypesASentenceExactly) {
  const ProgramRun run = runSimulator({"--type", "Hello, world. Fine"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out,
            "text: \"Hello, world. Fine\"\n"
            "cursor: 18\n"
            "keyboard: alphabetic(lowercased)\n"
            "locale: en\n");
}

TEST(SimulatorProgramTest, AutocapitalizationDoesTheCapitalsOfNewSentences) {
  // Tapping the "h" key at the start types a capital, and so does the "t"
  // key after the end of a sentence; mid-sentence keys type small letters.
  const std::string script = "tap h\ntap i\ntap space\ntap y\ntype . \ntap t\n";
  EXPECT_EQ(report({"--script", "-"}, script)["text"], "Hi y. T");
  EXPECT_EQ(report({"--script", "-", "--autocapitalization", "none"}, script)["text"], "hi y. t");
  EXPECT_EQ(report({"--script", "-", "--autocapitalization", "words"}, script)["text"], "Hi Y. T");
  EXPECT_EQ(report({"--script", "-", "--autocapitalization", "all"}, script)["text"], "HI Y. T");

  // The keyboard shows capitals where a sentence starts, small letters after.
  EXPECT_EQ(report({})["keyboard"], "alphabetic(uppercased)");
  EXPECT_EQ(report({"--type", "Hello"})["keyboard"], "alphabetic(lowercased)");
  EXPECT_EQ(report({"--text", "Done. "})["keyboard"], "alphabetic(uppercased)");
}

TEST(SimulatorProgramTest, AQuickDoubleSpaceAfterAWordEndsTheSentence) {
  auto quick = report({"--script", "-"}, "type Fine\ntap space\ntap space\n");
  EXPECT_EQ(quick["text"], "Fine. ");
  EXPECT_EQ(quick["keyboard"], "alphabetic(uppercased)");
  EXPECT_EQ(report({"--script", "-"}, "type Fine\ndouble-tap space\n")["text"], "Fine. ");

  // Three seconds or more between the spaces: two spaces stay.
  auto slow = report({"--script", "-"}, "type Fine\ntap space\nwait 3\ntap space\n");
  EXPECT_EQ(slow["text"], "Fine  ");
  EXPECT_EQ(slow["keyboard"], "alphabetic(lowercased)");
  EXPECT_EQ(report({"--script", "-"}, "type Fine\ntap space\nwait 2.8\ntap space\n")["text"], "Fine. ");
}

TEST(SimulatorProgramTest, TypedTextKeepsItsSpacesExactly) {
  // The typist waits between two spaces it is asked for, so the keyboard
  // does not take them for a double tap that ends the sentence.
  for (const std::string text : {"means  (a)", "Fine  ", "Fine  And", "a   b", "one.  Two"}) {
    EXPECT_EQ(report({"--type", text})["text"], text);
  }
  EXPECT_EQ(report({"--text", "means ", "--type", " (a)"})["text"], "means  (a)");
}

TEST(SimulatorProgramTest, EmojisAreTypedOnTheEmojiKeyboard) {
  const std::string text = "Nice \xF0\x9F\x98\x80 and \xF0\x9F\x87\xAB\xF0\x9F\x87\xB7 too";  // 😀, 🇫🇷
  auto typed = report({"--type", text});
  EXPECT_EQ(typed["text"], text);
  EXPECT_EQ(typed["keyboard"], "alphabetic(lowercased)");
  // Its key, a category and a tap: the emoji keyboard stays until ABC.
  auto tapped = report({"--script", "-"}, "type Hi \xF0\x9F\x90\xB6\n");  // 🐶
  EXPECT_EQ(tapped["text"], "Hi \xF0\x9F\x90\xB6");
  EXPECT_EQ(tapped["keyboard"], "emojis");

  // A device with a home button shows the globe in the emoji key's place.
  const ProgramRun globe = runSimulator({"--home-button", "--type", text});
  EXPECT_EQ(globe.exitCode, 2);
  EXPECT_THAT(globe.err, HasSubstr("the keyboard shows no emoji key"));
  // The pad's keyboard always has the globe there.
  EXPECT_EQ(runSimulator({"--device", "pad", "--type", text}).exitCode, 2);
}

TEST(SimulatorProgramTest, AnEmojiIsFoundWithOrWithoutItsSelector) {
  // What is typed is the key's own emoji, as the keyboard lists it.
  struct Case {
    std::string asked;
    std::string typed;
  };
  for (const auto& [asked, typed] : {Case{"\u26BD", "\u26BD\uFE0F"},           // soccer ball, listed with it
                                     Case{"\U0001F5A5\uFE0F", "\U0001F5A5"},   // desktop computer, without
                                     Case{"\u265F", "\u265F"},
                                     Case{"\u26BD\uFE0F", "\u26BD\uFE0F"}}) {
    EXPECT_EQ(report({"--type", "go " + asked})["text"], "go " + typed) << asked;
    EXPECT_EQ(report({"--script", "-"}, "tap emoji\ntype " + asked + "\n")["text"], typed) << asked;
  }
}

TEST(SimulatorProgramTest, ScriptsPressTheEmojiKeyboardsOwnKeys) {
  // ABC, backspace, the category keys and the emojis of the shown category,
  // each written with or without its selector.
  auto pressed = report({"--script", "-"},
                        "tap emoji\n"
                        "tap \U0001F600\n"                  // 😀, smileys show first
                        "tap objects\n"
                        "tap \U0001F5A5\uFE0F\n"            // 🖥️, listed without the selector
                        "tap \u2328\n"                      // ⌨, listed with it
                        "double-tap \U0001F4A1\n"           // 💡
                        "tap backspace\n"
                        "hold \U0001F579 0.2\n"             // 🕹, far enough to drag the grid to
                        "tap flags\n"
                        "tap \U0001F1EB\U0001F1F7\n"       // 🇫🇷
                        "tap ABC\n"
                        "tap emoji\n"                       // shown anew, with the emojis used
                        "tap frequent\n"
                        "tap \U0001F600\n"
                        "tap ABC\n"
                        "type hi\n");
  EXPECT_EQ(pressed["text"],
            "\U0001F600\U0001F5A5\u2328\uFE0F\U0001F4A1\U0001F579\U0001F1EB\U0001F1F7\U0001F600hi");
  EXPECT_EQ(pressed["keyboard"], "alphabetic(lowercased)");

  // A long press holds the emoji down with its callout until the finger lifts.
  auto held = report({"--script", "-"}, "tap emoji\nlong-press \U0001F600 1\n");
  EXPECT_EQ(held["text"], "");
  EXPECT_EQ(report({"--script", "-"}, "tap emoji\nlong-press \U0001F600 1\nlift\n")["text"], "\U0001F600");
}

TEST(SimulatorProgramTest, AStyledFontNeedsItsOwnLetters) {
  const ProgramRun plain = runSimulator({"--script", "-"}, "tap-font 1\ntype Hello\n");
  EXPECT_EQ(plain.exitCode, 2);
  EXPECT_THAT(plain.err, HasSubstr("cannot type \"H\""));
  EXPECT_THAT(plain.err, HasSubstr("the keyboard shows the Fraktur font"));
  const std::string fraktur = "\xE2\x84\x8C\xF0\x9D\x94\xA2\xF0\x9D\x94\xA9\xF0\x9D\x94\xA9\xF0\x9D\x94\xAC";
  EXPECT_THAT(plain.err, HasSubstr("type \"" + fraktur + "\", or tap-font 0 first"));
  EXPECT_EQ(report({"--script", "-"}, "tap-font 1\ntype " + fraktur + "\n")["text"], fraktur);
  EXPECT_EQ(report({"--script", "-"}, "tap-font 1\ntap-font 0\ntype Hello\n")["text"], "Hello");
}

TEST(SimulatorProgramTest, ACharacterThatCannotBeTypedIsPlacedInTheText) {
  const std::string king = "\u2654";  // a chess piece no key offers
  const std::string sixty(60, 'a');
  struct Case {
    std::vector<std::string> arguments;
    std::string input;
    std::string message;
  };
  const Case cases[] = {
      {{"--type", "snow " + king}, "",
       "cannot type \"" + king + "\" (U+2654): no key or callout has it; at character 6 of the text (its line 1), "
       "after \"snow \""},
      // Characters are what a person sees: the line break and the accented letter count one each.
      {{"--type", "Dear S\u00E9b,\nsnow " + king + " and more"}, "",
       "at character 16 of the text (its line 2), after \"Dear S\u00E9b,\\nsnow \""},
      {{"--type", king}, "", "at character 1 of the text (its line 1), with nothing of it typed yet"},
      // A long text shows only what was typed just before.
      {{"--type", sixty + king}, "", "at character 61 of the text (its line 1), after ...\"" + sixty.substr(20) + "\""},
      {{"--script", "-"}, "type fine\ntype ok " + king + "\n",
       "line 2: cannot type \"" + king + "\" (U+2654): no key or callout has it; at character 4 of the text"},
  };
  for (const auto& [arguments, input, message] : cases) {
    const ProgramRun run = runSimulator(arguments, input);
    EXPECT_EQ(run.exitCode, 2) << message;
    EXPECT_THAT(run.err, HasSubstr(message));
  }
}

TEST(SimulatorProgramTest, AHeldBackspaceDeletesCharactersThenWords) {
  // The press deletes one character; repeats start at 0.5 s and come every
  // 0.1 s from 0.6 s; after 3 s of repeating they delete whole words.
  const std::string text = "one two three four five six seven eight nine ten eleven twelve thirteen";  // 71
  struct Case {
    std::string seconds;
    std::string left;
  };
  const Case cases[] = {
      {"0.3", text.substr(0, 70)},                      // the press alone
      {"1", text.substr(0, 65)},                        // press and 5 repeats
      {"3.4", text.substr(0, 41)},                      // press and 29 repeats, still characters
      {"3.6", "one two three four five six seven "},    // 30 characters, then "eight "
      {"4", "one two three "},                          // then four more words
  };
  for (const auto& [seconds, left] : cases) {
    auto result = report({"--text", text, "--script", "-"}, "hold backspace " + seconds + "\n");
    EXPECT_EQ(result["text"], left) << seconds;
    EXPECT_EQ(result["cursor"], left.size()) << seconds;
  }
}

TEST(SimulatorProgramTest, DigitsThenASpaceReturnToLetters) {
  auto digits = report({"--type", "Call 24", "--print-layout"});
  EXPECT_EQ(digits["keyboard"], "numeric");
  EXPECT_EQ(actions(digits["layout"][0])[0], "character(\"1\")");

  auto spaced = report({"--type", "Call 24 ", "--print-layout"});
  EXPECT_EQ(spaced["text"], "Call 24 ");
  EXPECT_EQ(spaced["keyboard"], "alphabetic(lowercased)");
  EXPECT_EQ(actions(spaced["layout"][0])[0], "character(\"q\")");

  // Not after a symbol that is not followed by a space.
  EXPECT_EQ(report({"--type", "24/7"})["keyboard"], "numeric");
}

TEST(SimulatorProgramTest, AnEmailFieldHasTheAtAndDotKeysBesideTheSpaceBar) {
  auto email = report({"--keyboard-type", "email", "--autocapitalization", "none", "--print-layout"});
  const auto& rows = email["layout"];
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_EQ(actions(rows[2]).front(), "shift(currentCasing: lowercased)");
  EXPECT_EQ(actions(rows[2]).back(), "backspace");
  EXPECT_EQ(actions(rows[3]),
            (std::vector<std::string>{"keyboardType(numeric)", "keyboardType(emojis)", "space",
                                      "character(\"@\")", "character(\".\")", "primary(return)"}));
  EXPECT_EQ(rows[3][3]["width"], "input");
  EXPECT_EQ(rows[3][5]["width"], "percentage(0.25)");

  // A go key adds one more dot; the letters type an address without switching.
  auto go = report({"--keyboard-type", "emailAddress", "--return-key", "go", "--autocapitalization", "none",
                    "--print-layout", "--type", "me@example.com"});
  EXPECT_EQ(go["text"], "me@example.com");
  EXPECT_EQ(
      actions(go["layout"][3]),
      (std::vector<std::string>{"keyboardType(numeric)", "keyboardType(emojis)", "space", "character(\"@\")",
                                "character(\".\")", "character(\".\")", "primary(go)"}));
}

TEST(SimulatorProgramTest, PadsAndLandscapeHaveTheirOwnLayouts) {
  auto pad = report({"--device", "pad", "--autocapitalization", "none", "--print-layout"});
  EXPECT_EQ(actions(pad["layout"][0]).back(), "backspace");
  EXPECT_EQ(actions(pad["layout"][1]).back(), "primary(newLine)");
  EXPECT_EQ(actions(pad["layout"][3]),
            (std::vector<std::string>{"keyboardType(numeric)", "nextKeyboard", "space", "keyboardType(numeric)",
                                      "dismissKeyboard"}));

  auto landscape = report({"--orientation", "landscape", "--print-layout"});
  EXPECT_EQ(landscape["layout"][3][3]["width"], "percentage(0.195)");
  EXPECT_EQ(report({"--print-layout"})["layout"][3][3]["width"], "percentage(0.25)");
}

TEST(SimulatorProgramTest, ShiftTwiceQuicklyLocksCapitals) {
  // At the start of a sentence the keyboard is upper-cased: the first tap
  // makes it lower-cased, the second, quick one locks capitals.
  auto locked = report({"--autocapitalization", "none", "--script", "-"}, "double-tap shift\ntap a\ntap space\ntap b\n");
  EXPECT_EQ(locked["text"], "A B");
  EXPECT_EQ(locked["keyboard"], "alphabetic(capsLocked)");
  auto once = report({"--autocapitalization", "none", "--script", "-"}, "tap shift\ntap a\ntap b\n");
  EXPECT_EQ(once["text"], "Ab");
  EXPECT_EQ(once["keyboard"], "alphabetic(lowercased)");
}

TEST(SimulatorProgramTest, TheGlobeAsksThePlatformForTheNextKeyboard) {
  EXPECT_EQ(report({"--locales", "en,de,fr"})["locale"], "en");
  EXPECT_EQ(report({"--locale", "fr", "--locales", "en,de"}, "")["locale"], "fr");
  EXPECT_EQ(report({})["inputModeSwitches"], 0);
  // The key is the platform's keyboard switcher: the locale stays. Only a
  // device with a home button needs the keyboard to show it.
  auto switched = report({"--home-button", "--locales", "en,de,fr", "--script", "-"}, "tap globe\n");
  EXPECT_EQ(switched["locale"], "en");
  EXPECT_GE(switched["inputModeSwitches"], 1);
}

TEST(SimulatorProgramTest, ReturnAndTheSymbolKeysType) {
  auto result = report({"--script", "-"}, "tap a\ntap return\ntap 123\ntap #+=\ntap %\ntap ABC\ntap b\n");
  EXPECT_EQ(result["text"], "A\n%b");
  EXPECT_EQ(result["keyboard"], "alphabetic(lowercased)");
  const std::string symbols = "Line\nnext [1] {2} #3 \xE2\x82\xAC" "5 \xC2\xA3 \xC2\xA5 <a|b> _~\\^ \xE2\x80\xA2";
  EXPECT_EQ(report({"--type", symbols})["text"], symbols);
}

TEST(SimulatorProgramTest, TextOutputUsesJsonStringEscapes) {
  const ProgramRun run = runSimulator({"--text", "say \"hi\"\\\t", "--type", "\n"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_THAT(run.out, StartsWith("text: \"say \\\"hi\\\"\\\\\\t\\n\"\ncursor: 11\n"));
}

TEST(SimulatorProgramTest, WithoutArgumentsItRunsADemonstration) {
  const ProgramRun run = runSimulator({});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_THAT(run.out, HasSubstr("text: \"Hello there. This is Keyloom"));
  EXPECT_THAT(run.out, HasSubstr("\nlayout:\n  row 0: "));
  EXPECT_THAT(run.out, HasSubstr("\n  row 3: "));
}

TEST(SimulatorProgramTest, ADisplayThatCannotBeOpenedMeansTheCommandLine) {
  const ProgramStreams unreachable{.display = ":97"};
  const ProgramRun demonstration = runSimulator({}, "", unreachable);
  EXPECT_EQ(demonstration.exitCode, 0) << demonstration.err;
  EXPECT_THAT(demonstration.out, HasSubstr("demonstration: "));
  const ProgramRun window = runSimulator({"--window", "--type", "hi"}, "", unreachable);
  EXPECT_EQ(window.exitCode, 1);
  EXPECT_THAT(window.err, HasSubstr("--window: no display to open a window on"));
}

TEST(SimulatorProgramTest, BadInputIsAClearErrorWithExitCodeTwo) {
  struct Case {
    std::vector<std::string> arguments;
    std::string input;
    std::string message;
  };
  const Case cases[] = {
      {{"--frobnicate"}, "", "unknown option '--frobnicate'"},
      {{"--device", "watch"}, "", "--device: 'watch' is not phone or pad"},
      {{"--type"}, "", "--type needs a value"},
      {{"hello"}, "", "unexpected argument 'hello'"},
      {{"--keyboard-type", "telepathic"}, "", "--keyboard-type: 'telepathic' is not a keyboard type"},
      {{"--locale", "en US"}, "", "is not a locale identifier"},
      {{"--type", "snow \u2654"}, "", "cannot type \"\u2654\" (U+2654): no key or callout has it"},
      {{"--type", "tab\there"}, "", "cannot type \"\\t\" (U+0009)"},
      {{"--script", "-"}, "tap a\nfly away\n", "line 2: unknown step 'fly'"},
      {{"--script", "/nonexistent/script.txt"}, "", "--script: cannot read /nonexistent/script.txt"},
      {{"--script", "/tmp"}, "", "--script: /tmp is a directory, not a file"},
      {{"--script", "/dev/zero"}, "", "--script: /dev/zero is larger than 16 MB"},
      {{"--script", "-"}, "tap 1\n", "the alphabetic(uppercased) keyboard has no key \"1\""},
      {{"--script", "-"}, "tap 123\ntap emoji\ntap shift\n", "the emojis keyboard has no key \"shift\""},
      {{"--script", "-"}, "tap globe\n", "the alphabetic(uppercased) keyboard has no key \"globe\""},
      {{"--locale", "klingon", "--type", "hi"}, "", "--locale: 'klingon' is not one of the 61 locales"},
      {{"--locales", "en,xx"}, "", "--locales: 'xx' is not one of the 61 locales"},
  };
  for (const auto& [arguments, input, message] : cases) {
    const ProgramRun run = runSimulator(arguments, input);
    EXPECT_EQ(run.exitCode, 2) << message;
    EXPECT_THAT(run.err, HasSubstr(message));
    EXPECT_EQ(run.out, "") << message;
  }
}

TEST(SimulatorProgramTest, ALostResultIsAFailure) {
  const ProgramRun full = runSimulator({"--type", "hi"}, "", {.fullOutput = true});
  EXPECT_EQ(full.exitCode, 1);
  EXPECT_THAT(full.err, HasSubstr("cannot write to standard output: No space left on device"));
  const ProgramRun fullHelp = runSimulator({"--help"}, "", {.fullOutput = true});
  EXPECT_EQ(fullHelp.exitCode, 1);

  const ProgramRun closed = runSimulator({"--type", "hi"}, "", {.closedOutput = true});
  EXPECT_EQ(closed.exitCode, 1);
  EXPECT_THAT(closed.err, HasSubstr("standard output is closed"));
  // A script file opened first must not take the place of the output.
  const ProgramRun closedWithScript = runSimulator({"--script", "/dev/null"}, "", {.closedOutput = true});
  EXPECT_EQ(closedWithScript.exitCode, 1);
}

TEST(SimulatorProgramTest, AClosedStandardInputIsNoScript) {
  const ProgramRun run = runSimulator({"--script", "-"}, "", {.closedInput = true});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_THAT(run.err, HasSubstr("standard input is closed"));
  EXPECT_EQ(run.out, "");
  // An empty but open standard input is an empty script.
  EXPECT_EQ(runSimulator({"--script", "-"}, "").exitCode, 0);
}

TEST(SimulatorProgramTest, AnEndlessScriptIsRefused) {
  // An endless pipe: the limit stops it long before memory runs out.
  const ProgramRun piped =
      runProgram({"/bin/sh", "-c", std::string("yes 'tap a' | ") + KEYBOARD_SIMULATOR_PROGRAM + " --script -"});
  EXPECT_EQ(piped.exitCode, 2);
  EXPECT_THAT(piped.err, HasSubstr("standard input is larger than 16 MB"));
}

TEST(SimulatorProgramTest, ScriptsWithAByteOrderMarkOrOldLineEndingsRun) {
  EXPECT_EQ(report({"--script", "-"}, "\xEF\xBB\xBFtap a\ntap b\n")["text"], "Ab");
  EXPECT_EQ(report({"--script", "-"}, "tap a\rtap b\r\rtap c")["text"], "Abc");
  EXPECT_EQ(report({"--script", "-"}, "tap a\r\ntap b\r\n")["text"], "Ab");
  const ProgramRun run = runSimulator({"--script", "-"}, "tap a\rtap b\rjump\r");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_THAT(run.err, HasSubstr("line 3: unknown step 'jump'"));
}

TEST(SimulatorProgramTest, ABadScriptLineStopsTheProgramBeforeItTypes) {
  const ProgramRun run = runSimulator({"--type", "abc", "--script", "-"}, "type x\nwait forever\n");
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_THAT(run.err, HasSubstr("line 2: 'forever' is not a number of seconds"));
}

TEST(SimulatorProgramTest, HelpExplainsTheOptions) {
  const ProgramRun run = runSimulator({"--help"});
  EXPECT_EQ(run.exitCode, 0);
  for (const char* text : {"--print-layout", "--screenshot FILE.png", "--scale N", "--window", "--no-window",
                           "hold KEY SECONDS", "long-press KEY SECONDS", "slide DX DY", "lift", "drag-space POINTS",
                           "tap-suggestion N", "tap-font N", "tap-menu NAME", "--space-long-press cursor|menu",
                           "set-theme N", "hide | show", "rotate", "dark | light",
                           "full-access on|off", "screenshot FILE.png", "F1", "F5 dark mode",
                           "a key for each category\n(frequent, smileys, animals"}) {
    EXPECT_THAT(run.out, HasSubstr(text));
  }
}

// Width and height of a PNG file.
std::pair<int, int> pngSize(const std::filesystem::path& path) {
  const std::string data = readFile(path);
  if (data.size() < 24 || data.substr(1, 3) != "PNG") return {0, 0};
  auto word = [&](std::size_t at) {
    return (static_cast<unsigned char>(data[at]) << 24) | (static_cast<unsigned char>(data[at + 1]) << 16) |
           (static_cast<unsigned char>(data[at + 2]) << 8) | static_cast<unsigned char>(data[at + 3]);
  };
  return {static_cast<int>(word(16)), static_cast<int>(word(20))};
}

TEST(SimulatorProgramTest, ScreenshotsRenderTheScreenAtTheScale) {
  const auto directory = std::filesystem::path(::testing::TempDir()) / "simulator-screenshots";
  std::filesystem::create_directories(directory);
  const auto portrait = directory / "portrait.png", landscape = directory / "landscape.png";
  const auto last = directory / "last.png";
  const ProgramRun run = runSimulator(
      {"--scale", "0.5", "--screenshot", last.string(), "--script", "-"},
      "type Hi\nscreenshot " + portrait.string() + "\nrotate\nscreenshot " + landscape.string() + "\n");
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(pngSize(portrait), std::make_pair(195, 422));
  EXPECT_EQ(pngSize(landscape), std::make_pair(422, 195)) << "the screen turned";
  EXPECT_EQ(pngSize(last), std::make_pair(422, 195));
  // The device's own scale unless given.
  const auto pad = directory / "pad.png";
  ASSERT_EQ(runSimulator({"--device", "pad", "--screenshot", pad.string()}).exitCode, 0);
  EXPECT_EQ(pngSize(pad), std::make_pair(1640, 2360));
  std::filesystem::remove_all(directory);
}

// A screenshot taken again, by the option or a script's step, replaces the
// earlier picture as it was: another's stays theirs where root takes it, and
// what killed screenshots of it left beside it is cleared.
TEST(SimulatorProgramTest, AScreenshotTakenAgainKeepsTheOwnerAndClearsWhatKilledOnesLeft) {
  namespace fs = std::filesystem;
  const auto directory = fs::path(::testing::TempDir()) / "simulator-screenshot-again";
  fs::remove_all(directory);
  fs::create_directories(directory);
  const auto shot = directory / "shot.png";
  const bool root = ::geteuid() == 0;
  const struct {
    std::vector<std::string> arguments;
    std::string script;
  } cases[] = {
      {{"--type", "Hi", "--screenshot", shot.string()}, ""},
      {{"--script", "-"}, "type Hi\nscreenshot " + shot.string() + "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    std::ofstream(shot) << "the earlier picture";
    if (root) {
      ASSERT_EQ(::chown(shot.c_str(), 4242, 4343), 0);
    }
    ASSERT_EQ(::chmod(shot.c_str(), 0640), 0);
    // The temporary of a screenshot killed while writing, and of one running.
    fs::path killed, running;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(platform::createTemporarySibling(shot, killed) >= 0 ? 0 : 1);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    ::close(platform::createTemporarySibling(shot, running));
    const auto temporaries = [&] {
      std::vector<std::string> names;
      for (const auto& entry : fs::directory_iterator(directory)) {
        if (entry.path() != shot) names.push_back(entry.path().filename().string());
      }
      return names;
    };
    ASSERT_EQ(temporaries().size(), 2u);

    const ProgramRun run = runSimulator(c.arguments, c.script);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_GT(pngSize(shot).first, 0) << "no picture";
    struct stat status {};
    ASSERT_EQ(::stat(shot.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    if (root) {
      EXPECT_EQ(std::make_pair(status.st_uid, status.st_gid), std::make_pair(uid_t{4242}, gid_t{4343}));
    }
    EXPECT_EQ(temporaries(), std::vector<std::string>{running.filename().string()})
        << "only the running one's stays";
    fs::remove(running);
  }
  fs::remove_all(directory);
}

TEST(SimulatorProgramTest, StepsTheKeyboardCannotDoNameTheirLine) {
  struct Case {
    std::string script;
    std::string message;
  };
  const Case cases[] = {
      {"type a\nslide 1 1\n", "standard input: line 2: slide: no finger is down (long-press a key first)"},
      {"lift\n", "standard input: line 1: lift: no finger is down"},
      {"long-press a 1\ntap b\n", "standard input: line 2: tap: a finger is still down (lift it first)"},
      {"long-press a 1\nlong-press b 1\n", "line 2: long-press: a finger is still down"},
      {"tap a\nhide\n# hidden now\ntap b\n", "standard input: line 4: tap: the keyboard is hidden"},
      {"hide\ntype x\n", "line 2: type: the keyboard is hidden"},
      {"hide\nhide\n", "line 2: hide: the keyboard is already hidden"},
      {"show\n", "line 1: show: the keyboard is already shown"},
      {"tap-suggestion 0\n", "line 1: tap-suggestion: the keyboard shows no suggestion 0"},
      {"tap a\ntap 1\n", "standard input: line 2: the alphabetic(lowercased) keyboard has no key \"1\""},
      // The emoji keyboard's keys, where they are not.
      {"tap emoji\ntap \U0001F697\n",
       "line 2: the emoji keyboard's smileys category has no \"\U0001F697\" (it is in travels: "
       "tap travels first)"},
      {"tap emoji\ntap x\n", "line 2: the emoji keyboard's smileys category has no \"x\"\n"},
      {"tap emoji\ntap frequent\n", "line 2: the emoji keyboard shows no frequent category"},
      {"tap emoji\ntap space\n",
       "line 2: the emojis keyboard has no key \"space\" (it has ABC, backspace, a key for each category: "
       "frequent, smileys, animals, foods, activities, travels, objects, symbols, flags, and the emojis of the "
       "category shown)"},
      {"tap smileys\n", "line 1: the alphabetic(uppercased) keyboard has no key \"smileys\""},
  };
  for (const auto& [script, message] : cases) {
    const ProgramRun run = runSimulator({"--script", "-"}, script);
    EXPECT_EQ(run.exitCode, 2) << script;
    EXPECT_THAT(run.err, HasSubstr(message)) << script;
  }
}

TEST(SimulatorProgramTest, AScreenshotThatCannotBeWrittenExitsOneWithTheReasonAndThePath) {
  const struct {
    std::vector<std::string> arguments;
    std::string script;
    std::string message;
  } cases[] = {
      {{"--screenshot", "/nonexistent/directory/shot.png"},
       "",
       "keyboard-simulator: screenshot: cannot write /nonexistent/directory/shot.png: No such file or directory\n"},
      {{"--script", "-"},
       "type a\nscreenshot /nonexistent/directory/shot.png\n",
       "keyboard-simulator: standard input: line 2: screenshot: cannot write /nonexistent/directory/shot.png: "
       "No such file or directory\n"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = runSimulator(c.arguments, c.script);
    EXPECT_EQ(run.exitCode, 1) << c.script;
    EXPECT_EQ(run.err, c.message);
  }
}

// Past the file-size limit (as on a full disk) the program says so and exits
// 1, and leaves the earlier picture as it was: named directly, through a
// link to it elsewhere, or through a link to nothing yet, which stays so.
TEST(SimulatorProgramTest, AScreenshotOnAFullDiskLeavesTheEarlierPictureWhole) {
  namespace fs = std::filesystem;
  const auto directory = fs::path(::testing::TempDir()) / "simulator-full-disk";
  fs::remove_all(directory);
  fs::create_directories(directory / "elsewhere");
  const auto picture = directory / "elsewhere" / "picture.png";
  std::ofstream(picture, std::ios::binary) << "the earlier picture";
  fs::create_symlink(picture, directory / "link.png");
  fs::create_symlink(directory / "elsewhere" / "none-yet.png", directory / "dangling.png");
  for (const char* name : {"elsewhere/picture.png", "link.png", "dangling.png"}) {
    SCOPED_TRACE(name);
    const auto shot = directory / name;
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Files the program writes stop growing past 4 KB, as under a shell's
      // file-size limit, which leaves SIGXFSZ at its default action: the
      // program must not be killed by it.
      std::signal(SIGXFSZ, SIG_DFL);
      const struct rlimit limit {4096, 4096};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      const ProgramRun run = runSimulator({"--screenshot", shot.string()});
      const bool asPromised = run.exitCode == 1 && run.err.find("cannot write " + shot.string() +
                                                                ": File too large") != std::string::npos;
      ::_exit(asPromised ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "not exit 1 with the system's reason";
    EXPECT_TRUE(readFile(picture) == "the earlier picture") << "the earlier picture was overwritten";
    EXPECT_EQ(std::distance(fs::directory_iterator(directory / "elsewhere"), fs::directory_iterator()), 1)
        << "a temporary or a cut picture was left behind";
    EXPECT_EQ(std::distance(fs::directory_iterator(directory), fs::directory_iterator()), 3);
  }
  EXPECT_TRUE(fs::is_symlink(directory / "link.png") && fs::is_symlink(directory / "dangling.png"));
  fs::remove_all(directory);
}

// A picture under another format's name is refused before anything runs.
TEST(SimulatorProgramTest, AScreenshotNamedAsAnotherFormatIsRefusedBeforeTyping) {
  const auto directory = std::filesystem::path(::testing::TempDir()) / "simulator-picture-names";
  std::filesystem::remove_all(directory);
  std::filesystem::create_directories(directory);
  const std::string jpeg = (directory / "x.jpg").string();
  const struct {
    std::vector<std::string> arguments;
    std::string script;
    std::string message;
  } cases[] = {
      {{"--type", "Hi", "--screenshot", jpeg}, "",
       "keyboard-simulator: --screenshot " + jpeg + ": pictures are written as PNG, not JPEG (name the file .png)\n"},
      {{"--script", "-"}, "type Hi\nscreenshot " + (directory / "a.png").string() + "\nscreenshot x.GIF\n",
       "keyboard-simulator: standard input: line 3: screenshot x.GIF: pictures are written as PNG, not GIF (name "
       "the file .png)\n"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = runSimulator(c.arguments, c.script);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_THAT(run.err, StartsWith(c.message));
    EXPECT_EQ(run.out, "");
  }
  EXPECT_TRUE(std::filesystem::is_empty(directory)) << "something was written";
  std::filesystem::remove_all(directory);
}

// The field lays out a bounded number of characters and of bytes each side
// of the caret: with joined emoji of 25 bytes the bytes run out inside one
// here (the ends shift where), with plain emoji the characters do, and
// either cut is made at a character's edge, so the text layout gets whole
// characters and says nothing.
TEST(SimulatorProgramTest, ALongLineOfEmojiIsDrawnWithoutComplaint) {
  const std::string shot = ::testing::TempDir() + "simulator-emoji-line.png";
  const struct {
    const char* emoji;
    const char* end;
  } lines[] = {
      {"\U0001F600", "a"},
      {"\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466", "a"},
      {"\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466", "ab"},
      {"\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466", "abc"},
  };
  for (const auto& line : lines) {
    std::string text;
    for (int i = 0; i < 600; ++i) text += line.emoji;
    const ProgramRun run = runSimulator({"--text", text + line.end, "--screenshot", shot});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "") << line.end;
  }
  std::remove(shot.c_str());
}

TEST(SimulatorProgramTest, AScreenshotToStandardOutputGoesWhereItIsRedirected) {
  // The test's own link to standard output, as /dev/stdout is one, so the
  // machine's is never at stake; the runner redirects standard output to a
  // file, as `> shot.png` does.
  const auto directory = std::filesystem::path(::testing::TempDir()) / "simulator-standard-output";
  std::filesystem::remove_all(directory);
  std::filesystem::create_directories(directory);
  const auto output = directory / "stdout";
  std::filesystem::create_symlink("/proc/self/fd/1", output);
  const struct {
    std::vector<std::string> arguments;
    std::string script;
  } cases[] = {
      {{"--type", "Hi", "--screenshot", output.string()}, ""},
      {{"--script", "-"}, "type Hi\nscreenshot " + output.string() + "\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    const ProgramRun run = runSimulator(c.arguments, c.script);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(std::filesystem::is_symlink(output)) << "the link was replaced";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), std::filesystem::directory_iterator()), 1);
    // Standard output holds the picture whole, and only the picture; the
    // result is on standard error.
    const auto picture = directory / "picture.png";
    std::ofstream(picture, std::ios::binary) << run.out;
    cairo_surface_t* image = cairo_image_surface_create_from_png(picture.c_str());
    EXPECT_EQ(cairo_surface_status(image), CAIRO_STATUS_SUCCESS);
    EXPECT_GT(cairo_image_surface_get_width(image), 0);
    cairo_surface_destroy(image);
    EXPECT_TRUE(run.out.ends_with(std::string("IEND\xae\x42\x60\x82", 8))) << "something follows the picture";
    EXPECT_THAT(run.err, StartsWith("text: \"Hi\"\n"));
    std::filesystem::remove(picture);
  }
  // A picture anywhere else leaves the result on standard output.
  const ProgramRun elsewhere = runSimulator({"--type", "Hi", "--screenshot", (directory / "shot.png").string()});
  EXPECT_THAT(elsewhere.out, StartsWith("text: \"Hi\"\n"));
  EXPECT_EQ(elsewhere.err, "");
  std::filesystem::remove_all(directory);
}

TEST(SimulatorProgramTest, ALongPressKeepsTheFingerDownUntilItLifts) {
  EXPECT_EQ(report({"--script", "-"}, "long-press a 0.3\nlift\ntap b\n")["text"], "Ab");
  EXPECT_EQ(report({"--script", "-"}, "hide\nshow\ntype Back\n")["text"], "Back");
  EXPECT_EQ(report({"--script", "-"}, "dark\nrotate\nfull-access on\ntype ok\nlight\n")["text"], "ok");
}

TEST(SimulatorProgramTest, HoldingTheSpaceBarOpensTheLocaleMenuToPickALocaleFrom) {
  const std::vector<std::string> menu = {"--locales", "en,de,fr", "--space-long-press", "menu", "--script", "-"};
  const auto picked = report(menu, "type Hi\nlong-press space 1\ntap-menu Deutsch\n");
  EXPECT_EQ(picked["text"], "Hi") << "the long press typed no space";
  EXPECT_EQ(picked["locale"], "de");
  EXPECT_EQ(report(menu, "long-press space 1\nlift\ntap-menu English\ntap q\n")["text"], "Q");

  const ProgramRun unknown = runSimulator(menu, "long-press space 1\ntap-menu German\n");
  EXPECT_EQ(unknown.exitCode, 2);
  EXPECT_THAT(unknown.err, HasSubstr("line 2: tap-menu: the menu has no entry \"German\" (English, Deutsch, français)"));
  const ProgramRun closed = runSimulator({"--locales", "en,de", "--script", "-"}, "long-press space 1\ntap-menu Deutsch\n");
  EXPECT_EQ(closed.exitCode, 2);
  EXPECT_THAT(closed.err, HasSubstr("line 2: tap-menu: no menu is open"));
}

TEST(SimulatorProgramTest, TheHostAppsThemeShowsAtTheNextAppearance) {
  auto initial = report({});
  EXPECT_EQ(initial["theme"], 0) << "the host app has chosen nothing yet";
  EXPECT_EQ(initial["font"], 0);
  EXPECT_EQ(initial["suggestions"], nlohmann::json::array());
  EXPECT_EQ(initial["callout"], nlohmann::json::array());
  EXPECT_EQ(report({"--script", "-"}, "set-theme 3\n")["theme"], 0) << "not before the keyboard appears again";
  EXPECT_EQ(report({"--script", "-"}, "set-theme 3\nhide\nshow\n")["theme"], 3);
  EXPECT_EQ(report({"--script", "-"}, "set-theme -1\nhide\nshow\n")["theme"], -1);

  auto standard = report({"--keyboard", "standard"});
  EXPECT_TRUE(standard["theme"].is_null());
  EXPECT_TRUE(standard["font"].is_null());
  const ProgramRun noThemes = runSimulator({"--keyboard", "standard", "--script", "-"}, "tap a\nset-theme 1\n");
  EXPECT_EQ(noThemes.exitCode, 2);
  EXPECT_THAT(noThemes.err, HasSubstr("line 2: set-theme: the standard keyboard has no themes"));
  // Too high or too low: one message with the true range, before anything is typed.
  for (const std::string index : {"17", "50", "-5"}) {
    const ProgramRun noSuchTheme = runSimulator({"--script", "-"}, "type hi\nset-theme " + index + "\n");
    EXPECT_EQ(noSuchTheme.exitCode, 2);
    EXPECT_THAT(noSuchTheme.err, HasSubstr("line 2: set-theme: there is no theme " + index + " (-1 to 16)"));
    EXPECT_EQ(noSuchTheme.out, "");
  }
}

TEST(SimulatorProgramTest, BadScreenOptionsAreUsageErrors) {
  for (const auto& [arguments, message] :
       std::vector<std::pair<std::vector<std::string>, std::string>>{
           {{"--scale", "0"}, "--scale: '0' is not a number from 0.25 to 8"},
           {{"--scale", "nan"}, "--scale: 'nan' is not a number from 0.25 to 8"},
           {{"--scale", "2x"}, "--scale: '2x' is not a number from 0.25 to 8"},
           {{"--screenshot", ""}, "--screenshot needs a file name"},
           {{"--window=yes"}, "--window takes no value"},
           {{"--keyboard", "qwerty"}, "--keyboard: 'qwerty' is not zandorelle or standard"},
       }) {
    const ProgramRun run = runSimulator(arguments);
    EXPECT_EQ(run.exitCode, 2) << message;
    EXPECT_THAT(run.err, HasSubstr(message));
  }
}

}  // namespace
}  // namespace keyboard_simulator
