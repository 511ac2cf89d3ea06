#pragma once

#include <cassert>
#include <concepts>
#include <functional>
#include <memory>
#include <utility>

namespace platform::ui {

class Node;

// Storage of one state value, owned by the node whose body asked for it.
class StateSlotBase {
 public:
  virtual ~StateSlotBase();
  void setOwner(std::weak_ptr<Node> owner) { owner_ = std::move(owner); }

 protected:
  // Marks the owning node for re-evaluation; does nothing once it is gone.
  void didChange() const;

 private:
  std::weak_ptr<Node> owner_;
};

template <class T>
class StateSlot : public StateSlotBase {
 public:
  explicit StateSlot(T initial) : value_(std::move(initial)) {}
  const T& get() const { return value_; }
  void set(T value) {
    if constexpr (std::equality_comparable<T>) {
      if (value == value_) return;
    }
    value_ = std::move(value);
    didChange();
  }

 private:
  T value_;
};

// A two-way connection to a value owned elsewhere.
template <class T>
class Binding {
 public:
  Binding(std::function<T()> get, std::function<void(T)> set)
      : get_(std::move(get)), set_(std::move(set)) {}
  // Reads and writes a state slot (State::binding): a copy shares the slot.
  explicit Binding(std::shared_ptr<StateSlot<T>> slot) : slot_(std::move(slot)) {}

  // A binding that always reads `value` and ignores writes.
  static Binding constant(T value) {
    return Binding([value] { return value; }, [](T) {});
  }

  T get() const { return slot_ ? slot_->get() : get_(); }
  void set(T value) const {
    if (slot_) {
      slot_->set(std::move(value));
    } else {
      set_(std::move(value));
    }
  }

 private:
  std::shared_ptr<StateSlot<T>> slot_;
  std::function<T()> get_;
  std::function<void(T)> set_;
};

// A handle to a state slot. Copies share the slot; a write re-evaluates the
// owning view (once per update, however many writes) and records the current
// transaction. Writing an equal value changes nothing.
template <class T>
class State {
 public:
  explicit State(std::shared_ptr<StateSlot<T>> slot) : slot_(std::move(slot)) {
    assert(slot_ && "state needs a slot");
  }

  const T& get() const { return slot_->get(); }
  void set(T value) const { slot_->set(std::move(value)); }

  Binding<T> binding() const { return Binding<T>(slot_); }

 private:
  std::shared_ptr<StateSlot<T>> slot_;
};

}  // namespace platform::ui
