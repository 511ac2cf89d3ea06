#pragma once

#include <functional>
#include <memory>
#include <type_traits>
#include <typeinfo>

#include "platform/reactive/ObservableObject.h"
#include "platform/ui/BlockPool.h"
#include "platform/ui/Environment.h"
#include "platform/ui/GeometryProxy.h"
#include "platform/ui/State.h"
#include "platform/ui/TypeName.h"
#include "platform/ui/View.h"

namespace platform::ui {

class Node;

// What a body is evaluated with: the node's state, its observations and its
// environment. Valid only during the body call.
//
// State is keyed by call order: the n-th state() call of a body gets the
// n-th slot of the node every time, so call state() unconditionally and in
// the same order.
class BodyContext {
 public:
  explicit BodyContext(Node& node);
  BodyContext(const BodyContext&) = delete;
  BodyContext& operator=(const BodyContext&) = delete;

  // The state slot for this call position, made with `initial` the first time.
  template <class T>
  State<T> state(T initial) {
    return stateMadeBy([&initial] { return std::move(initial); });
  }
  // The same, calling `make` for the initial value only when the slot is
  // made (for values that cost something to make, like a shared object).
  template <class Make>
  State<std::invoke_result_t<Make>> stateMadeBy(Make make) {
    using T = std::invoke_result_t<Make>;
    std::size_t index = nextSlot_++;
    if (auto slot = std::dynamic_pointer_cast<StateSlot<T>>(existingSlot(index))) {
      return State<T>(slot);
    }
    auto slot = makeShared<StateSlot<T>>(make());
    storeSlot(index, slot);
    return State<T>(slot);
  }

  // An object made once for this view's identity and observed by it.
  template <class T>
  std::shared_ptr<T> stateObject(const std::function<std::shared_ptr<T>()>& make) {
    std::shared_ptr<T> object = stateMadeBy(make).get();
    observe(object);
    return object;
  }

  // Re-evaluates this view (once, on the main queue) whenever `object`
  // announces a change. A null object is ignored.
  template <class T>
  void observe(const std::shared_ptr<T>& object) {
    static_assert(std::is_base_of_v<ObservableObject, T>, "observe() takes observable objects");
    if (object) observeObject(object);
  }

  // The environment object of type T, observed by this view. Throws
  // MissingEnvironmentObjectError naming T when no ancestor supplied one.
  template <class T>
  std::shared_ptr<T> environmentObject() {
    auto object = environment().object<T>();
    if (!object) throw MissingEnvironmentObjectError(readableTypeName(typeid(T)));
    if constexpr (std::is_base_of_v<ObservableObject, T>) observe(object);
    return object;
  }

  const EnvironmentValues& environment() const;
  // This view's frames, read from the laid-out tree when asked (see
  // GeometryProxy). For views that measure themselves only when they act:
  // unlike a GeometryReader, nothing is evaluated again when the size changes.
  GeometryProxy geometry() const;
  template <class T>
  const T& environment(const EnvironmentKey<T>& key) const {
    return environment().get(key);
  }

  // The view whose body is running (pass `*this`), shared with the node that
  // holds it: closures the body hands out keep it alive without a copy.
  template <class T>
  std::shared_ptr<const T> shared(const T& view) const {
    std::shared_ptr<const CompositeBody> body = compositeBody();
    auto* holder = dynamic_cast<const CompositeBodyOf<T>*>(body.get());
    if (holder && &holder->value() == &view) return std::shared_ptr<const T>(std::move(body), &view);
    return std::make_shared<const T>(view);
  }

  // Drops the subscriptions this evaluation no longer asked for.
  void finish();

 private:
  // The body of the composite view being evaluated; null for other views.
  std::shared_ptr<const CompositeBody> compositeBody() const;
  std::shared_ptr<StateSlotBase> existingSlot(std::size_t index) const;
  void storeSlot(std::size_t index, std::shared_ptr<StateSlotBase> slot);
  void observeObject(std::shared_ptr<const ObservableObject> object);

  Node& node_;
  std::size_t nextSlot_ = 0;
};

}  // namespace platform::ui
