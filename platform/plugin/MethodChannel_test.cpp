#include "platform/plugin/MethodChannel.h"

#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <thread>

#include "platform/plugin/PluginHost.h"
#include "platform/plugin/StandardMethodCodec.h"

namespace platform::plugin {
namespace {

// A plug-in that records its calls and answers with whatever the test scripts.
class ScriptedPlugin : public Plugin {
 public:
  std::function<void(const MethodCall&, MethodResult)> answer;
  std::vector<MethodCall> calls;

  void handle(const MethodCall& call, MethodResult result) override {
    calls.push_back(call);
    if (answer) answer(call, std::move(result));
  }
};

class MethodChannelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plugin = std::make_shared<ScriptedPlugin>();
    auto channel = std::make_shared<MethodChannel>("test/channel", host.registrar().messenger());
    host.registrar().addMethodCallDelegate(plugin, channel);
  }

  PluginHost host;
  std::shared_ptr<ScriptedPlugin> plugin;
};

TEST_F(MethodChannelTest, DeliversDecodedCallsAndSendsEncodedReplies) {
  plugin->answer = [](const MethodCall& call, MethodResult result) {
    if (call.method == "echo") result.success(call.arguments);
    if (call.method == "fail") result.error("E1", "went wrong", std::int32_t{7});
    if (call.method == "other") result.notImplemented();
  };
  ChannelValue arguments = ChannelValue::Map{{"k", ChannelValue::List{1.5, "v"}}};
  auto echo = host.invokeMethod("test/channel", {"echo", arguments});
  auto fail = host.invokeMethod("test/channel", {"fail", {}});
  auto other = host.invokeMethod("test/channel", {"other", {}});

  ASSERT_EQ(plugin->calls.size(), 3u);
  EXPECT_EQ(plugin->calls[0], (MethodCall{"echo", arguments}));
  EXPECT_EQ(echo->reply(), MethodReply::success(arguments));
  EXPECT_EQ(fail->reply(), MethodReply::failure("E1", "went wrong", std::int32_t{7}));
  EXPECT_EQ(other->bytes(), std::vector<std::uint8_t>{});
  EXPECT_TRUE(other->reply().isNotImplemented());
}

TEST_F(MethodChannelTest, SendsTheFirstReplyAndRefusesAndReportsAnyLaterOne) {
  plugin->answer = [](const MethodCall&, MethodResult result) {
    result.success(true);
    MethodResult copy = result;
    copy.error("500", "late");
    result.notImplemented();
  };
  auto pending = host.invokeMethod("test/channel", {"twice", {}});
  EXPECT_EQ(pending->replyCount(), 1u);
  EXPECT_EQ(pending->reply(), MethodReply::success(true));
  auto refused = host.messenger().refusedReplies();
  ASSERT_EQ(refused.size(), 2u);
  EXPECT_EQ(refused[0], "Channel \"test/channel\": Refused a second reply to \"twice\" (error 500 \"late\"): "
                        "a method call is answered once.");
}

TEST_F(MethodChannelTest, AnswersBytesThatAreNoCallWithAnErrorAndNeverReachesThePlugin) {
  auto pending = host.send("test/channel", {7, 9, 'x'});
  ASSERT_EQ(pending->replyCount(), 1u);
  auto reply = pending->reply();
  ASSERT_TRUE(reply.isFailure());
  EXPECT_EQ(reply.error()->code, MethodChannel::invalidCallCode);
  EXPECT_EQ(reply.error()->message, "Message truncated at byte 2: the content needs 9 bytes, 1 left.");
  EXPECT_TRUE(plugin->calls.empty());
}

TEST_F(MethodChannelTest, TurnsAHandlerExceptionIntoAnErrorReplyOnlyWhenNothingWasSent) {
  plugin->answer = [](const MethodCall& call, MethodResult result) {
    if (call.method == "after") result.success("done");
    throw std::runtime_error("boom");
  };
  auto before = host.invokeMethod("test/channel", {"before", {}});
  auto after = host.invokeMethod("test/channel", {"after", {}});
  EXPECT_EQ(before->reply(), MethodReply::failure(MethodChannel::handlerFailedCode, "boom"));
  EXPECT_EQ(after->reply(), MethodReply::success("done"));
  EXPECT_EQ(after->replyCount(), 1u);
  EXPECT_TRUE(host.messenger().refusedReplies().empty());
}

TEST_F(MethodChannelTest, AReplyMayComeLaterFromAnotherThread) {
  std::optional<MethodResult> kept;
  plugin->answer = [&kept](const MethodCall&, MethodResult result) { kept = result; };
  auto pending = host.invokeMethod("test/channel", {"slow", {}});
  EXPECT_EQ(pending->replyCount(), 0u);
  std::thread worker([&kept] {
    kept->success(std::int64_t{42});
    kept->success(std::int64_t{43});
  });
  worker.join();
  EXPECT_EQ(pending->replyCount(), 1u);
  EXPECT_EQ(pending->reply(), MethodReply::success(std::int64_t{42}));
  EXPECT_NE(pending->replyThread(), std::this_thread::get_id());
  EXPECT_EQ(host.messenger().refusedReplies().size(), 1u);
}

TEST_F(MethodChannelTest, ChannelsAreFoundByTheirExactName) {
  plugin->answer = [](const MethodCall&, MethodResult result) { result.success(); };
  EXPECT_TRUE(host.invokeMethod("Test/Channel", {"m", {}})->reply().isNotImplemented());
  EXPECT_TRUE(host.invokeMethod("test/channel", {"m", {}})->reply().isSuccess());
  host.registrar().delegations().front().channel->setMethodCallHandler(nullptr);
  EXPECT_TRUE(host.invokeMethod("test/channel", {"m", {}})->reply().isNotImplemented());
  EXPECT_EQ(plugin->calls.size(), 1u);
}

}  // namespace
}  // namespace platform::plugin
