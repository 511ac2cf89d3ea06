#include "platform/coding/Encoder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/coding/Codable.h"
#include "platform/coding/EncodingNode.h"

namespace platform {
namespace {

struct Style {
  std::string name;
  double size = 0;
  std::vector<int> stops;
  std::map<std::string, bool> flags;
  std::optional<std::string> note;
  std::vector<std::vector<std::string>> rows;

  bool operator==(const Style&) const = default;

  // Keys deliberately not alphabetical: they must come out in this order.
  friend void encodeValue(Encoder& encoder, const Style& style) {
    KeyedEncodingContainer container = encoder.container();
    container.encode("name", style.name);
    container.encode("size", style.size);
    KeyedEncodingContainer details = container.nestedContainer("details");
    details.encode("stops", style.stops);
    details.encode("flags", style.flags);
    container.encodeIfPresent("note", style.note);
    UnkeyedEncodingContainer rows = container.nestedUnkeyedContainer("rows");
    for (const auto& row : style.rows) {
      UnkeyedEncodingContainer nested = rows.nestedUnkeyedContainer();
      for (const auto& cell : row) nested.encode(cell);
    }
  }

  friend Style decodeValue(Decoder& decoder, std::type_identity<Style>) {
    KeyedDecodingContainer container = decoder.container();
    Style style;
    style.name = container.decode<std::string>("name");
    style.size = container.decode<double>("size");
    KeyedDecodingContainer details = container.nestedContainer("details");
    style.stops = details.decode<std::vector<int>>("stops");
    style.flags = details.decode<std::map<std::string, bool>>("flags");
    style.note = container.decodeIfPresent<std::string>("note");
    UnkeyedDecodingContainer rows = container.nestedUnkeyedContainer("rows");
    while (!rows.isAtEnd()) {
      UnkeyedDecodingContainer nested = rows.nestedUnkeyedContainer();
      std::vector<std::string> row;
      while (!nested.isAtEnd()) row.push_back(nested.decode<std::string>());
      style.rows.push_back(row);
    }
    return style;
  }
};

TEST(EncoderTest, NestedContainersRoundTripWithKeysInEncodingOrder) {
  const Style style{"zeta", 1.5, {3, -1}, {{"b", true}, {"a", false}}, std::nullopt, {{"x", "ü"}, {}}};
  const std::string json = JSONEncoder().encode(style);
  EXPECT_EQ(json, R"({"name":"zeta","size":1.5,"details":{"stops":[3,-1],"flags":{"a":false,"b":true}},)"
                  R"("rows":[["x","ü"],[]]})");
  EXPECT_EQ(JSONDecoder().decode<Style>(json), style);

  Style noted = style;
  noted.note = "n";
  EXPECT_EQ(JSONDecoder().decode<Style>(JSONEncoder().encode(noted)), noted);
}

TEST(EncoderTest, PathsOfNestedEncodersAndReplacedKeys) {
  auto root = std::make_shared<coding_detail::EncodingNode>();
  Encoder encoder(root, {});
  KeyedEncodingContainer container = encoder.container();
  container.encode("b", 1);
  container.encode("a", 2);
  container.encode("b", 3);  // replaced in place
  UnkeyedEncodingContainer list = container.nestedUnkeyedContainer("list");
  list.encodeNil();
  EXPECT_EQ(list.nestedContainer().codingPath(), (CodingPath{"list", "Index 1"}));
  EXPECT_EQ(list.count(), 2u);
  Encoder super = container.superEncoder();
  EXPECT_EQ(super.codingPath(), (CodingPath{"super"}));
  EXPECT_EQ(root->toJSON().dump(), R"({"b":3,"a":2,"list":[null,{}],"super":{}})");
}

TEST(EncoderTest, ValuesJSONCannotHoldAreErrorsWithTheirPath) {
  std::map<std::string, std::vector<double>> values{{"v", {1.0, std::nan("")}}};
  try {
    JSONEncoder().encode(values);
    FAIL();
  } catch (const EncodingError& error) {
    EXPECT_EQ(error.codingPath(), (CodingPath{"v", "Index 1"}));
    EXPECT_EQ(error.debugDescription(), "Unable to encode Double.nan directly in JSON.");
  }
  EXPECT_THROW(JSONEncoder().encode(std::numeric_limits<double>::infinity()), EncodingError);
  EXPECT_THROW(JSONEncoder().encode(std::string("\xC3")), EncodingError);
  EXPECT_THROW(JSONEncoder().encode(std::string("\xED\xA0\x80")), EncodingError);  // a surrogate
}

struct Nothing {
  friend void encodeValue(Encoder&, const Nothing&) {}
};

struct Confused {
  friend void encodeValue(Encoder& encoder, const Confused&) {
    encoder.singleValueContainer().encode(1);
    encoder.container();
  }
};

TEST(EncoderTest, MisuseIsReportedNotSilentlyDropped) {
  try {
    JSONEncoder().encode(Nothing{});
    FAIL();
  } catch (const EncodingError& error) {
    EXPECT_EQ(error.debugDescription(),
              "Top-level platform::(anonymous namespace)::Nothing did not encode any values.");
  }
  EXPECT_EQ(JSONEncoder().encode(std::vector<Nothing>(1)), "[{}]");
  EXPECT_THROW(JSONEncoder().encode(Confused{}), EncodingError);
}

TEST(EncoderTest, PrettyPrintingAndFragments) {
  JSONEncoder encoder;
  encoder.outputFormatting = JSONEncoder::OutputFormatting::prettyPrinted;
  EXPECT_EQ(encoder.encode(std::map<std::string, int>{{"a", 1}}), "{\n  \"a\": 1\n}");
  EXPECT_EQ(JSONEncoder().encode(std::string("a\"b")), R"("a\"b")");
  EXPECT_EQ(JSONEncoder().encode(std::optional<int>()), "null");
  EXPECT_EQ(JSONEncoder().encode(std::uint64_t{18446744073709551615u}), "18446744073709551615");
}

}  // namespace
}  // namespace platform
