#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform::plugin {

// The host's side of the channels: it delivers each message for a channel name
// to the handler set for that name, with a callback for the reply bytes.
class BinaryMessenger {
 public:
  using Bytes = std::vector<std::uint8_t>;
  using Reply = std::function<void(Bytes reply)>;
  using MessageHandler = std::function<void(const Bytes& message, Reply reply)>;

  virtual ~BinaryMessenger() = default;

  // An empty handler removes the channel's handler; messages then get an empty reply.
  virtual void setMessageHandler(const std::string& channel, MessageHandler handler) = 0;

  // A reply refused because the call had been answered already. May be called
  // from any thread. By default it is written to standard error.
  virtual void reportRefusedReply(const std::string& channel, const std::string& description);
};

}  // namespace platform::plugin
