#include "platform/foundation/URL.h"

#include <gtest/gtest.h>

#include <fstream>

namespace platform {
namespace {

TEST(URLTest, AcceptsOnlyCharactersAllowedInAURL) {
  for (std::string_view text : {"https://example.com/a/b?c=d&e#f", "app-settings:", "mailto:a@b.c", "a%20b",
                                "http://[::1]:8080/x", "relative/path", "/~user/file.txt;v=1"}) {
    EXPECT_TRUE(URL::fromString(text)) << text;
  }
  for (std::string_view text : {"", "a b", "http://x/\xC3\xA9", "a%2", "a%zz", "a\nb", "a\"b", "a<b>",
                                "a#b#c", "http://x/[y]", "a\\b", "a{b}", "a|b", "a^b", "a`b"}) {
    EXPECT_FALSE(URL::fromString(text)) << text;
  }
  EXPECT_FALSE(URL::fromString(std::string_view("a\0b", 3)));
}

TEST(URLTest, Components) {
  const URL url = *URL::fromString("HTTPS://user@Example.com:443/a%20b/c/?q=1#top");
  EXPECT_EQ(url.scheme(), "HTTPS");
  EXPECT_EQ(url.host(), "Example.com");
  EXPECT_EQ(url.path(), "/a b/c");
  EXPECT_EQ(url.percentEncodedPath(), "/a%20b/c/");
  EXPECT_EQ(url.query(), "q=1");
  EXPECT_EQ(url.fragment(), "top");
  EXPECT_EQ(url.lastPathComponent(), "c");
  EXPECT_FALSE(url.isFileURL());

  const URL settings = *URL::fromString(settingsURLString());
  EXPECT_EQ(settingsURLString(), "app-settings:");
  EXPECT_EQ(settings.scheme(), "app-settings");
  EXPECT_EQ(settings.path(), "");
  EXPECT_EQ(URL::fromString("relative/x")->scheme(), std::nullopt);
  EXPECT_EQ(URL::fromString("http://[::1]:80/")->host(), "[::1]");
}

TEST(URLTest, FileURLsEscapeTheirPathAndMarkDirectories) {
  const URL file = URL::fileURL("/tmp/a b%.watchface");
  EXPECT_EQ(file.absoluteString(), "file:///tmp/a%20b%25.watchface");
  EXPECT_EQ(file.path(), "/tmp/a b%.watchface");
  EXPECT_TRUE(file.isFileURL());
  EXPECT_EQ(URL::fromString(file.absoluteString()), file);

  const std::filesystem::path directory = std::filesystem::temp_directory_path();
  EXPECT_EQ(URL::fileURL(directory).absoluteString().back(), '/');
  EXPECT_EQ(URL::fileURL(directory).path(), directory.string());

  const URL relative = URL::fileURL("x.txt");
  EXPECT_EQ(relative.path(), (std::filesystem::current_path() / "x.txt").string());
}

TEST(URLTest, PathEditingAndEquality) {
  const URL base = *URL::fromString("https://example.com/a/b?x#y");
  EXPECT_EQ(base.appendingPathComponent("c d").absoluteString(), "https://example.com/a/b/c%20d?x#y");
  EXPECT_EQ(base.deletingLastPathComponent().absoluteString(), "https://example.com/a/?x#y");
  EXPECT_EQ(URL::fromString("https://example.com")->appendingPathComponent("a").absoluteString(),
            "https://example.com/a");
  EXPECT_EQ(URL::fileURL("/a/b/c").deletingLastPathComponent().deletingLastPathComponent(),
            URL::fileURL("/a/"));

  EXPECT_EQ(*URL::fromString("https://a.com/x"), *URL::fromString("https://a.com/x"));
  EXPECT_NE(*URL::fromString("https://a.com/x"), *URL::fromString("https://a.com/x/"));
}

}  // namespace
}  // namespace platform
