#include "platform/plugin/StandardMethodCodec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/plugin/CodecError.h"

namespace platform::plugin {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::initializer_list<int> values) {
  Bytes bytes;
  for (int value : values) bytes.push_back(static_cast<std::uint8_t>(value));
  return bytes;
}

TEST(StandardMethodCodec, EncodesACallAsTheNameThenTheArguments) {
  MethodCall call{"go", ChannelValue::Map{{"url", "/f"}}};
  Bytes encoded = StandardMethodCodec::encodeMethodCall(call);
  EXPECT_EQ(encoded, bytesOf({7, 2, 'g', 'o', 13, 1, 7, 3, 'u', 'r', 'l', 7, 2, '/', 'f'}));
  EXPECT_EQ(StandardMethodCodec::decodeMethodCall(encoded), call);
  // Alignment counts from the start of the call, not of the arguments.
  MethodCall withDouble{"m", 0.5};
  EXPECT_EQ(StandardMethodCodec::decodeMethodCall(StandardMethodCodec::encodeMethodCall(withDouble)), withDouble);
  EXPECT_EQ(StandardMethodCodec::encodeMethodCall(withDouble).size(), 16u);
}

TEST(StandardMethodCodec, RoundTripsEveryKindOfReply) {
  const std::vector<std::pair<MethodReply, Bytes>> rows = {
      {MethodReply::success(true), bytesOf({0, 1})},
      {MethodReply::success(), bytesOf({0, 0})},
      {MethodReply::failure("500", "no"), bytesOf({1, 7, 3, '5', '0', '0', 7, 2, 'n', 'o', 0})},
      {MethodReply::failure("500"), bytesOf({1, 7, 3, '5', '0', '0', 0, 0})},
      {MethodReply::failure("e", "m", ChannelValue::List{std::int32_t{1}}),
       bytesOf({1, 7, 1, 'e', 7, 1, 'm', 12, 1, 3, 1, 0, 0, 0})},
      {MethodReply::notImplemented(), Bytes{}},
  };
  for (const auto& [reply, bytes] : rows) {
    SCOPED_TRACE(reply.description());
    EXPECT_EQ(StandardMethodCodec::encodeReply(reply), bytes);
    EXPECT_EQ(StandardMethodCodec::decodeReply(bytes), reply);
  }
}

TEST(StandardMethodCodec, RejectsMalformedCallsAndReplies) {
  struct Row {
    const char* name;
    Bytes bytes;
    bool isCall;
    const char* message;
  };
  const std::vector<Row> rows = {
      {"empty call", {}, true, "truncated at byte 0"},
      {"name not text", bytesOf({3, 1, 0, 0, 0, 0}), true, "method name at byte 0 must be text"},
      {"no arguments", bytesOf({7, 1, 'm'}), true, "has no arguments value"},
      {"trailing byte", bytesOf({7, 1, 'm', 0, 0}), true, "1 unexpected bytes after the method call"},
      {"bad arguments", bytesOf({7, 1, 'm', 12, 9}), true, "cannot fit"},
      {"bad name", bytesOf({7, 1, 0xFF, 0}), true, "not valid UTF-8"},
      {"unknown envelope", bytesOf({2, 0}), false, "Unknown reply envelope 2"},
      {"success without value", bytesOf({0}), false, "truncated"},
      {"success with trailing", bytesOf({0, 1, 1}), false, "unexpected bytes after the reply"},
      {"code not text", bytesOf({1, 0, 0, 0}), false, "error code at byte 1 must be text"},
      {"message not text", bytesOf({1, 7, 1, 'e', 1, 0}), false, "error message at byte 4 must be text or null"},
      {"no details", bytesOf({1, 7, 1, 'e', 0}), false, "truncated"},
      {"error with trailing", bytesOf({1, 7, 1, 'e', 0, 0, 0}), false, "unexpected bytes after the error reply"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    try {
      if (row.isCall) {
        StandardMethodCodec::decodeMethodCall(row.bytes);
      } else {
        StandardMethodCodec::decodeReply(row.bytes);
      }
      ADD_FAILURE() << "accepted";
    } catch (const CodecError& error) {
      EXPECT_NE(std::string(error.what()).find(row.message), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace platform::plugin
