#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/plugin/BinaryMessenger.h"
#include "platform/plugin/MethodCall.h"
#include "platform/plugin/MethodResult.h"

namespace platform::plugin {

// A named channel on a messenger that carries method calls in the standard
// method codec. Incoming bytes are decoded into a MethodCall and handed to the
// handler with a MethodResult whose one reply is encoded back.
//
// Bytes that are not a method call get the error "invalid_call" with the
// decoder's description; a handler that throws before replying gets the error
// "handler_failed". Neither reaches the handler's caller as an exception.
class MethodChannel {
 public:
  using MethodCallHandler = std::function<void(const MethodCall& call, MethodResult result)>;

  static constexpr const char* invalidCallCode = "invalid_call";
  static constexpr const char* handlerFailedCode = "handler_failed";

  MethodChannel(std::string name, std::shared_ptr<BinaryMessenger> messenger);

  const std::string& name() const { return name_; }
  const std::shared_ptr<BinaryMessenger>& messenger() const { return messenger_; }

  // Replaces the handler; an empty one stops listening.
  void setMethodCallHandler(MethodCallHandler handler);

 private:
  std::string name_;
  std::shared_ptr<BinaryMessenger> messenger_;
};

}  // namespace platform::plugin
