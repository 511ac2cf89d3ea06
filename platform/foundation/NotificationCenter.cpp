#include "platform/foundation/NotificationCenter.h"

#include <algorithm>
#include <cassert>

#include "platform/foundation/MainQueue.h"
#include "platform/foundation/ProcessState.h"

namespace platform {

NotificationCenter::NotificationCenter() : state_(std::make_shared<State>()) {}

NotificationCenter& NotificationCenter::defaultCenter() {
  static NotificationCenter* center = [] {
    auto* c = new NotificationCenter;  // lives for the whole process; tokens may be released during exit
    registerProcessReset([c] { c->removeAllObservers(); });
    return c;
  }();
  return *center;
}

ObserverToken NotificationCenter::addObserver(const std::string& name, Observer observer) {
  assert(observer && "an observer needs a callback");
  auto registration = std::make_shared<Registration>(Registration{name, std::move(observer), false});
  state_->registrations.push_back(registration);
  std::weak_ptr<State> weakState = state_;
  std::weak_ptr<Registration> weakRegistration = registration;
  return ObserverToken([weakState, weakRegistration] {
    auto registration = weakRegistration.lock();
    if (!registration) return;
    registration->removed = true;
    if (auto state = weakState.lock()) {
      auto& all = state->registrations;
      all.erase(std::remove(all.begin(), all.end(), registration), all.end());
    }
  });
}

void NotificationCenter::State::deliver(const Notification& notification) {
  // The snapshot keeps each observer alive while it runs, even if it removes itself.
  auto snapshot = registrations;
  for (const auto& registration : snapshot) {
    if (registration->removed) continue;
    if (!registration->name.empty() && registration->name != notification.name) continue;
    registration->observer(notification);
  }
}

void NotificationCenter::post(const Notification& notification) {
  auto state = state_;
  state->deliver(notification);
}

void NotificationCenter::post(const std::string& name, std::any object) {
  post(Notification{name, std::move(object), {}});
}

void NotificationCenter::postOnMainQueue(Notification notification) {
  std::weak_ptr<State> weakState = state_;
  MainQueue::main().async([weakState, notification = std::move(notification)] {
    if (auto state = weakState.lock()) state->deliver(notification);
  });
}

std::size_t NotificationCenter::observerCount() const { return state_->registrations.size(); }

void NotificationCenter::removeAllObservers() {
  for (const auto& registration : state_->registrations) registration->removed = true;
  state_->registrations.clear();
}

}  // namespace platform
