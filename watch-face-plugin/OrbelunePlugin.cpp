#include "watch-face-plugin/OrbelunePlugin.h"

#include <memory>
#include <optional>

#include "platform/foundation/MainQueue.h"
#include "platform/foundation/URL.h"
#include "platform/plugin/ChannelValue.h"
#include "platform/plugin/MethodChannel.h"
#include "platform/plugin/WatchFaceLibrary.h"

namespace orbelune {

using platform::plugin::ChannelValue;
using platform::plugin::MethodCall;
using platform::plugin::MethodResult;
using platform::plugin::WatchFaceLibrary;
using platform::plugin::WatchFaceLibraryError;

namespace {

// The arguments as a map whose keys are all text; absent otherwise.
const ChannelValue::Map* textKeyedMap(const ChannelValue& arguments) {
  const auto* map = arguments.getIf<ChannelValue::Map>();
  if (!map) return nullptr;
  for (const auto& entry : *map) {
    if (!entry.first.getIf<std::string>()) return nullptr;
  }
  return map;
}

}  // namespace

void OrbelunePlugin::register_(platform::plugin::PluginRegistrar& registrar) {
  auto channel = std::make_shared<platform::plugin::MethodChannel>(channelName, registrar.messenger());
  registrar.addMethodCallDelegate(std::make_shared<OrbelunePlugin>(), std::move(channel));
}

void OrbelunePlugin::handle(const MethodCall& call, MethodResult result) {
  if (call.method != addWatchFaceMethod) {
    result.notImplemented();
    return;
  }
  const auto* arguments = textKeyedMap(call.arguments);
  if (!arguments) {
    handlePluginError(result, missingUrlMessage);
    return;
  }
  auto url = arguments->find(ChannelValue("url"));
  if (url == arguments->end()) {
    handlePluginError(result, missingUrlMessage);
    return;
  }
  // A "url" that is not text names the file ".watchface", which the library then refuses.
  const auto* text = url->second.getIf<std::string>();
  handleAddWatchFace(std::move(result), text ? *text : std::string());
}

void OrbelunePlugin::handleAddWatchFace(MethodResult result, const std::string& fileName) {
  platform::URL url = platform::URL::fileURL(fileName + ".watchface");
  // The pending completion keeps the library alive until it has answered.
  auto library = std::make_shared<WatchFaceLibrary>();
  library->addWatchFace(url, [result, library](std::optional<WatchFaceLibraryError> error) {
    // The library answers on its own thread; the host takes replies on the main one.
    platform::MainQueue::main().async([result, error = std::move(error)] {
      if (error) {
        handlePluginError(result, "*** An error occurred: " + error->localizedDescription() + " ***");
      } else {
        result.success(true);
      }
    });
  });
}

void OrbelunePlugin::handlePluginError(const MethodResult& result, const std::string& message) {
  result.error(errorCode, message);
}

}  // namespace orbelune
