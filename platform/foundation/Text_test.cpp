#include "platform/foundation/Text.h"

#include <gtest/gtest.h>

#include <random>
#include <string_view>
#include <utility>

namespace platform::text {
namespace {

std::string join(const std::vector<std::string>& parts, std::size_t from, std::size_t to) {
  std::string out;
  for (std::size_t i = from; i < to; ++i) out += parts[i];
  return out;
}

TEST(TextGraphemes, CountsExtendedGraphemeClusters) {
  struct Case {
    std::string text;
    std::size_t count;
  };
  const std::vector<Case> cases = {
      {"", 0},
      {"abc", 3},
      {"\U0001F43B\u200D\u2744\uFE0F", 1},             // polar bear ZWJ sequence
      {"e\u0301", 1},                                  // combining acute
      {"\U0001F1FA\U0001F1F3\U0001F1E6\U0001F1EB", 2},  // two flags
      {"\r\n", 1},
      {"\n\r", 2},
      {"\U0001F469\U0001F3FD\u200D\U0001F4BB x", 3},   // skin tone + ZWJ, space, x
      {"\u1100\u1161\u11A8", 1},                       // Hangul L V T
      {"a\xFF" "b", 3},                                // an invalid byte is a cluster of its own
  };
  for (const auto& c : cases) {
    EXPECT_EQ(graphemeCount(c.text), c.count) << c.text;
    EXPECT_EQ(graphemes(c.text).size(), c.count) << c.text;
    EXPECT_EQ(graphemeBoundaries(c.text).size(), c.count + 1) << c.text;
  }
  EXPECT_EQ(graphemes("a\r\nb"), (std::vector<std::string>{"a", "\r\n", "b"}));
}

TEST(TextGraphemes, HeadAndTailHelpersOnSmallInputs) {
  EXPECT_EQ(lastGrapheme(""), std::nullopt);
  EXPECT_EQ(firstGrapheme(""), std::nullopt);
  EXPECT_EQ(lastGrapheme("ab\r\n"), "\r\n");
  EXPECT_EQ(firstGrapheme("e\u0301x"), "e\u0301");
  EXPECT_EQ(lastGraphemes("abc", 10), "abc");
  EXPECT_EQ(dropLastGraphemes("abc", 10), "");
  EXPECT_EQ(dropFirstGraphemes("abc", 0), "abc");
  EXPECT_EQ(byteOffsetOfGrapheme("\u00E9a", 1), 2u);
  EXPECT_EQ(byteOffsetOfGrapheme("\u00E9a", 7), 3u);  // clamps to the size
}

// Builds text from pieces that stress the segmentation rules near any cut.
std::string randomText(std::mt19937& random) {
  static const std::vector<std::string> pieces = {
      "a", "Z", " ", ".", "\r", "\n", "\r\n", "\u0301", "\u0308",  // ASCII, CR/LF, combining marks
      "\U0001F44B", "\U0001F3FD", "\u200D", "\uFE0F", "\u2764",    // emoji, skin tone, ZWJ, VS16
      "\U0001F469\U0001F3FD\u200D\U0001F4BB", "\U0001F43B\u200D\u2744\uFE0F",
      "\U0001F1FA", "\U0001F1F3", "\U0001F1E6",                    // lone regional indicators
      "\u1100", "\u1161", "\u11A8", "\uAC00",                      // Hangul jamo and a syllable
      "\u0915\u094D\u0937", "\xFF",                                // Devanagari conjunct, a bad byte
  };
  std::uniform_int_distribution<std::size_t> length(0, 40);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::string text;
  const std::size_t n = length(random);
  for (std::size_t i = 0; i < n; ++i) text += pieces[pick(random)];
  return text;
}

TEST(TextGraphemes, HeadAndTailHelpersAgreeWithFullSegmentation) {
  std::mt19937 random(20240611);
  for (int round = 0; round < 400; ++round) {
    const std::string text = randomText(random);
    const auto parts = graphemes(text);
    const std::size_t count = parts.size();
    ASSERT_EQ(join(parts, 0, count), text);
    ASSERT_EQ(graphemeCount(text), count);
    const auto boundaries = graphemeBoundaries(text);
    for (std::size_t n = 0; n <= count + 1; ++n) {
      const std::size_t k = std::min(n, count);
      SCOPED_TRACE("round " + std::to_string(round) + ", n " + std::to_string(n));
      EXPECT_EQ(lastGraphemes(text, n), join(parts, count - k, count));
      EXPECT_EQ(firstGraphemes(text, n), join(parts, 0, k));
      EXPECT_EQ(dropLastGraphemes(text, n), join(parts, 0, count - k));
      EXPECT_EQ(dropFirstGraphemes(text, n), join(parts, k, count));
      EXPECT_EQ(byteOffsetOfGrapheme(text, n), boundaries[k]);
    }
    EXPECT_EQ(lastGrapheme(text), count ? std::optional(parts.back()) : std::nullopt);
    EXPECT_EQ(firstGrapheme(text), count ? std::optional(parts.front()) : std::nullopt);
  }
}

TEST(TextGraphemes, TailOfAMegabyteString) {
  std::string text;
  while (text.size() < (1u << 20)) text += "word e\u0301 \U0001F1FA\U0001F1F3\r\n";
  text += "\U0001F43B\u200D\u2744\uFE0F!";
  EXPECT_EQ(lastGraphemes(text, 3), "\r\n\U0001F43B\u200D\u2744\uFE0F!");
  EXPECT_EQ(dropLastGraphemes(text, 2).size(), text.size() - 14);

  // Flags pair up from the start of the run, so the tail depends on the
  // parity of a run that spans the whole megabyte.
  std::string flags;
  for (int i = 0; i < 262145; ++i) flags += "\U0001F1E6";
  EXPECT_EQ(lastGrapheme(flags), "\U0001F1E6");
  EXPECT_EQ(lastGraphemes(flags + "\U0001F1E6", 1), "\U0001F1E6\U0001F1E6");
}

TEST(TextCase, FullAndLanguageSpecificMapping) {
  EXPECT_EQ(uppercased("stra\u00DFe"), "STRASSE");
  EXPECT_EQ(uppercased("istanbul"), "ISTANBUL");
  EXPECT_EQ(uppercased("istanbul", "tr"), "\u0130STANBUL");
  EXPECT_EQ(uppercased("istanbul", "tr-TR"), "\u0130STANBUL");
  EXPECT_EQ(lowercased("D\u0130YARBAKIR", "tr"), "diyarbak\u0131r");
  EXPECT_EQ(lowercased("\u039F\u0394\u039F\u03A3"), "\u03BF\u03B4\u03BF\u03C2");  // final sigma
  EXPECT_EQ(lowercased(""), "");
}

TEST(TextCase, CapitalizedTitleCasesEachWhitespaceSeparatedWord) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"hello world", "Hello World"},
      {"hello-world", "Hello-world"},
      {"HELLO wORLD", "Hello World"},
      {"  a\tb\nc", "  A\tB\nC"},
      {"\u00E9lan vital", "\u00C9lan Vital"},
      {"\u01C6emal", "\u01C5emal"},  // the dž digraph has its own title case
      {"", ""},
      {"123", "123"},
  };
  for (const auto& [input, expected] : cases) EXPECT_EQ(capitalized(input), expected) << input;
}

TEST(TextCharacters, WhitespaceClasses) {
  struct Case {
    char32_t c;
    bool whitespace;
    bool whitespaceOrNewline;
    bool whiteSpaceProperty;
  };
  const std::vector<Case> cases = {
      {U' ', true, true, true},        {U'\t', true, true, true},
      {U'\n', false, true, true},      {U'\r', false, true, true},
      {0x0B, false, true, true},       {0x85, false, true, true},
      {0x00A0, true, true, true},      {0x3000, true, true, true},
      {0x2028, false, true, true},     {0x2029, false, true, true},
      {0x200B, false, false, false},   {U'a', false, false, false},
      {0xD800, false, false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(isWhitespace(c.c), c.whitespace) << std::hex << static_cast<uint32_t>(c.c);
    EXPECT_EQ(isWhitespaceOrNewline(c.c), c.whitespaceOrNewline) << std::hex << static_cast<uint32_t>(c.c);
    EXPECT_EQ(isUnicodeWhiteSpace(c.c), c.whiteSpaceProperty) << std::hex << static_cast<uint32_t>(c.c);
  }
}

TEST(TextCharacters, AlphanumericByGeneralCategory) {
  for (char32_t c : {U'a', U'Z', U'7', char32_t{0x00E9}, char32_t{0x0301}, char32_t{0x0663}, char32_t{0x00BD},
                     char32_t{0x4E2D}, char32_t{0x1D504}})
    EXPECT_TRUE(isAlphanumeric(c)) << std::hex << static_cast<uint32_t>(c);
  for (char32_t c : {U'#', U' ', U'_', char32_t{0x00A0}, char32_t{0x2014}, char32_t{0x1F600}, char32_t{0xD800},
                     char32_t{0x110000}})
    EXPECT_FALSE(isAlphanumeric(c)) << std::hex << static_cast<uint32_t>(c);
}

TEST(TextCharacters, TrimmingPerScalar) {
  EXPECT_EQ(trimmingWhitespace(" \t hi there\u00A0 "), "hi there");
  EXPECT_EQ(trimmingWhitespace("\nhi\n"), "\nhi\n");
  EXPECT_EQ(trimmingWhitespaceAndNewlines("\r\n\u2028 hi \u0085\n"), "hi");
  EXPECT_EQ(trimmingWhitespaceAndNewlines(" \n "), "");
  // Trimming works per scalar, so a combining mark on a trailing space stays.
  EXPECT_EQ(trimmingWhitespace("a \u0301 "), "a \u0301");
}

TEST(TextScalars, DecodingAndEncoding) {
  EXPECT_EQ(toScalars("a\u00E9\U0001F600"), (std::u32string{U'a', 0xE9, 0x1F600}));
  EXPECT_EQ(toScalars("a\xFF" "b"), (std::u32string{U'a', 0xFFFD, U'b'}));
  EXPECT_EQ(toScalars("\xE2\x82"), (std::u32string{0xFFFD}));  // truncated sequence
  EXPECT_EQ(fromScalars(U"a\u00E9\U0001F600"), "a\u00E9\U0001F600");
  EXPECT_EQ(fromScalars(std::u32string{0xD800, 0x110000}), "\uFFFD\uFFFD");
  EXPECT_EQ(fromScalar(0x1F43B), "\U0001F43B");

  EXPECT_TRUE(isValidUtf8(""));
  EXPECT_TRUE(isValidUtf8("stra\u00DFe \U0001F600"));
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));           // overlong
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));       // surrogate
  EXPECT_FALSE(isValidUtf8("\xF0\x9F\x98"));       // truncated
  EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));   // beyond U+10FFFF
}

TEST(TextScalars, OnlyALeadingByteOrderMarkIsDropped) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"\xEF\xBB\xBFhello", "hello"},
      {"\xEF\xBB\xBF", ""},
      {"\xEF\xBB\xBF\xEF\xBB\xBFhello", "\xEF\xBB\xBFhello"},  // a second one is text
      {"hello\xEF\xBB\xBF", "hello\xEF\xBB\xBF"},
      {"\xEF\xBBhello", "\xEF\xBBhello"},  // part of one is no mark
      {"\xFF\xFEhello", "\xFF\xFEhello"},  // nor is UTF-16's
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(withoutByteOrderMark(text), expected);
}

TEST(TextScalars, PropertiesAndNames) {
  EXPECT_TRUE(isEmoji(0x1F600));
  EXPECT_TRUE(isEmoji(U'#'));  // keycap base: Emoji, but text presentation
  EXPECT_FALSE(isEmoji(U'a'));
  EXPECT_TRUE(isEmojiPresentation(0x1F600));
  EXPECT_FALSE(isEmojiPresentation(U'#'));
  EXPECT_FALSE(isEmojiPresentation(0x2764));  // heavy black heart needs VS16
  EXPECT_TRUE(isEmoji(0x1FAE8));              // Emoji 15.0

  EXPECT_EQ(scalarName(0x1F600), "GRINNING FACE");
  EXPECT_EQ(scalarName(U'A'), "LATIN CAPITAL LETTER A");
  EXPECT_EQ(scalarName(0x200D), "ZERO WIDTH JOINER");
  EXPECT_EQ(scalarName(0xAC00), "HANGUL SYLLABLE GA");
  EXPECT_EQ(scalarName(0x07), "");      // controls have no name
  EXPECT_EQ(scalarName(0x0378), "");    // unassigned
  EXPECT_EQ(scalarName(0xD800), "");
  EXPECT_EQ(scalarName(0x110000), "");
}

TEST(TextScalars, EmojiPresentationAddsTheSelectorOnlyWhereTextWouldShow) {
  struct Case {
    const char* text;
    const char* shown;
  };
  for (const auto& c : std::initializer_list<Case>{
           {"\U0001F5A5", "\U0001F5A5\uFE0F"},  // desktop computer
           {"\u265F", "\u265F\uFE0F"},          // chess pawn
           {"\U0001F5A5\U0001F5A8", "\U0001F5A5\uFE0F\U0001F5A8\uFE0F"},
           {"\U0001F600", "\U0001F600"},              // shows as emoji already
           {"\u26BD\uFE0F", "\u26BD\uFE0F"},          // has its selector
           {"\u265F\uFE0E", "\u265F\uFE0E"},          // asks for text: kept
           {"\u261D\U0001F3FD", "\u261D\U0001F3FD"},  // a skin tone shows it as emoji
           {"#\u20E3", "#\uFE0F\u20E3"},              // keycap
           {"\U0001F441\u200D\U0001F5E8", "\U0001F441\uFE0F\u200D\U0001F5E8\uFE0F"},  // joined
           {"\U0001F1E9\U0001F1EA", "\U0001F1E9\U0001F1EA"},                          // flag
           {"a", "a"},
           {"", ""},
           {"\xF0\x9F\x98", "\xF0\x9F\x98"},  // invalid bytes kept
           {"\xFF\u265F", "\xFF\u265F\uFE0F"},
       }) {
    EXPECT_EQ(withEmojiPresentation(c.text), c.shown) << c.text;
  }
  EXPECT_TRUE(isEmojiModifier(0x1F3FB));
  EXPECT_FALSE(isEmojiModifier(0x1F600));
}

TEST(TextScalars, CanonicalComposition) {
  EXPECT_EQ(nfc("e\u0301"), "\u00E9");
  EXPECT_EQ(nfc("\u1100\u1161"), "\uAC00");
  EXPECT_EQ(nfc("plain"), "plain");
}

}  // namespace
}  // namespace platform::text
