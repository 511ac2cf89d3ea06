#include "watch-face-plugin/OrbelunePlugin.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/foundation/MainQueue.h"
#include "platform/plugin/PluginHost.h"
#include "platform/plugin/WatchFaceLibrary.h"

namespace orbelune {
namespace {

namespace fs = std::filesystem;
using platform::MainQueue;
using platform::plugin::ChannelValue;
using platform::plugin::MethodCall;
using platform::plugin::MethodReply;
using platform::plugin::PendingReply;
using platform::plugin::PluginHost;
using platform::plugin::WatchFaceLibrary;

const std::string zipStart = std::string("PK\x03\x04", 4);

class OrbelunePluginTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "orbelune-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root = pattern;
    library = root / "library";
    WatchFaceLibrary::setLibraryFolder(library);
    OrbelunePlugin::register_(host.registrar());
  }
  void TearDown() override { fs::remove_all(root); }

  fs::path writeFace(const std::string& name, const std::string& content) {
    fs::path path = root / (name + ".watchface");
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  std::shared_ptr<PendingReply> call(const std::string& method, ChannelValue arguments) {
    return host.invokeMethod("Orbelune", MethodCall{method, std::move(arguments)});
  }

  static ChannelValue urlArguments(ChannelValue url) { return ChannelValue::Map{{"url", std::move(url)}}; }

  // Runs the main queue until the reply has come, as the host's main loop would.
  static MethodReply awaitReply(const PendingReply& pending) {
    EXPECT_TRUE(MainQueue::main().runUntil([&] { return pending.hasReply(); }, 10.0));
    EXPECT_EQ(pending.replyCount(), 1u);
    EXPECT_EQ(pending.replyThread(), std::this_thread::get_id());
    return pending.reply();
  }

  static MethodReply decorated(const std::string& description) {
    return MethodReply::failure("500", "*** An error occurred: " + description + " ***");
  }

  PluginHost host;
  fs::path root;
  fs::path library;
};

TEST_F(OrbelunePluginTest, AddsTheFaceAndRepliesTrueOnceFromTheMainQueueAfterTheLibrary) {
  writeFace("face", zipStart + "content");
  auto pending = call("addWatchFace", urlArguments((root / "face").string()));
  // Nothing is said before the library has answered.
  EXPECT_EQ(pending->replyCount(), 0u);
  EXPECT_EQ(awaitReply(*pending), MethodReply::success(true));
  EXPECT_TRUE(fs::exists(library / "face.watchface"));
  EXPECT_TRUE(host.messenger().refusedReplies().empty());
}

TEST_F(OrbelunePluginTest, RepliesOnlyTheDecoratedErrorWhenTheLibraryFails) {
  writeFace("notzip", "plain text");
  struct Row {
    ChannelValue url;
    std::string description;
  };
  const std::vector<Row> rows = {
      {(root / "missing").string(),
       "The watch face file \"" + (root / "missing.watchface").string() + "\" does not exist."},
      {(root / "notzip").string(),
       "The file \"" + (root / "notzip.watchface").string() + "\" is not a watch face: it is not a ZIP archive."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.url.description());
    auto pending = call("addWatchFace", urlArguments(row.url));
    EXPECT_EQ(awaitReply(*pending), decorated(row.description));
  }
  EXPECT_TRUE(host.messenger().refusedReplies().empty());
  EXPECT_FALSE(fs::exists(library));
}

TEST_F(OrbelunePluginTest, AUrlThatIsNotTextOffersTheFileNamedOnlyByTheExtension) {
  fs::path offered = fs::current_path() / ".watchface";
  if (fs::exists(offered)) GTEST_SKIP() << offered << " exists";
  const std::string description = "The watch face file \"" + offered.string() + "\" does not exist.";
  for (const ChannelValue& url : {ChannelValue(std::int32_t{42}), ChannelValue(), ChannelValue(true)}) {
    SCOPED_TRACE(url.description());
    EXPECT_EQ(awaitReply(*call("addWatchFace", urlArguments(url))), decorated(description));
  }
}

TEST_F(OrbelunePluginTest, RefusesMissingOrMalformedArgumentsAtOnceWithoutTheLibrary) {
  writeFace("face", zipStart);
  const std::string face = (root / "face").string();
  const std::vector<ChannelValue> rows = {
      ChannelValue(),
      ChannelValue(face),
      ChannelValue(ChannelValue::List{face}),
      ChannelValue(ChannelValue::Map{}),
      ChannelValue(ChannelValue::Map{{"URL", face}, {"path", face}}),
      ChannelValue(ChannelValue::Map{{"url", face}, {std::int32_t{1}, "x"}}),
      ChannelValue(ChannelValue::Map{{"url", face}, {ChannelValue(), "x"}}),
  };
  std::vector<std::shared_ptr<PendingReply>> replies;
  for (const auto& arguments : rows) {
    SCOPED_TRACE(arguments.description());
    auto pending = call("addWatchFace", arguments);
    ASSERT_EQ(pending->replyCount(), 1u);
    EXPECT_EQ(pending->reply(), MethodReply::failure("500", "url cant be null"));
    replies.push_back(pending);
  }
  // Had the library been called, it would have answered by now.
  MainQueue::main().runUntil([] { return false; }, 0.3);
  for (const auto& pending : replies) EXPECT_EQ(pending->replyCount(), 1u);
  EXPECT_FALSE(fs::exists(library));
  EXPECT_TRUE(host.messenger().refusedReplies().empty());
}

TEST_F(OrbelunePluginTest, AnyOtherMethodIsNotImplemented) {
  writeFace("face", zipStart);
  for (const char* method : {"AddWatchFace", "addwatchface", "addWatchFace ", "", "removeWatchFace"}) {
    SCOPED_TRACE(method);
    auto pending = call(method, urlArguments((root / "face").string()));
    ASSERT_EQ(pending->replyCount(), 1u);
    EXPECT_EQ(pending->bytes(), std::vector<std::uint8_t>{});
    EXPECT_TRUE(pending->reply().isNotImplemented());
  }
  MainQueue::main().runUntil([] { return false; }, 0.2);
  EXPECT_FALSE(fs::exists(library));
}

TEST_F(OrbelunePluginTest, ListensOnlyOnItsOwnChannelAndAnswersBytesThatAreNoCall) {
  EXPECT_TRUE(host.invokeMethod("orbelune", {"addWatchFace", {}})->reply().isNotImplemented());
  auto garbage = host.send("Orbelune", {13, 200});
  ASSERT_EQ(garbage->replyCount(), 1u);
  EXPECT_EQ(garbage->reply().error()->code, "invalid_call");
}

TEST_F(OrbelunePluginTest, EachRegistrationHasItsOwnChannelAndPlugin) {
  OrbelunePlugin::register_(host.registrar());
  PluginHost other;
  OrbelunePlugin::register_(other.registrar());

  const auto& delegations = host.registrar().delegations();
  ASSERT_EQ(delegations.size(), 2u);
  EXPECT_NE(delegations[0].channel, delegations[1].channel);
  EXPECT_NE(delegations[0].delegate, delegations[1].delegate);
  for (const auto& delegation : delegations) {
    EXPECT_EQ(delegation.channel->name(), "Orbelune");
    EXPECT_EQ(delegation.channel->messenger(), host.registrar().messenger());
    EXPECT_NE(dynamic_cast<OrbelunePlugin*>(delegation.delegate.get()), nullptr);
  }
  ASSERT_EQ(other.registrar().delegations().size(), 1u);
  EXPECT_NE(other.registrar().delegations()[0].delegate, delegations[0].delegate);

  EXPECT_EQ(host.invokeMethod("Orbelune", {"addWatchFace", {}})->reply(),
            MethodReply::failure("500", "url cant be null"));
  EXPECT_EQ(other.invokeMethod("Orbelune", {"addWatchFace", {}})->reply(),
            MethodReply::failure("500", "url cant be null"));
}

}  // namespace
}  // namespace orbelune
