#pragma once

#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/plugin/BinaryMessenger.h"

namespace platform::plugin {

// A messenger inside one process, standing in for the host application's
// engine: the host delivers bytes to a channel by name, the handler answers
// through the reply callback. Refused replies are recorded for inspection.
class InProcessMessenger : public BinaryMessenger {
 public:
  void setMessageHandler(const std::string& channel, MessageHandler handler) override;
  bool hasHandler(const std::string& channel) const;

  // Runs the channel's handler on the calling thread; without a handler the
  // reply is empty at once.
  void deliver(const std::string& channel, const Bytes& message, Reply reply);

  void reportRefusedReply(const std::string& channel, const std::string& description) override;
  std::vector<std::string> refusedReplies() const;

 private:
  std::map<std::string, MessageHandler> handlers_;
  // Refusals may come from the thread of whoever replied.
  mutable std::mutex refusalsMutex_;
  std::vector<std::string> refusals_;
};

}  // namespace platform::plugin
