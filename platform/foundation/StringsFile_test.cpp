#include "platform/foundation/StringsFile.h"

#include <gtest/gtest.h>

#include <fstream>

namespace platform {
namespace {

TEST(StringsFileTest, ParsesEntriesCommentsAndEscapes) {
  const StringsFile::Table table = StringsFile::parse(
      "\xEF\xBB\xBF/* header\n   comment \"x\" = \"y\"; */\n"
      "\"done\" = \"Fertig\";  // trailing comment\n"
      "\"quote\" = \"say \\\"hi\\\"\\\\\";\n"
      "\"lines\"=\"a\\nb\\tc\";\n"
      "\"unicode\" = \"\\u00e9\\U20AC \\ud83d\\ude00\";\n"
      "\"utf8\" = \"Leertaste \xE2\x90\xA3\";\n"
      "\"alone\";\n"
      "unquoted = word.like-this;\n"
      "\"multi\n"
      "line\" = \"x\";");
  const StringsFile::Table expected = {
      {"done", "Fertig"},
      {"quote", "say \"hi\"\\"},
      {"lines", "a\nb\tc"},
      {"unicode", "\xC3\xA9\xE2\x82\xAC \xF0\x9F\x98\x80"},
      {"utf8", "Leertaste \xE2\x90\xA3"},
      {"alone", "alone"},
      {"unquoted", "word.like-this"},
      {"multi\nline", "x"},
  };
  EXPECT_EQ(table, expected);
}

TEST(StringsFileTest, MalformedLinesAreSkippedAndTheRestLoads) {
  const StringsFile::Table table = StringsFile::parse(
      "\"a\" = \"1\";\n"
      "\"missing semicolon\" = \"2\"\n"
      "\"b\" = \"3\";\n"
      "= \"no key\";\n"
      "\"unterminated = \"4;\n"
      "\"c\" = \"5\"; \"d\" = ;\n"
      "\"lone surrogate\" = \"\\ud83d!\";\n"
      "\"e\" = \"6\";\n"
      "\"bad escape\" = \"\\uZZ\";\n"
      "/* never closed\n"
      "\"f\" = \"7\";");
  EXPECT_EQ(table.at("a"), "1");
  EXPECT_EQ(table.at("b"), "3");
  EXPECT_EQ(table.at("c"), "5");
  EXPECT_EQ(table.at("e"), "6");
  EXPECT_EQ(table.at("f"), "7");
  EXPECT_EQ(table.at("lone surrogate"), "\xEF\xBF\xBD!");
  EXPECT_EQ(table.at("bad escape"), "uZZ");
  EXPECT_FALSE(table.contains("missing semicolon"));
  EXPECT_FALSE(table.contains("d"));
}

TEST(StringsFileTest, LoadsUTF16FilesWithAByteOrderMark) {
  const std::filesystem::path path = std::filesystem::temp_directory_path() / "keyloom-strings-utf16.strings";
  const std::u16string text = u"\"k\" = \"\u00e9\U0001F600\";";
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  std::ofstream(path, std::ios::binary) << bytes;
  const std::optional<StringsFile::Table> table = StringsFile::load(path);
  std::filesystem::remove(path);
  ASSERT_TRUE(table);
  EXPECT_EQ(table->at("k"), "\xC3\xA9\xF0\x9F\x98\x80");
  EXPECT_FALSE(StringsFile::load("/nonexistent/Localizable.strings"));
}

}  // namespace
}  // namespace platform
