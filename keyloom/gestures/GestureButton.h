#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "keyloom/state/RepeatGestureTimer.h"
#include "platform/foundation/Date.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/DragGesture.h"
#include "platform/ui/State.h"
#include "platform/ui/View.h"

namespace keyloom {

// A view that turns one continuous touch into the events a key needs: press,
// release inside or outside, double tap, long press, repeat, drag and end.
// All of them come from one drag gesture of minimum distance zero laid over
// the label, two delayed checks on the main queue and the repeat timer. Every
// event is an optional closure; the button knows nothing of keys.
//
// Build it with designated initialisers:
//   GestureButton{.pressAction = ..., .releaseInsideAction = ..., .label = ...}
//
// Event orders: a tap gives press, drag start, drag..., drag end, release
// inside, end; a second tap within the double-tap timeout gives double tap
// before its drag end; a held touch gives a long press after the long-press
// delay and repeats every timer interval from the repeat delay plus one
// interval on. A cancelled touch (or one a scroll view takes over) ends
// without a release or double tap.
struct GestureButton {
  using Action = std::function<void()>;
  using DragAction = std::function<void(const platform::ui::DragValue&)>;
  using LabelBuilder = std::function<platform::ui::View(bool isPressed)>;

  // Mirrors the pressed state; none: nothing outside sees it.
  std::optional<platform::ui::Binding<bool>> isPressedBinding = std::nullopt;
  Action pressAction = {};
  Action releaseInsideAction = {};
  Action releaseOutsideAction = {};
  platform::TimeInterval longPressDelay = 0.5;
  Action longPressAction = {};
  platform::TimeInterval doubleTapTimeout = 0.2;
  Action doubleTapAction = {};
  platform::TimeInterval repeatDelay = 0.5;
  // Null means the shared timer.
  std::shared_ptr<RepeatGestureTimer> repeatTimer = nullptr;
  Action repeatAction = {};
  // Once, at the first change of a touch.
  DragAction dragStartAction = {};
  // At every change, the first one included.
  DragAction dragAction = {};
  DragAction dragEndAction = {};
  // Last, when the touch is over.
  Action endAction = {};
  LabelBuilder label = {};

  platform::ui::View body(platform::ui::BodyContext& context) const;

  // What the button keeps for its identity between touches and evaluations.
  struct Tracking {
    // Bumped at the start and end of every touch: a delayed check runs only
    // for the touch that scheduled it (a counter, so two touches at the same
    // clock time still differ).
    std::uint64_t touch = 0;
    // The last counted release; the distant past until the first one, so a
    // first tap is never a double tap.
    platform::Date releaseDate = platform::Date::distantPast();
    bool isRemoved = false;
  };

 private:
  void handleChanged(const platform::ui::DragValue& value, const platform::ui::State<bool>& isPressed,
                     const std::shared_ptr<Tracking>& tracking) const;
  void handleEnded(const platform::ui::DragValue& value, platform::Size size,
                   const platform::ui::State<bool>& isPressed, const std::shared_ptr<Tracking>& tracking) const;
  void setPressed(const platform::ui::State<bool>& isPressed, bool pressed) const;
  std::shared_ptr<RepeatGestureTimer> timer() const;
};

}  // namespace keyloom
