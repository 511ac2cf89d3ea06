#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/plugin/InProcessMessenger.h"
#include "platform/plugin/MethodCall.h"
#include "platform/plugin/PendingReply.h"
#include "platform/plugin/PluginRegistrar.h"

namespace platform::plugin {

// Stands in for the host application: it owns a messenger and a registrar to
// register plug-ins with, and sends them messages as raw bytes, the way the
// host's engine does, collecting the reply bytes.
class PluginHost {
 public:
  PluginHost();

  PluginRegistrar& registrar() { return registrar_; }
  InProcessMessenger& messenger() { return *messenger_; }

  std::shared_ptr<PendingReply> send(const std::string& channel, const std::vector<std::uint8_t>& message);
  // Encodes the call with the standard method codec and sends it.
  std::shared_ptr<PendingReply> invokeMethod(const std::string& channel, const MethodCall& call);

 private:
  std::shared_ptr<InProcessMessenger> messenger_;
  PluginRegistrar registrar_;
};

}  // namespace platform::plugin
