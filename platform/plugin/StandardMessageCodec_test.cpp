#include "platform/plugin/StandardMessageCodec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "platform/plugin/CodecError.h"
#include "platform/plugin/StandardMethodCodec.h"

namespace platform::plugin {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::initializer_list<int> values) {
  Bytes bytes;
  for (int value : values) bytes.push_back(static_cast<std::uint8_t>(value));
  return bytes;
}

ChannelValue nestedLists(std::size_t depth) {
  ChannelValue value = ChannelValue::List{};
  for (std::size_t i = 1; i < depth; ++i) value = ChannelValue::List{value};
  return value;
}

TEST(StandardMessageCodec, RoundTripsEveryKindOfValue) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<ChannelValue> values = {
      ChannelValue(),
      ChannelValue(true),
      ChannelValue(false),
      ChannelValue(std::int32_t{0}),
      ChannelValue(std::numeric_limits<std::int32_t>::min()),
      ChannelValue(std::numeric_limits<std::int32_t>::max()),
      ChannelValue(std::int64_t{1}),
      ChannelValue(std::numeric_limits<std::int64_t>::min()),
      ChannelValue(3.25),
      ChannelValue(-0.0),
      ChannelValue(nan),
      ChannelValue(std::numeric_limits<double>::infinity()),
      ChannelValue(""),
      ChannelValue("/tmp/face"),
      ChannelValue("\xF0\x9F\x90\xBB\xE2\x80\x8D\xE2\x9D\x84\xEF\xB8\x8F caf\xC3\xA9"),
      ChannelValue(std::string(253, 'a')),
      ChannelValue(std::string(254, 'b')),
      ChannelValue(std::string(70000, 'c')),
      ChannelValue(ChannelValue::Bytes{0, 1, 255}),
      ChannelValue(ChannelValue::Int32List{-1, 0, 7}),
      ChannelValue(ChannelValue::Int64List{std::numeric_limits<std::int64_t>::max(), -2}),
      ChannelValue(ChannelValue::Float32List{1.5f, -0.25f}),
      ChannelValue(ChannelValue::Float64List{2.5, nan}),
      ChannelValue(ChannelValue::List{}),
      ChannelValue(ChannelValue::Map{}),
      ChannelValue(ChannelValue::List{"x", 1.0, ChannelValue::Float64List{4.0}, ChannelValue::Int32List{9}, 2.0}),
      ChannelValue(ChannelValue::Map{{"url", "/tmp/face"},
                                     {std::int32_t{1}, ChannelValue::List{true, ChannelValue()}},
                                     {ChannelValue(), "null key"},
                                     {ChannelValue::List{"list", "key"}, ChannelValue::Map{{2.5, false}}},
                                     {nan, "nan key"}}),
      nestedLists(StandardMessageCodec::maxNestingDepth),
  };
  for (const auto& value : values) {
    SCOPED_TRACE(value.description().substr(0, 80));
    Bytes encoded = StandardMessageCodec::encode(value);
    ChannelValue decoded = StandardMessageCodec::decode(encoded);
    EXPECT_EQ(decoded, value);
    EXPECT_EQ(decoded.kind(), value.kind());
    EXPECT_EQ(StandardMessageCodec::encode(decoded), encoded);
  }
}

TEST(StandardMessageCodec, WritesTheDocumentedWireForm) {
  struct Row {
    ChannelValue value;
    Bytes bytes;
  };
  const std::vector<Row> rows = {
      {ChannelValue(), bytesOf({0})},
      {ChannelValue(true), bytesOf({1})},
      {ChannelValue(false), bytesOf({2})},
      {ChannelValue(std::int32_t{-2}), bytesOf({3, 0xFE, 0xFF, 0xFF, 0xFF})},
      {ChannelValue(std::int64_t{0x0102030405060708}), bytesOf({4, 8, 7, 6, 5, 4, 3, 2, 1})},
      {ChannelValue(1.0), bytesOf({6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F})},
      {ChannelValue("hi"), bytesOf({7, 2, 'h', 'i'})},
      {ChannelValue(ChannelValue::Bytes{9, 8}), bytesOf({8, 2, 9, 8})},
      {ChannelValue(ChannelValue::Int32List{1}), bytesOf({9, 1, 0, 0, 1, 0, 0, 0})},
      {ChannelValue(ChannelValue::Int64List{1}), bytesOf({10, 1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0})},
      {ChannelValue(ChannelValue::Float64List{1.0}),
       bytesOf({11, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F})},
      {ChannelValue(ChannelValue::List{true, ChannelValue()}), bytesOf({12, 2, 1, 0})},
      {ChannelValue(ChannelValue::Map{{"a", true}}), bytesOf({13, 1, 7, 1, 'a', 1})},
      {ChannelValue(ChannelValue::Float32List{1.0f}), bytesOf({14, 1, 0, 0, 0, 0, 0x80, 0x3F})},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.value.description());
    EXPECT_EQ(StandardMessageCodec::encode(row.value), row.bytes);
  }
}

TEST(StandardMessageCodec, WritesLongSizesInTheThreeAndFiveByteForms) {
  Bytes medium = StandardMessageCodec::encode(ChannelValue(std::string(300, 'x')));
  EXPECT_EQ(Bytes(medium.begin(), medium.begin() + 4), bytesOf({7, 254, 0x2C, 0x01}));
  EXPECT_EQ(medium.size(), 4u + 300u);
  Bytes large = StandardMessageCodec::encode(ChannelValue(std::string(70000, 'x')));
  EXPECT_EQ(Bytes(large.begin(), large.begin() + 6), bytesOf({7, 255, 0x70, 0x11, 0x01, 0x00}));
  // Sizes written in a longer form than needed are still read.
  EXPECT_EQ(StandardMessageCodec::decode(bytesOf({7, 254, 2, 0, 'o', 'k'})), ChannelValue("ok"));
}

TEST(StandardMessageCodec, AlignsFloatsFromTheStartOfTheMessage) {
  // The double's type byte lands at offset 5, so two padding bytes bring its
  // payload to offset 8.
  Bytes encoded = StandardMessageCodec::encode(ChannelValue(ChannelValue::List{"x", 2.0}));
  EXPECT_EQ(encoded, bytesOf({12, 2, 7, 1, 'x', 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x40}));
}

TEST(StandardMessageCodec, RejectsMalformedInputWithAClearError) {
  struct Row {
    const char* name;
    Bytes bytes;
    const char* message;
  };
  Bytes tooDeep = StandardMessageCodec::encode(nestedLists(StandardMessageCodec::maxNestingDepth));
  tooDeep.insert(tooDeep.begin(), {12, 1});
  const std::vector<Row> rows = {
      {"empty", {}, "truncated at byte 0"},
      {"unknown type 5", bytesOf({5}), "Unknown value type 5 at byte 0"},
      {"unknown type 15", bytesOf({12, 1, 15}), "Unknown value type 15 at byte 2"},
      {"unknown type 255", bytesOf({255}), "Unknown value type 255"},
      {"short int32", bytesOf({3, 1, 2}), "truncated at byte 1"},
      {"short int64", bytesOf({4, 1, 2, 3, 4, 5, 6, 7}), "truncated"},
      {"short double padding", bytesOf({6, 0, 0}), "truncated"},
      {"short double", bytesOf({6, 0, 0, 0, 0, 0, 0, 0, 1}), "truncated"},
      {"text beyond the end", bytesOf({7, 5, 'a'}), "needs 5 bytes, 1 left"},
      {"short size", bytesOf({7, 254, 1}), "truncated"},
      {"huge text size", bytesOf({7, 255, 0xFF, 0xFF, 0xFF, 0xFF}), "needs 4294967295 bytes"},
      {"huge list count", bytesOf({12, 255, 0xFF, 0xFF, 0xFF, 0xFF, 0}), "cannot fit"},
      {"list runs out", bytesOf({12, 3, 0, 0}), "truncated"},
      {"map count beyond the end", bytesOf({13, 2, 0, 0, 0}), "cannot fit"},
      {"map without a value", bytesOf({13, 1, 0}), "truncated"},
      {"huge typed list", bytesOf({11, 255, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0}), "truncated"},
      {"typed list beyond the end", bytesOf({9, 3, 0, 0, 1, 0, 0, 0}), "needs 12 bytes"},
      {"bad UTF-8", bytesOf({7, 2, 0xC3, 0x28}), "not valid UTF-8"},
      {"overlong UTF-8", bytesOf({7, 2, 0xC0, 0x80}), "not valid UTF-8"},
      {"surrogate in UTF-8", bytesOf({7, 3, 0xED, 0xA0, 0x80}), "not valid UTF-8"},
      {"repeated map key", bytesOf({13, 2, 7, 1, 'k', 1, 7, 1, 'k', 2}), "repeats the key at byte 6"},
      {"trailing bytes", bytesOf({1, 0}), "1 unexpected bytes after the value at byte 1"},
      {"nested too deep", tooDeep, "nested deeper than 64 levels"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    try {
      StandardMessageCodec::decode(row.bytes);
      ADD_FAILURE() << "accepted";
    } catch (const CodecError& error) {
      EXPECT_NE(std::string(error.what()).find(row.message), std::string::npos) << error.what();
    }
  }
}

// A type byte, then `count` in the five-byte size form, then `count` zero
// bytes: nulls in a list, or the bytes of a byte list.
Bytes withFiveByteCount(std::uint8_t type, std::size_t count) {
  Bytes bytes = {type, 255};
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(count >> shift));
  bytes.resize(bytes.size() + count, 0);
  return bytes;
}

TEST(StandardMessageCodec, RefusesMessagesOverTheSizeLimitBeforeReadingThem) {
  // A call whose arguments are 64 million nulls once took gigabytes before it
  // was refused for what it lacked.
  Bytes call = bytesOf({7, 3, 'a', 'd', 'd'});
  const Bytes nulls = withFiveByteCount(12, std::size_t{64} << 20);
  call.insert(call.end(), nulls.begin(), nulls.end());
  const auto refusedForSize = [](const auto& decode) {
    try {
      decode();
    } catch (const CodecError& error) {
      return std::string(error.what()).find("longer than the limit of 16777216 bytes") != std::string::npos;
    }
    return false;
  };
  EXPECT_TRUE(refusedForSize([&] { StandardMethodCodec::decodeMethodCall(call); }));
  EXPECT_TRUE(refusedForSize([&] { StandardMessageCodec::decode(nulls); }));
  call[0] = StandardMethodCodec::successEnvelope;
  EXPECT_TRUE(refusedForSize([&] { StandardMethodCodec::decodeReply(call); }));

  // The limit itself is allowed.
  Bytes largest = withFiveByteCount(8, StandardMessageCodec::maxMessageSize - 6);
  ASSERT_EQ(largest.size(), StandardMessageCodec::maxMessageSize);
  EXPECT_EQ(StandardMessageCodec::decode(largest).getIf<ChannelValue::Bytes>()->size(), largest.size() - 6);
  largest.push_back(0);
  EXPECT_TRUE(refusedForSize([&] { StandardMessageCodec::decode(largest); }));
}

TEST(StandardMessageCodec, RefusesMoreValuesThanTheLimit) {
  // The list itself is one value.
  const Bytes most = withFiveByteCount(12, StandardMessageCodec::maxValueCount - 1);
  EXPECT_EQ(StandardMessageCodec::decode(most).getIf<ChannelValue::List>()->size(),
            StandardMessageCodec::maxValueCount - 1);
  try {
    StandardMessageCodec::decode(withFiveByteCount(12, StandardMessageCodec::maxValueCount));
    ADD_FAILURE() << "not refused";
  } catch (const CodecError& error) {
    EXPECT_NE(std::string(error.what()).find("more than 262144 values"), std::string::npos) << error.what();
  }
}

TEST(StandardMessageCodec, RefusesToWriteWhatItWouldNotRead) {
  EXPECT_THROW(StandardMessageCodec::encode(nestedLists(StandardMessageCodec::maxNestingDepth + 1)), CodecError);
  ChannelValue deepMap = ChannelValue::Map{{"k", nestedLists(StandardMessageCodec::maxNestingDepth)}};
  EXPECT_THROW(StandardMessageCodec::encode(deepMap), CodecError);
}

TEST(ChannelValue, OrdersTotallySoAnyValueCanBeAKey) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_NE(ChannelValue(std::int32_t{1}), ChannelValue(std::int64_t{1}));
  EXPECT_NE(ChannelValue(1.0), ChannelValue(std::int32_t{1}));
  EXPECT_EQ(ChannelValue(nan), ChannelValue(nan));
  EXPECT_NE(ChannelValue(0.0), ChannelValue(-0.0));
  EXPECT_LT(ChannelValue(-1.0), ChannelValue(-0.0));
  EXPECT_LT(ChannelValue(-0.0), ChannelValue(0.0));
  EXPECT_LT(ChannelValue(ChannelValue::List{1}), ChannelValue(ChannelValue::List{1, 0}));

  ChannelValue::Map map{{nan, "nan"}, {ChannelValue::List{"a"}, "list"}, {"a", "text"}};
  EXPECT_EQ(map.at(nan), ChannelValue("nan"));
  EXPECT_EQ(map.at(ChannelValue::List{"a"}), ChannelValue("list"));
  EXPECT_EQ(map.size(), 3u);
}

}  // namespace
}  // namespace platform::plugin
