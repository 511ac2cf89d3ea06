#pragma once

#include <functional>

namespace platform {

// Owns one registration with a notification centre: destroying the token (or
// calling remove()) ends it, and removing twice is harmless. Move-only.
class ObserverToken {
 public:
  ObserverToken() = default;
  explicit ObserverToken(std::function<void()> onRemove);
  ~ObserverToken();

  ObserverToken(ObserverToken&& other) noexcept;
  ObserverToken& operator=(ObserverToken&& other) noexcept;
  ObserverToken(const ObserverToken&) = delete;
  ObserverToken& operator=(const ObserverToken&) = delete;

  void remove();
  bool isActive() const { return static_cast<bool>(onRemove_); }

  // Hands the removal to the caller (for example to wrap it in another token
  // type); this token then owns nothing.
  std::function<void()> release();

 private:
  std::function<void()> onRemove_;
};

}  // namespace platform
