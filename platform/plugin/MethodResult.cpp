#include "platform/plugin/MethodResult.h"

#include <atomic>

namespace platform::plugin {

struct MethodResult::State {
  std::string method;
  Sender send;
  RefusalReporter reportRefusal;
  std::atomic<bool> replied{false};
};

MethodResult::MethodResult(std::string method, Sender send, RefusalReporter reportRefusal)
    : state_(std::make_shared<State>()) {
  state_->method = std::move(method);
  state_->send = std::move(send);
  state_->reportRefusal = std::move(reportRefusal);
}

void MethodResult::success(ChannelValue value) const { reply(MethodReply::success(std::move(value))); }

void MethodResult::error(std::string code, std::optional<std::string> message, ChannelValue details) const {
  reply(MethodReply::failure(std::move(code), std::move(message), std::move(details)));
}

void MethodResult::notImplemented() const { reply(MethodReply::notImplemented()); }

void MethodResult::reply(const MethodReply& reply) const {
  if (state_->replied.exchange(true)) {
    if (state_->reportRefusal) {
      state_->reportRefusal("Refused a second reply to \"" + state_->method + "\" (" + reply.description() +
                            "): a method call is answered once.");
    }
    return;
  }
  // Only the first reply gets here, so the sender is touched by one thread;
  // releasing it afterwards drops whatever it holds on to.
  Sender send = std::move(state_->send);
  state_->send = nullptr;
  if (send) send(reply);
}

bool MethodResult::hasReplied() const { return state_->replied.load(); }

}  // namespace platform::plugin
