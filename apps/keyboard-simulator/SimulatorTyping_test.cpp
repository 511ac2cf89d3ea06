// End-to-end typing with fingers on the keyboard's view: callouts, slides,
// the space bar's cursor drag, suggestions, fonts, rotation, and a page of
// prose written elsewhere.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "apps/keyboard-simulator/SimulatorProgramRunner.h"

namespace keyboard_simulator {
namespace {

using namespace keyboard_simulator::program_test;
using ::testing::HasSubstr;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// A script line that types `text` exactly, line breaks included.
std::string typeStep(const std::string& text) { return "type " + nlohmann::json(text).dump() + "\n"; }

TEST(SimulatorTypingTest, CharactersOnlyACalloutOffersAreTypedByLongPressAndSlide) {
  EXPECT_EQ(report({"--locale", "de", "--type", "Gr\u00FC\u00DFe"})["text"], "Gr\u00FC\u00DFe");
  // The straight apostrophe is in the callout of the curly one.
  EXPECT_EQ(report({"--type", "Don't"})["text"], "Don't");
  EXPECT_EQ(report({"--type", "na\u00EFve caf\u00E9"})["text"], "na\u00EFve caf\u00E9");
}

TEST(SimulatorTypingTest, ALongPressOpensTheCalloutAndTheSlideChoosesItsEntry) {
  auto open = report({"--script", "-"}, "long-press e 1\n");
  ASSERT_GT(open["callout"].size(), 2u);
  EXPECT_EQ(open["callout"][0], "character(\"E\")") << "the key's own character first";

  auto stay = report({"--script", "-"}, "long-press e 1\nlift\n");
  EXPECT_EQ(stay["text"], "E");
  EXPECT_EQ(stay["callout"], nlohmann::json::array()) << "lifting closes the callout";

  auto slid = report({"--script", "-"}, "long-press e 1\nslide 60 0\nlift\n");
  EXPECT_NE(slid["text"], "E");
  EXPECT_EQ(slid["text"].get<std::string>().size(), 2u) << "one accented letter";

  // Sliding far down leaves the callout without choosing.
  auto away = report({"--script", "-"}, "long-press e 1\nslide 0 200\nlift\n");
  EXPECT_EQ(away["text"], "");
}

TEST(SimulatorTypingTest, DraggingTheSpaceBarMovesTheCursor) {
  auto left = report({"--text", "hello world", "--script", "-"}, "drag-space -20\n");
  EXPECT_EQ(left["text"], "hello world") << "a drag types no space";
  EXPECT_LT(left["cursor"], 11);
  EXPECT_GT(left["cursor"], 0);
  auto right = report({"--text", "hello world", "--script", "-"}, "drag-space -20\ndrag-space 200\n");
  EXPECT_EQ(right["cursor"], 11);
}

// A word list in a file of its own; removed with the test's directory.
std::string writeWords(const std::string& name, const std::string& content) {
  const auto path = std::filesystem::path(::testing::TempDir()) / name;
  std::ofstream(path, std::ios::binary) << content;
  return path.string();
}

TEST(SimulatorTypingTest, ATappedSuggestionFromTheWordListReplacesTheWord) {
  const std::string words = writeWords("simulator-words.txt", "hello\r\n  help \n\nhelmet\nworld\n");
  const std::vector<std::string> standard{"--keyboard", "standard", "--word-list", words, "--script", "-"};
  auto shown = report(standard, "type hel\n");
  EXPECT_EQ(shown["suggestions"], nlohmann::json::parse(R"(["hel", "hello", "help"])"));
  auto tapped = report(standard, "type hel\ntap-suggestion 2\n");
  EXPECT_EQ(tapped["text"], "help ");
  EXPECT_EQ(tapped["suggestions"], nlohmann::json::array());

  const ProgramRun beyond = runSimulator(standard, "type hel\ntap-suggestion 3\n");
  EXPECT_EQ(beyond.exitCode, 2);
  EXPECT_THAT(beyond.err, HasSubstr("line 2: tap-suggestion: the keyboard shows no suggestion 3 (3 shown)"));
  // The product keyboard shows no suggestions, whatever the provider has.
  EXPECT_EQ(report({"--word-list", words, "--type", "hel"})["suggestions"], nlohmann::json::array());
}

TEST(SimulatorTypingTest, AWordListSavedWithAByteOrderMarkKeepsItsFirstWord) {
  const std::string content = "\xEF\xBB\xBFhello\nhelp\n";
  const std::string words = writeWords("simulator-words-with-mark.txt", content);
  const auto hello = nlohmann::json::parse(R"(["hel", "hello", "help"])");
  EXPECT_EQ(report({"--keyboard", "standard", "--word-list", words, "--type", "hel"})["suggestions"], hello);
  EXPECT_EQ(report({"--keyboard", "standard", "--word-list", "-", "--type", "hel"}, content)["suggestions"],
            hello)
      << "read from standard input";
  auto tapped = report({"--keyboard", "standard", "--word-list", words, "--script", "-"},
                       "type hel\ntap-suggestion 1\n");
  EXPECT_EQ(tapped["text"], "hello ");
}

TEST(SimulatorTypingTest, TheSuggestionBarShowsEachWordOnce) {
  const std::vector<std::string> one{"--keyboard",  "standard",
                                     "--word-list", writeWords("simulator-one-word.txt", "help\n"),
                                     "--type",      "help"};
  EXPECT_EQ(report(one)["suggestions"], nlohmann::json::parse(R"(["help"])"));
  // A word listed twice, or the typed word itself, gives its place to the next.
  const std::vector<std::string> repeated{
      "--keyboard",  "standard",
      "--word-list", writeWords("simulator-repeated-words.txt", "help\nhelp\nhelps\nhelper\n"),
      "--script",    "-"};
  EXPECT_EQ(report(repeated, "type hel\n")["suggestions"],
            nlohmann::json::parse(R"(["hel", "help", "helps"])"));
  EXPECT_EQ(report(repeated, "type help\n")["suggestions"],
            nlohmann::json::parse(R"(["help", "helps", "helper"])"));
  auto tapped = report(repeated, "type help\ntap-suggestion 2\n");
  EXPECT_EQ(tapped["text"], "helper ");
}

TEST(SimulatorTypingTest, ABadWordListIsAClearError) {
  const std::string bad = writeWords("simulator-bad-words.txt", "fine\nbad \xFF word\n");
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{"--word-list", "/nonexistent/words"}, "--word-list: cannot read /nonexistent/words"},
      {{"--word-list", "/tmp"}, "--word-list: /tmp is a directory"},
      {{"--word-list", bad}, "line 2: the word is not valid UTF-8"},
      {{"--word-list", ""}, "--word-list needs a file name"},
  };
  for (const auto& [arguments, message] : cases) {
    const ProgramRun run = runSimulator(arguments);
    EXPECT_EQ(run.exitCode, 2) << message;
    EXPECT_THAT(run.err, HasSubstr(message));
  }
}

TEST(SimulatorTypingTest, AFontTapRetypesTheLettersInThatFont) {
  auto plain = report({"--print-layout"});
  EXPECT_EQ(plain["font"], 0);
  EXPECT_EQ(plain["layout"][0][0]["action"], "character(\"Q\")");

  auto doubleStruck = report({"--print-layout", "--script", "-"}, "tap-font 3\n");
  EXPECT_EQ(doubleStruck["font"], 3);
  EXPECT_EQ(doubleStruck["layout"][0][0]["action"], "character(\"\u211A\")");
  // The last fonts are off the bar's edge: the finger scrolls the bar first.
  EXPECT_EQ(report({"--script", "-"}, "tap-font 12\n")["font"], 12);
  // The letters' keys type the font's letters.
  EXPECT_EQ(report({"--script", "-"}, "tap-font 3\ntap \u211A\n")["text"], "\u211A");

  const ProgramRun beyond = runSimulator({"--script", "-"}, "tap-font 13\n");
  EXPECT_EQ(beyond.exitCode, 2);
  EXPECT_THAT(beyond.err, HasSubstr("line 1: tap-font: the font bar has no font 13 (13 fonts)"));
  const ProgramRun standard = runSimulator({"--keyboard", "standard", "--script", "-"}, "tap-font 1\n");
  EXPECT_EQ(standard.exitCode, 2);
  EXPECT_THAT(standard.err, HasSubstr("line 1: tap-font: the keyboard has no font bar"));
}

TEST(SimulatorTypingTest, AThemeChangeRepaintsTheKeyboardWhenItAppearsAgain) {
  const auto directory = std::filesystem::path(::testing::TempDir()) / "simulator-theme";
  std::filesystem::create_directories(directory);
  const auto before = directory / "before.png", stored = directory / "stored.png", after = directory / "after.png";
  auto themed = report({"--scale", "0.5", "--script", "-"},
                       "screenshot " + before.string() + "\nset-theme 7\nscreenshot " + stored.string() +
                           "\nhide\nshow\nscreenshot " + after.string() + "\n");
  EXPECT_EQ(themed["theme"], 7);
  EXPECT_EQ(readFile(before), readFile(stored)) << "not before the keyboard appears again";
  EXPECT_NE(readFile(stored), readFile(after));
  std::filesystem::remove_all(directory);
}

TEST(SimulatorTypingTest, ARotationRedrawsTheLandscapeLayout) {
  const auto directory = std::filesystem::path(::testing::TempDir()) / "simulator-rotation";
  std::filesystem::create_directories(directory);
  const auto portrait = directory / "portrait.png", landscape = directory / "landscape.png";
  auto rotated = report({"--print-layout", "--scale", "1", "--script", "-"},
                        "type Hi\nscreenshot " + portrait.string() + "\nrotate\nscreenshot " + landscape.string() + "\n");
  EXPECT_EQ(rotated["layout"][3][3]["width"], "percentage(0.195)") << "the landscape layout";
  EXPECT_EQ(rotated["text"], "Hi");
  EXPECT_NE(readFile(portrait), readFile(landscape));
  std::filesystem::remove_all(directory);
}

// The preamble of a licence the system ships, typed with the default
// settings: autocapitalisation and shift give the capitals, callouts the
// straight apostrophes, the return key the line breaks. The heading has no
// full stop, and the two spaces that indent the next line must not add one.
TEST(SimulatorTypingTest, TypesALicencePreambleExactly) {
  const std::string licence = readFile("/usr/share/common-licenses/GPL-3");
  ASSERT_FALSE(licence.empty()) << "the system's licence texts are missing";
  const std::size_t heading = licence.find("Preamble\n\n");
  const std::size_t terms = licence.find("TERMS AND CONDITIONS");
  ASSERT_NE(heading, std::string::npos);
  ASSERT_NE(terms, std::string::npos);
  std::string preamble = licence.substr(heading, terms - heading);
  while (!preamble.empty() && (preamble.back() == '\n' || preamble.back() == ' ')) preamble.pop_back();
  ASSERT_GT(preamble.size(), 3000u);
  ASSERT_NE(preamble.find("users' freedom"), std::string::npos);
  if (kSanitized) {
    // Built with the sanitizers every key costs many times more: the
    // paragraph with the apostrophes stands for the whole.
    const std::size_t start = preamble.find("  For the developers'");
    ASSERT_NE(start, std::string::npos);
    preamble = preamble.substr(start, preamble.find("\n\n", start) - start);
  }

  const ProgramRun run = runSimulator({"--json", "--script", "-"}, typeStep(preamble));
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out)["text"], preamble);
}

TEST(SimulatorTypingTest, AWordWithoutEndTypesAsFastAsProse) {
  // Each key used to look at the whole word typed so far.
  const std::string word(kSanitized ? 3000 : 30000, 'a');
  const auto start = std::chrono::steady_clock::now();
  const ProgramRun run = runSimulator({"--json", "--type", word}, "");
  const auto elapsed = std::chrono::steady_clock::now() - start;
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out)["text"], word);
  if (!kSanitized) {
    EXPECT_LT(elapsed, std::chrono::seconds(8));
  }
}

}  // namespace
}  // namespace keyboard_simulator
