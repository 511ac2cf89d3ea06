#include "platform/coding/JSONDecoder.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/coding/Codable.h"

namespace platform {
namespace {

TEST(JSONDecoderTest, TextThatIsNotJSONIsDataCorrupted) {
  const std::vector<std::string_view> texts = {
      "", "{", "[1,]", "{\"a\" 1}", "tru", "\"\xC3\"", "1e400", "[1] 2", std::string_view("nul\0l", 5)};
  for (std::string_view text : texts) {
    SCOPED_TRACE(text);
    try {
      JSONDecoder().decode<std::vector<int>>(text);
      FAIL();
    } catch (const DecodingError& error) {
      EXPECT_EQ(error.kind(), DecodingError::Kind::dataCorrupted);
      EXPECT_EQ(error.debugDescription(), "The given data was not valid JSON.");
      EXPECT_TRUE(error.codingPath().empty());
      EXPECT_TRUE(error.underlyingError());
    }
  }
}

TEST(JSONDecoderTest, NestingIsLimited) {
  const int limit = JSONDecoder::maximumDepth;
  const std::string ok = std::string(limit, '[') + std::string(limit, ']');
  EXPECT_NO_THROW(JSONDecoder::parse(ok));
  const std::string deep = std::string(limit + 1, '[') + std::string(limit + 1, ']');
  EXPECT_THROW(JSONDecoder::parse(deep), DecodingError);
  // Brackets inside strings are text, not nesting.
  const std::string quoted = "\"" + std::string(10000, '[') + "\\\"\"";
  EXPECT_EQ(JSONDecoder().decode<std::string>(quoted), std::string(10000, '[') + "\"");
}

TEST(JSONDecoderTest, DuplicateKeysKeepTheLastValue) {
  EXPECT_EQ((JSONDecoder().decode<std::map<std::string, int>>(R"({"a":1,"a":2})")),
            (std::map<std::string, int>{{"a", 2}}));
}

TEST(JSONDecoderTest, GarbageNeverCrashes) {
  // Mutations of a valid document: every outcome is a value or a DecodingError.
  const std::string seed = R"({"a":[1,{"b":null,"c":"\u00e9"}],"d":{"e":[true,false,-1.5e3]}})";
  std::mt19937 random(42);
  const std::string alphabet = "{}[]\",:0123456789.-+eEtrufalsn\\u \x01\xC3\xA9";
  for (int round = 0; round < 2000; ++round) {
    std::string text = seed;
    for (int edit = 0; edit < 3; ++edit) {
      text[random() % text.size()] = alphabet[random() % alphabet.size()];
    }
    try {
      JSONDecoder().decode<std::map<std::string, std::vector<std::optional<int>>>>(text);
    } catch (const DecodingError&) {
    }
  }
}

TEST(FoundationCodingTest, URLsUUIDsAndDatesRoundTrip) {
  const std::optional<URL> url = URL::fromString("https://example.com/a%20b");
  ASSERT_TRUE(url);
  EXPECT_EQ(JSONEncoder().encode(*url), R"("https://example.com/a%20b")");
  EXPECT_EQ(JSONDecoder().decode<URL>(JSONEncoder().encode(*url)), *url);
  const UUID uuid = UUID::random();
  EXPECT_EQ(JSONDecoder().decode<UUID>(JSONEncoder().encode(uuid)), uuid);
  EXPECT_EQ(JSONDecoder().decode<Date>("12.5"), Date(12.5));
  EXPECT_THROW(JSONDecoder().decode<UUID>("\"nope\""), DecodingError);
  EXPECT_THROW(JSONDecoder().decode<URL>("\"\""), DecodingError);
}

}  // namespace
}  // namespace platform
