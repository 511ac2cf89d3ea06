#pragma once

#include <memory>
#include <vector>

#include "platform/plugin/BinaryMessenger.h"
#include "platform/plugin/MethodChannel.h"
#include "platform/plugin/Plugin.h"

namespace platform::plugin {

// What the host gives a plug-in when registering it: the messenger for its
// channels, and a place to attach plug-ins to channels. The registrar owns the
// channels and plug-ins handed to it, so a plug-in needs to keep neither.
class PluginRegistrar {
 public:
  struct Delegation {
    std::shared_ptr<Plugin> delegate;
    std::shared_ptr<MethodChannel> channel;
  };

  explicit PluginRegistrar(std::shared_ptr<BinaryMessenger> messenger);

  std::shared_ptr<BinaryMessenger> messenger() const { return messenger_; }

  // Calls on `channel` go to `delegate->handle` from now on.
  void addMethodCallDelegate(std::shared_ptr<Plugin> delegate, std::shared_ptr<MethodChannel> channel);

  const std::vector<Delegation>& delegations() const { return delegations_; }

 private:
  std::shared_ptr<BinaryMessenger> messenger_;
  std::vector<Delegation> delegations_;
};

}  // namespace platform::plugin
