// Feeds arbitrary bytes to the channel codec's decoders and to the watch-face
// plug-in's channel. Decoding must either succeed and round-trip, or fail with
// a CodecError; every message sent to a channel must get exactly one reply
// that is itself well formed.
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "platform/foundation/MainQueue.h"
#include "platform/plugin/CodecError.h"
#include "platform/plugin/MethodChannel.h"
#include "platform/plugin/PluginHost.h"
#include "platform/plugin/StandardMessageCodec.h"
#include "platform/plugin/StandardMethodCodec.h"
#include "platform/plugin/WatchFaceLibrary.h"
#include "watch-face-plugin/OrbelunePlugin.h"

namespace {

using namespace platform::plugin;
using Bytes = std::vector<std::uint8_t>;

void check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "plugin_codec: %s\n", what);
    abort();
  }
}

// Answers every call with its own arguments, so decoded values are encoded back.
class EchoPlugin : public Plugin {
 public:
  void handle(const MethodCall& call, MethodResult result) override { result.success(call.arguments); }
};

PluginHost& host() {
  static PluginHost* instance = [] {
    // Faces the fuzzer manages to add land in a scratch folder, never in a real library.
    std::string pattern = (std::filesystem::temp_directory_path() / "plugin-codec-fuzz-XXXXXX").string();
    check(mkdtemp(pattern.data()) != nullptr, "cannot make a scratch folder");
    static std::string scratch = pattern;
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(scratch, ignored);
    });
    WatchFaceLibrary::setLibraryFolder(pattern);
    auto* made = new PluginHost;
    orbelune::OrbelunePlugin::register_(made->registrar());
    made->registrar().addMethodCallDelegate(
        std::make_shared<EchoPlugin>(), std::make_shared<MethodChannel>("echo", made->registrar().messenger()));
    return made;
  }();
  return *instance;
}

void checkValue(std::span<const std::uint8_t> bytes) {
  ChannelValue value;
  try {
    value = StandardMessageCodec::decode(bytes);
  } catch (const CodecError&) {
    return;
  }
  Bytes encoded = StandardMessageCodec::encode(value);
  check(StandardMessageCodec::decode(encoded) == value, "a value changed on its way through the codec");
}

void checkCall(std::span<const std::uint8_t> bytes) {
  MethodCall call;
  try {
    call = StandardMethodCodec::decodeMethodCall(bytes);
  } catch (const CodecError&) {
    return;
  }
  Bytes encoded = StandardMethodCodec::encodeMethodCall(call);
  check(StandardMethodCodec::decodeMethodCall(encoded) == call, "a call changed on its way through the codec");
}

void checkReply(std::span<const std::uint8_t> bytes) {
  std::optional<MethodReply> reply;
  try {
    reply = StandardMethodCodec::decodeReply(bytes);
  } catch (const CodecError&) {
    return;
  }
  Bytes encoded = StandardMethodCodec::encodeReply(*reply);
  check(StandardMethodCodec::decodeReply(encoded) == *reply, "a reply changed on its way through the codec");
}

void checkChannel(const std::string& channel, const Bytes& message) {
  auto pending = host().send(channel, message);
  platform::MainQueue::main().runUntil([&] { return pending->hasReply(); }, 10.0);
  check(pending->replyCount() == 1, "a message did not get exactly one reply");
  // Throws, and so fails the run, when the reply bytes are malformed.
  MethodReply reply = pending->reply();
  check(host().messenger().refusedReplies().empty(), "a second reply was attempted");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::span<const std::uint8_t> bytes(data, size);
  checkValue(bytes);
  checkCall(bytes);
  checkReply(bytes);
  Bytes message(bytes.begin(), bytes.end());
  checkChannel(orbelune::OrbelunePlugin::channelName, message);
  checkChannel("echo", message);
  return 0;
}
