#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "platform/plugin/MethodReply.h"

namespace platform::plugin {

// What a host hears back for one message: every reply that reached it, as
// bytes, with the thread each came on. Replies may arrive from any thread.
class PendingReply {
 public:
  void receive(std::vector<std::uint8_t> bytes);

  std::size_t replyCount() const;
  bool hasReply() const { return replyCount() > 0; }
  // The first reply's bytes, if any.
  std::optional<std::vector<std::uint8_t>> bytes() const;
  // The first reply decoded; throws CodecError for bytes that are no reply,
  // and std::logic_error when nothing has arrived yet.
  MethodReply reply() const;
  // The thread the first reply arrived on, if any.
  std::optional<std::thread::id> replyThread() const;

 private:
  mutable std::mutex mutex_;
  std::vector<std::vector<std::uint8_t>> replies_;
  std::optional<std::thread::id> firstThread_;
};

}  // namespace platform::plugin
