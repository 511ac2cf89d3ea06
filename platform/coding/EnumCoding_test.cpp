#include "platform/coding/EnumCoding.h"

#include <gtest/gtest.h>

#include <array>
#include <variant>

#include "platform/coding/Codable.h"

namespace demo {

enum class Casing { lowercased, uppercased };
constexpr std::array<std::string_view, 2> casingRawValues = {"lowercased", "uppercased"};

void encodeValue(platform::Encoder& encoder, const Casing& casing) {
  platform::encodeRawValue(encoder, casingRawValues[static_cast<std::size_t>(casing)]);
}
Casing decodeValue(platform::Decoder& decoder, std::type_identity<Casing>) {
  return static_cast<Casing>(platform::decodeRawValue(decoder, casingRawValues, "Casing"));
}

// An enumeration with payloads in the one-key form, written the way the
// library's own types are.
class Key {
 public:
  struct Space {
    bool operator==(const Space&) const = default;
  };
  struct Character {
    std::string text;
    bool operator==(const Character&) const = default;
  };
  struct Shift {
    Casing currentCasing;
    bool operator==(const Shift&) const = default;
  };
  struct Link {
    std::optional<platform::URL> url;
    std::optional<std::string> id;
    bool operator==(const Link&) const = default;
  };
  using Value = std::variant<Space, Character, Shift, Link>;
  static constexpr std::array<std::string_view, 4> caseNames = {"space", "character", "shift", "url"};

  Key(Value value) : value_(std::move(value)) {}
  bool operator==(const Key&) const = default;

  friend void encodeValue(platform::Encoder& encoder, const Key& key) {
    platform::KeyedEncodingContainer payload = platform::encodeCase(encoder, caseNames[key.value_.index()]);
    if (auto* character = std::get_if<Character>(&key.value_)) payload.encode("_0", character->text);
    if (auto* shift = std::get_if<Shift>(&key.value_)) payload.encode("currentCasing", shift->currentCasing);
    if (auto* link = std::get_if<Link>(&key.value_)) {
      payload.encodeIfPresent("_0", link->url);
      payload.encodeIfPresent("id", link->id);
    }
  }

  friend Key decodeValue(platform::Decoder& decoder, std::type_identity<Key>) {
    platform::DecodedCase found = platform::decodeCase(decoder, caseNames, "Key");
    switch (found.index) {
      case 0:
        return Key(Space{});
      case 1:
        return Key(Character{found.payload.decode<std::string>("_0")});
      case 2:
        return Key(Shift{found.payload.decode<Casing>("currentCasing")});
      default:
        return Key(Link{found.payload.decodeIfPresent<platform::URL>("_0"),
                        found.payload.decodeIfPresent<std::string>("id")});
    }
  }

 private:
  Value value_;
};

}  // namespace demo

namespace platform {
namespace {

using demo::Key;

DecodingError decodingError(std::string_view json) {
  try {
    JSONDecoder().decode<std::vector<Key>>(json);
  } catch (const DecodingError& error) {
    return error;
  }
  ADD_FAILURE() << "decoded " << json;
  return DecodingError::dataCorrupted({}, "none");
}

TEST(EnumCodingTest, EveryCaseRoundTripsInTheOneKeyForm) {
  const std::vector<Key> keys = {
      Key(Key::Space{}),
      Key(Key::Character{"a"}),
      Key(Key::Shift{demo::Casing::uppercased}),
      Key(Key::Link{URL::fromString("https://example.com/a?b#c"), "tag"}),
      Key(Key::Link{std::nullopt, std::nullopt}),
  };
  const std::string json = JSONEncoder().encode(keys);
  EXPECT_EQ(json, R"([{"space":{}},{"character":{"_0":"a"}},{"shift":{"currentCasing":"uppercased"}},)"
                  R"({"url":{"_0":"https://example.com/a?b#c","id":"tag"}},{"url":{}}])");
  EXPECT_EQ(JSONDecoder().decode<std::vector<Key>>(json), keys);
}

TEST(EnumCodingTest, ZeroOrSeveralCaseKeysFailWithTheOneKeyMessageAtTheContainersPath) {
  for (std::string_view json : {R"([{"space":{}}, {}])", R"([{"space":{}}, {"space":{},"url":{}}])",
                                R"([{"space":{}}, {"Space":{}}])"}) {
    SCOPED_TRACE(json);
    const DecodingError error = decodingError(json);
    EXPECT_EQ(error.kind(), DecodingError::Kind::typeMismatch);
    EXPECT_EQ(error.debugDescription(), "Invalid number of keys found, expected one.");
    EXPECT_STREQ(error.what(), "Invalid number of keys found, expected one.");
    EXPECT_EQ(error.type(), "Key");
    EXPECT_EQ(error.codingPath(), (CodingPath{"Index 1"}));
    EXPECT_FALSE(error.underlyingError());
  }
}

TEST(EnumCodingTest, KeysThatNameNoCaseAreIgnored) {
  EXPECT_EQ(JSONDecoder().decode<Key>(R"({"other":1,"space":{"extra":true}})"), Key(Key::Space{}));
}

TEST(EnumCodingTest, TheCaseValueMustBeAKeyedContainer) {
  for (std::string_view json : {R"([{"space":null}])", R"([{"space":3}])", R"([{"space":"x"}])"}) {
    SCOPED_TRACE(json);
    const DecodingError error = decodingError(json);
    EXPECT_NE(error.kind(), DecodingError::Kind::dataCorrupted);
    EXPECT_EQ(error.codingPath(), (CodingPath{"Index 0", "space"}));
  }
}

TEST(EnumCodingTest, PayloadFailuresPassThroughWithTheirPath) {
  DecodingError missing = decodingError(R"([{"character":{}}])");
  EXPECT_EQ(missing.kind(), DecodingError::Kind::keyNotFound);
  EXPECT_EQ(missing.key(), "_0");
  EXPECT_EQ(missing.codingPath(), (CodingPath{"Index 0", "character"}));
  EXPECT_EQ(missing.debugDescription(), "No value associated with key \"_0\".");

  DecodingError badRaw = decodingError(R"([{"shift":{"currentCasing":"Uppercased"}}])");
  EXPECT_EQ(badRaw.kind(), DecodingError::Kind::dataCorrupted);
  EXPECT_EQ(badRaw.codingPath(), (CodingPath{"Index 0", "shift", "currentCasing"}));
  EXPECT_EQ(badRaw.debugDescription(), "Cannot initialize Casing from invalid String value Uppercased");

  DecodingError badURL = decodingError(R"([{"url":{"_0":"not a url"}}])");
  EXPECT_EQ(badURL.kind(), DecodingError::Kind::dataCorrupted);
  EXPECT_EQ(badURL.debugDescription(), "Invalid URL string.");
}

TEST(EnumCodingTest, NullOptionalPayloadIsAbsent) {
  EXPECT_EQ(JSONDecoder().decode<Key>(R"({"url":{"_0":null,"id":"x"}})"), Key(Key::Link{std::nullopt, "x"}));
}

}  // namespace
}  // namespace platform
