#pragma once

#include <cassert>
#include <cstddef>
#include <functional>
#include <iterator>
#include <memory>
#include <utility>
#include <vector>

#include "platform/reactive/Cancellable.h"

namespace platform {

// A multicast callback list, the base of every publisher.
//
// Subscribers and the signal share a state block, so either side may go first:
// a token that outlives its signal cancels nothing, and a signal destroyed with
// live subscribers simply stops. A send delivers to the subscribers present
// when it starts; one that cancels itself or another during a send is not
// called afterwards, and one added during a send first hears the next send.
// Main thread only.
template <class... Args>
class Signal {
 public:
  using Receiver = std::function<void(const Args&...)>;

  Signal() : state_(std::make_shared<State>()) {}
  Signal(Signal&& other) noexcept : state_(std::exchange(other.state_, std::make_shared<State>())) {}
  Signal& operator=(Signal&& other) noexcept {
    if (this != &other) state_ = std::exchange(other.state_, std::make_shared<State>());
    return *this;
  }
  Signal(const Signal&) = delete;
  Signal& operator=(const Signal&) = delete;

  [[nodiscard]] Cancellable sink(Receiver receive) {
    assert(receive && "a subscriber needs a callback");
    auto subscriber = std::make_shared<Subscriber>(Subscriber{std::move(receive), false, state_});
    state_->subscribers.push_back(subscriber);
    // One weak pointer: the token's action fits in the function without
    // an allocation of its own.
    std::weak_ptr<Subscriber> weakSubscriber = subscriber;
    return Cancellable([weakSubscriber] {
      auto sub = weakSubscriber.lock();
      if (!sub) return;
      sub->cancelled = true;
      if (auto state = sub->state.lock()) state->remove(sub.get());
    });
  }

  void send(const Args&... args) {
    // A snapshot keeps each callback alive while it runs, even if it cancels itself.
    auto state = state_;
    auto snapshot = state->subscribers;
    for (const auto& subscriber : snapshot) {
      if (!subscriber->cancelled) subscriber->receive(args...);
    }
  }

  std::size_t subscriberCount() const { return state_->subscribers.size(); }

 private:
  struct State;
  struct Subscriber {
    Receiver receive;
    bool cancelled;
    std::weak_ptr<State> state;
  };
  struct State {
    std::vector<std::shared_ptr<Subscriber>> subscribers;
    // From the newest: subscriptions made together usually end together,
    // the newest first.
    void remove(const Subscriber* subscriber) {
      for (auto it = subscribers.rbegin(); it != subscribers.rend(); ++it) {
        if (it->get() == subscriber) {
          subscribers.erase(std::next(it).base());
          return;
        }
      }
    }
  };

  std::shared_ptr<State> state_;
};

// A subject that only forwards what is sent to it.
template <class T>
using PassthroughSubject = Signal<T>;

}  // namespace platform
