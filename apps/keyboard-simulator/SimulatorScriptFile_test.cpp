#include "apps/keyboard-simulator/SimulatorScriptFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apps/keyboard-simulator/SimulatorScript.h"

namespace keyboard_simulator {
namespace {

using Words = std::vector<std::string>;

TEST(SimulatorScriptFileTest, AWordListIsReadOneWordALine) {
  const struct {
    const char* name;
    std::string source;
    Words words;
  } cases[] = {
      {"plain", "hello\nhelp\n", {"hello", "help"}},
      {"trimmed, blank lines skipped", "  hello\t\r\n\n \nhelp", {"hello", "help"}},
      {"a leading byte-order mark", "\xEF\xBB\xBFhello\nhelp\n", {"hello", "help"}},
      {"a byte-order mark, then a blank line", "\xEF\xBB\xBF\r\nhello\n", {"hello"}},
      {"a byte-order mark alone", "\xEF\xBB\xBF", {}},
      // Anywhere else it is part of the word, as in any other text.
      {"a byte-order mark later", "hello\n\xEF\xBB\xBFhelp\n", {"hello", "\xEF\xBB\xBFhelp"}},
      {"a second byte-order mark", "\xEF\xBB\xBF\xEF\xBB\xBFhello\n", {"\xEF\xBB\xBFhello"}},
  };
  for (const auto& c : cases) EXPECT_EQ(parseWordList(c.source, "words.txt"), c.words) << c.name;
}

TEST(SimulatorScriptFileTest, AWordThatIsNotUtf8NamesTheFileAndItsLine) {
  // Lines are counted as in the file, the byte-order mark's line too.
  for (const std::string prefix : {"", "\xEF\xBB\xBF"}) {
    try {
      parseWordList(prefix + "fine\nbad \xFF word\n", "words.txt");
      ADD_FAILURE() << "accepted";
    } catch (const SimulatorScriptError& error) {
      EXPECT_STREQ(error.what(), "--word-list: words.txt: line 2: the word is not valid UTF-8");
    }
  }
  // UTF-16, with its own byte-order mark, is no UTF-8.
  EXPECT_THROW(parseWordList(std::string("\xFF\xFEh\0i\0", 6), "words.txt"), SimulatorScriptError);
}

}  // namespace
}  // namespace keyboard_simulator
