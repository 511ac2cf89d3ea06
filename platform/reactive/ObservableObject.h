#pragma once

#include "platform/reactive/Signal.h"

namespace platform {

// The base of every observable context. objectWillChange() fires before any of
// its published fields stores a new value, so an observer can still read the
// old state and schedule its refresh for after the change.
class ObservableObject {
 public:
  ObservableObject() = default;
  virtual ~ObservableObject();
  ObservableObject(const ObservableObject&) = delete;
  ObservableObject& operator=(const ObservableObject&) = delete;

  // Subscribing does not change the object, so it is allowed through const access.
  Signal<>& objectWillChange() const { return objectWillChange_; }

 private:
  mutable Signal<> objectWillChange_;
};

}  // namespace platform
