#include "platform/plugin/InProcessMessenger.h"

namespace platform::plugin {

void InProcessMessenger::setMessageHandler(const std::string& channel, MessageHandler handler) {
  if (handler) {
    handlers_[channel] = std::move(handler);
  } else {
    handlers_.erase(channel);
  }
}

bool InProcessMessenger::hasHandler(const std::string& channel) const { return handlers_.contains(channel); }

void InProcessMessenger::deliver(const std::string& channel, const Bytes& message, Reply reply) {
  auto found = handlers_.find(channel);
  if (found == handlers_.end()) {
    if (reply) reply({});
    return;
  }
  // A copy, so a handler that replaces itself keeps running safely.
  MessageHandler handler = found->second;
  handler(message, std::move(reply));
}

void InProcessMessenger::reportRefusedReply(const std::string& channel, const std::string& description) {
  std::lock_guard lock(refusalsMutex_);
  refusals_.push_back("Channel \"" + channel + "\": " + description);
}

std::vector<std::string> InProcessMessenger::refusedReplies() const {
  std::lock_guard lock(refusalsMutex_);
  return refusals_;
}

}  // namespace platform::plugin
