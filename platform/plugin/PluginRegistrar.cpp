#include "platform/plugin/PluginRegistrar.h"

#include <cassert>

namespace platform::plugin {

PluginRegistrar::PluginRegistrar(std::shared_ptr<BinaryMessenger> messenger) : messenger_(std::move(messenger)) {
  assert(messenger_ && "a registrar needs a messenger");
}

void PluginRegistrar::addMethodCallDelegate(std::shared_ptr<Plugin> delegate,
                                            std::shared_ptr<MethodChannel> channel) {
  assert(delegate && channel && "a delegation needs a plug-in and a channel");
  channel->setMethodCallHandler(
      [delegate](const MethodCall& call, MethodResult result) { delegate->handle(call, std::move(result)); });
  delegations_.push_back({std::move(delegate), std::move(channel)});
}

}  // namespace platform::plugin
