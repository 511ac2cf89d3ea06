#include "platform/ui/BodyContext.h"

#include <algorithm>

#include "platform/ui/Node.h"

namespace platform::ui {

BodyContext::BodyContext(Node& node) : node_(node) {
  for (auto& subscription : node_.subscriptions_) subscription.used = false;
}

const EnvironmentValues& BodyContext::environment() const { return node_.environment_; }

GeometryProxy BodyContext::geometry() const { return GeometryProxy(node_.weak_from_this(), node_.frameAt(0).size); }

std::shared_ptr<const CompositeBody> BodyContext::compositeBody() const {
  auto* composite = node_.content<CompositeContent>();
  return composite ? composite->body : nullptr;
}

std::shared_ptr<StateSlotBase> BodyContext::existingSlot(std::size_t index) const {
  return index < node_.slots_.size() ? node_.slots_[index] : nullptr;
}

void BodyContext::storeSlot(std::size_t index, std::shared_ptr<StateSlotBase> slot) {
  slot->setOwner(node_.weak_from_this());
  if (node_.slots_.size() <= index) node_.slots_.resize(index + 1);
  node_.slots_[index] = std::move(slot);
}

void BodyContext::observeObject(std::shared_ptr<const ObservableObject> object) {
  for (auto& subscription : node_.subscriptions_) {
    if (subscription.address == object.get() && !subscription.object.expired()) {
      subscription.used = true;
      return;
    }
  }
  std::weak_ptr<Node> weakNode = node_.weak_from_this();
  Node::Subscription subscription;
  subscription.object = object;
  subscription.address = object.get();
  subscription.token = object->objectWillChange().sink([weakNode] {
    if (auto node = weakNode.lock()) node->setNeedsEvaluation();
  });
  subscription.used = true;
  node_.subscriptions_.push_back(std::move(subscription));
}

void BodyContext::finish() {
  auto& subscriptions = node_.subscriptions_;
  subscriptions.erase(std::remove_if(subscriptions.begin(), subscriptions.end(),
                                     [](const Node::Subscription& s) { return !s.used; }),
                      subscriptions.end());
}

}  // namespace platform::ui
