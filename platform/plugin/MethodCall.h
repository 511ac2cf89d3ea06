#pragma once

#include <string>

#include "platform/plugin/ChannelValue.h"

namespace platform::plugin {

// A call received on a method channel: the method's name and its arguments
// (null when the caller passed none).
struct MethodCall {
  std::string method;
  ChannelValue arguments;

  bool operator==(const MethodCall&) const = default;
};

}  // namespace platform::plugin
