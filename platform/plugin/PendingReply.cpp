#include "platform/plugin/PendingReply.h"

#include <stdexcept>

#include "platform/plugin/StandardMethodCodec.h"

namespace platform::plugin {

void PendingReply::receive(std::vector<std::uint8_t> bytes) {
  std::lock_guard lock(mutex_);
  if (replies_.empty()) firstThread_ = std::this_thread::get_id();
  replies_.push_back(std::move(bytes));
}

std::size_t PendingReply::replyCount() const {
  std::lock_guard lock(mutex_);
  return replies_.size();
}

std::optional<std::vector<std::uint8_t>> PendingReply::bytes() const {
  std::lock_guard lock(mutex_);
  if (replies_.empty()) return std::nullopt;
  return replies_.front();
}

MethodReply PendingReply::reply() const {
  auto first = bytes();
  if (!first) throw std::logic_error("No reply has arrived yet.");
  return StandardMethodCodec::decodeReply(*first);
}

std::optional<std::thread::id> PendingReply::replyThread() const {
  std::lock_guard lock(mutex_);
  return firstThread_;
}

}  // namespace platform::plugin
