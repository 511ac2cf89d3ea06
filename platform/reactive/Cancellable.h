#pragma once

#include <functional>
#include <vector>

namespace platform {

// A subscription token. Destroying it (or calling cancel()) ends the
// subscription; cancelling twice is harmless. Move-only, so exactly one owner
// decides when the subscription ends.
class Cancellable {
 public:
  Cancellable() = default;
  explicit Cancellable(std::function<void()> onCancel);
  ~Cancellable();

  Cancellable(Cancellable&& other) noexcept;
  Cancellable& operator=(Cancellable&& other) noexcept;
  Cancellable(const Cancellable&) = delete;
  Cancellable& operator=(const Cancellable&) = delete;

  void cancel();
  // Whether cancelling would still end something.
  bool isActive() const { return static_cast<bool>(onCancel_); }

  // Moves this token into `bag`, whose owner then keeps the subscription alive.
  void store(std::vector<Cancellable>& bag) &&;

 private:
  std::function<void()> onCancel_;
};

}  // namespace platform
