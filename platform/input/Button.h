#pragma once

#include <any>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/input/View.h"

namespace platform {

// Control events as the platform's bit mask.
namespace ControlEvent {
inline constexpr std::uint32_t touchDown = 1u << 0;
inline constexpr std::uint32_t touchDownRepeat = 1u << 1;
inline constexpr std::uint32_t touchDragInside = 1u << 2;
inline constexpr std::uint32_t touchDragOutside = 1u << 3;
inline constexpr std::uint32_t touchDragEnter = 1u << 4;
inline constexpr std::uint32_t touchDragExit = 1u << 5;
inline constexpr std::uint32_t touchUpInside = 1u << 6;
inline constexpr std::uint32_t touchUpOutside = 1u << 7;
inline constexpr std::uint32_t touchCancel = 1u << 8;
inline constexpr std::uint32_t allTouchEvents = 0x0FFF;
}  // namespace ControlEvent

// A touch event as a control hands it to its targets.
struct TouchEvent {
  double timestamp = 0;  // seconds on the process clock
  Point location;        // in the control's coordinates
  bool operator==(const TouchEvent&) const = default;
};

// A platform button: a view that sends a selector to its targets for the
// control events they registered for. Targets are held weakly; an action whose
// target is gone is skipped.
class Button : public View {
 public:
  struct TargetAction {
    std::weak_ptr<Responder> target;
    std::string selector;
    std::uint32_t events;
  };

  static std::shared_ptr<Button> make(Rect frame = {});

  void addTarget(const std::shared_ptr<Responder>& target, std::string selector, std::uint32_t events);
  void removeAllTargets() { actions_.clear(); }
  const std::vector<TargetAction>& targetActions() const { return actions_; }

  // Sends each matching action with the arguments (sender, event), as the
  // platform does for selectors of the form "handle...FromView:withEvent:".
  void sendActions(std::uint32_t event, const TouchEvent& touch);

 protected:
  explicit Button(Rect frame) : View(frame) {}

 private:
  std::vector<TargetAction> actions_;
};

}  // namespace platform
