#pragma once

#include <string>

#include "platform/plugin/MethodCall.h"
#include "platform/plugin/MethodResult.h"
#include "platform/plugin/Plugin.h"
#include "platform/plugin/PluginRegistrar.h"

namespace orbelune {

// The host application's plug-in that adds watch faces. It answers one method
// on its channel, "addWatchFace", whose map argument names a watch-face file
// by its path without the ".watchface" extension.
//
// Each call gets exactly one reply, once the watch-face library has answered:
// true when the face was added, else the error "500" with the library's
// description. The reply is sent from the main queue.
class OrbelunePlugin : public platform::plugin::Plugin {
 public:
  static constexpr const char* channelName = "Orbelune";
  static constexpr const char* addWatchFaceMethod = "addWatchFace";
  static constexpr const char* errorCode = "500";
  static constexpr const char* missingUrlMessage = "url cant be null";

  // Creates the channel on the registrar's messenger and attaches a new plug-in to it.
  static void register_(platform::plugin::PluginRegistrar& registrar);

  void handle(const platform::plugin::MethodCall& call, platform::plugin::MethodResult result) override;

 private:
  void handleAddWatchFace(platform::plugin::MethodResult result, const std::string& fileName);
  static void handlePluginError(const platform::plugin::MethodResult& result, const std::string& message);
};

}  // namespace orbelune
