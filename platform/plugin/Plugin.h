#pragma once

#include "platform/plugin/MethodCall.h"
#include "platform/plugin/MethodResult.h"

namespace platform::plugin {

// A plug-in that answers method calls on the channel it was registered for.
class Plugin {
 public:
  virtual ~Plugin() = default;
  virtual void handle(const MethodCall& call, MethodResult result) = 0;
};

}  // namespace platform::plugin
