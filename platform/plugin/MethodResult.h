#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/plugin/ChannelValue.h"
#include "platform/plugin/MethodReply.h"

namespace platform::plugin {

// The reply callback handed to a method-call handler with each call. A call is
// answered exactly once: the first reply is sent, and any later one is refused
// and reported instead of being sent. Copies share one reply, so a copy kept by
// deferred work answers the same call. A reply may be given from any thread.
class MethodResult {
 public:
  using Sender = std::function<void(const MethodReply&)>;
  using RefusalReporter = std::function<void(const std::string& description)>;

  MethodResult(std::string method, Sender send, RefusalReporter reportRefusal);

  void success(ChannelValue value = {}) const;
  void error(std::string code, std::optional<std::string> message = std::nullopt, ChannelValue details = {}) const;
  void notImplemented() const;
  void reply(const MethodReply& reply) const;

  bool hasReplied() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
};

}  // namespace platform::plugin
