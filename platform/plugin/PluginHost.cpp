#include "platform/plugin/PluginHost.h"

#include "platform/plugin/StandardMethodCodec.h"

namespace platform::plugin {

PluginHost::PluginHost() : messenger_(std::make_shared<InProcessMessenger>()), registrar_(messenger_) {}

std::shared_ptr<PendingReply> PluginHost::send(const std::string& channel,
                                               const std::vector<std::uint8_t>& message) {
  auto pending = std::make_shared<PendingReply>();
  messenger_->deliver(channel, message, [pending](std::vector<std::uint8_t> reply) {
    pending->receive(std::move(reply));
  });
  return pending;
}

std::shared_ptr<PendingReply> PluginHost::invokeMethod(const std::string& channel, const MethodCall& call) {
  return send(channel, StandardMethodCodec::encodeMethodCall(call));
}

}  // namespace platform::plugin
