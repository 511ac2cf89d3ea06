#pragma once

#include <any>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/ObserverToken.h"

namespace platform {

struct Notification {
  std::string name;
  std::any object;                            // the sender, when one is given
  std::map<std::string, std::any> userInfo;
};

// Named notifications delivered to the observers of their name.
//
// Delivery is synchronous on the posting thread (post) or deferred to the main
// queue (postOnMainQueue, safe from any thread). Observers added during a
// delivery first hear the next notification; an observer removed during a
// delivery is not called afterwards. Registration and synchronous posting
// belong to the main thread.
class NotificationCenter {
 public:
  using Observer = std::function<void(const Notification&)>;

  NotificationCenter();
  NotificationCenter(const NotificationCenter&) = delete;
  NotificationCenter& operator=(const NotificationCenter&) = delete;

  // The process's centre; its observers are dropped by the process reset.
  static NotificationCenter& defaultCenter();

  // An empty name observes every notification.
  [[nodiscard]] ObserverToken addObserver(const std::string& name, Observer observer);

  void post(const Notification& notification);
  void post(const std::string& name, std::any object = {});
  void postOnMainQueue(Notification notification);

  std::size_t observerCount() const;
  void removeAllObservers();

 private:
  struct Registration {
    std::string name;
    Observer observer;
    bool removed = false;
  };
  struct State {
    std::vector<std::shared_ptr<Registration>> registrations;
    void deliver(const Notification& notification);
  };

  std::shared_ptr<State> state_;
};

}  // namespace platform
