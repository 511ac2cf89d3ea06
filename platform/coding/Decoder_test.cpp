#include "platform/coding/Decoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "platform/coding/JSONDecoder.h"

namespace platform {
namespace {

template <class T>
DecodingError errorDecoding(std::string_view json) {
  try {
    JSONDecoder().decode<T>(json);
  } catch (const DecodingError& error) {
    return error;
  }
  ADD_FAILURE() << "decoded " << json;
  return DecodingError::dataCorrupted({}, "none");
}

struct Expected {
  DecodingError::Kind kind;
  CodingPath path;
  std::string description;
};

void expectError(const DecodingError& error, const Expected& expected) {
  EXPECT_EQ(error.kind(), expected.kind) << error.detailedDescription();
  EXPECT_EQ(error.codingPath(), expected.path) << error.detailedDescription();
  EXPECT_EQ(error.debugDescription(), expected.description);
}

using Table = std::map<std::string, std::vector<std::map<std::string, std::string>>>;

TEST(DecoderTest, ErrorsCarryKindPathAndDescription) {
  using Kind = DecodingError::Kind;
  expectError(
      errorDecoding<Table>(R"({"a":[{"x":"1"},{"x":2}]})"),
      {Kind::typeMismatch, {"a", "Index 1", "x"}, "Expected to decode String but found a number instead."});
  expectError(errorDecoding<Table>(R"({"a":[{"x":null}]})"),
              {Kind::valueNotFound, {"a", "Index 0", "x"}, "Expected String value but found null instead."});
  expectError(errorDecoding<Table>(R"({"a":{"x":"1"}})"),
              {Kind::typeMismatch, {"a"}, "Expected to decode Array<Any> but found a dictionary instead."});
  expectError(
      errorDecoding<Table>(R"([])"),
      {Kind::typeMismatch, {}, "Expected to decode Dictionary<String, Any> but found an array instead."});
  expectError(errorDecoding<Table>("null"),
              {Kind::valueNotFound, {}, "Cannot get keyed decoding container -- found null value instead."});
  expectError(errorDecoding<std::vector<bool>>("[true, 1]"),
              {Kind::typeMismatch, {"Index 1"}, "Expected to decode Bool but found a number instead."});
  expectError(errorDecoding<Table>("{"), {Kind::dataCorrupted, {}, "The given data was not valid JSON."});
}

struct Pair {
  int first = 0;
  std::string second;
  friend Pair decodeValue(Decoder& decoder, std::type_identity<Pair>) {
    KeyedDecodingContainer container = decoder.container();
    return Pair{container.decode<int>("first"), container.decode<std::string>("second")};
  }
};

TEST(DecoderTest, MissingKeyIsReportedAtTheContainersPath) {
  const DecodingError error = errorDecoding<std::vector<Pair>>(R"([{"first":1,"second":"a"},{"first":2}])");
  expectError(error,
              {DecodingError::Kind::keyNotFound, {"Index 1"}, "No value associated with key \"second\"."});
  EXPECT_EQ(error.key(), "second");
}

TEST(DecoderTest, IntegersAreRangeChecked) {
  EXPECT_EQ(JSONDecoder().decode<std::int8_t>("-128"), -128);
  EXPECT_EQ(JSONDecoder().decode<std::uint64_t>("18446744073709551615"), UINT64_MAX);
  EXPECT_EQ(JSONDecoder().decode<std::int64_t>("-9223372036854775808"), INT64_MIN);
  EXPECT_EQ(JSONDecoder().decode<int>("3.0"), 3);
  EXPECT_EQ(JSONDecoder().decode<std::vector<std::uint8_t>>("[0, 255]"), (std::vector<std::uint8_t>{0, 255}));

  const struct {
    std::function<DecodingError()> decode;
    std::string description;
  } cases[] = {
      {[] { return errorDecoding<std::int8_t>("128"); }, "Parsed JSON number <128> does not fit in Int8."},
      {[] { return errorDecoding<std::uint8_t>("-1"); }, "Parsed JSON number <-1> does not fit in UInt8."},
      {[] { return errorDecoding<std::int64_t>("9223372036854775808"); },
       "Parsed JSON number <9223372036854775808> does not fit in Int."},
      {[] { return errorDecoding<int>("1.5"); }, "Parsed JSON number <1.5> does not fit in Int32."},
      {[] { return errorDecoding<int>("1e300"); }, "Parsed JSON number <1e+300> does not fit in Int32."},
      {[] { return errorDecoding<std::uint64_t>("18446744073709551616"); },
       "Parsed JSON number <1.8446744073709552e+19> does not fit in UInt."},
      {[] { return errorDecoding<float>("1e39"); }, "Parsed JSON number <1e+39> does not fit in Float."},
  };
  for (const auto& c : cases) {
    const DecodingError error = c.decode();
    EXPECT_EQ(error.kind(), DecodingError::Kind::dataCorrupted);
    EXPECT_EQ(error.debugDescription(), c.description);
  }
  EXPECT_EQ(errorDecoding<int>("\"1\"").kind(), DecodingError::Kind::typeMismatch);
}

TEST(DecoderTest, OptionalsTreatNullAndMissingAsAbsent) {
  const std::string json = R"({"null":null,"text":"a","number":1})";
  auto root = std::make_shared<const nlohmann::ordered_json>(JSONDecoder::parse(json));
  KeyedDecodingContainer container = Decoder(root, root.get(), {}).container();
  EXPECT_EQ(container.decodeIfPresent<std::string>("missing"), std::nullopt);
  EXPECT_EQ(container.decodeIfPresent<std::string>("null"), std::nullopt);
  EXPECT_EQ(container.decodeIfPresent<std::string>("text"), "a");
  EXPECT_THROW(container.decodeIfPresent<std::string>("number"), DecodingError);
  EXPECT_TRUE(container.decodeNil("null"));
  EXPECT_THROW(container.decodeNil("missing"), DecodingError);
  EXPECT_EQ(container.allKeys(), (std::vector<std::string>{"null", "text", "number"}));
  EXPECT_EQ(JSONDecoder().decode<std::vector<std::optional<int>>>("[1,null]"),
            (std::vector<std::optional<int>>{1, std::nullopt}));
}

TEST(DecoderTest, UnkeyedContainerReportsItsEndAndDoesNotAdvanceOnFailure) {
  auto root = std::make_shared<const nlohmann::ordered_json>(JSONDecoder::parse(R"([null,"a",{"k":[1]}])"));
  UnkeyedDecodingContainer array = Decoder(root, root.get(), {"top"}).unkeyedContainer();
  EXPECT_EQ(array.count(), 3u);
  EXPECT_TRUE(array.decodeNil());
  EXPECT_THROW(array.decode<int>(), DecodingError);
  EXPECT_EQ(array.currentIndex(), 1u);
  EXPECT_EQ(array.decode<std::string>(), "a");
  KeyedDecodingContainer nested = array.nestedContainer();
  EXPECT_EQ(nested.codingPath(), (CodingPath{"top", "Index 2"}));
  UnkeyedDecodingContainer inner = nested.nestedUnkeyedContainer("k");
  EXPECT_EQ(inner.decode<int>(), 1);
  try {
    inner.decode<int>();
    FAIL();
  } catch (const DecodingError& error) {
    expectError(error, {DecodingError::Kind::valueNotFound,
                        {"top", "Index 2", "k", "Index 1"},
                        "Unkeyed container is at end."});
    EXPECT_EQ(error.type(), "Int32");
  }
  EXPECT_TRUE(array.isAtEnd());
  EXPECT_EQ(array.decodeIfPresent<int>(), std::nullopt);
}

TEST(DecoderTest, SuperDecoderOfMissingKeyDecodesNull) {
  auto root = std::make_shared<const nlohmann::ordered_json>(JSONDecoder::parse(R"({"a":1})"));
  KeyedDecodingContainer container = Decoder(root, root.get(), {}).container();
  Decoder missing = container.superDecoder("b");
  EXPECT_TRUE(missing.singleValueContainer().decodeNil());
  EXPECT_EQ(missing.codingPath(), (CodingPath{"b"}));
  EXPECT_EQ(container.superDecoder("a").singleValueContainer().decode<int>(), 1);
  EXPECT_EQ(container.dataCorruptedError("a", "bad").codingPath(), (CodingPath{"a"}));
}

}  // namespace
}  // namespace platform
