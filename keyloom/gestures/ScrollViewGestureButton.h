#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "keyloom/state/RepeatGestureTimer.h"
#include "platform/foundation/Date.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/ButtonStyle.h"
#include "platform/ui/DragGesture.h"
#include "platform/ui/State.h"
#include "platform/ui/View.h"

namespace keyloom {

// The gesture button for keys inside a scroll view, such as emoji cells. It is
// a platform button (whose pressed state gives the press and schedules the
// long press), with a tap gesture and a zero-distance drag gesture on a copy
// of the label laid over it (giving release, double tap, drag and repeat).
// The repeat starts with the first change of the drag, without a delay.
//
// Several of those sources report the same touch, so each touch reports one
// press, at most one release and one end, whichever sources the view system
// lets through. When the scroll view takes the touch over, the touch ends
// without a release: the cell the finger started on is not typed.
//
// Build it with designated initialisers, like GestureButton.
struct ScrollViewGestureButton {
  using Action = std::function<void()>;
  using DragAction = std::function<void(const platform::ui::DragValue&)>;
  using LabelBuilder = std::function<platform::ui::View(bool isPressed)>;

  std::optional<platform::ui::Binding<bool>> isPressedBinding = std::nullopt;
  Action pressAction = {};
  Action releaseInsideAction = {};
  Action releaseOutsideAction = {};
  platform::TimeInterval longPressDelay = 0.5;
  Action longPressAction = {};
  platform::TimeInterval doubleTapTimeout = 0.2;
  Action doubleTapAction = {};
  // Null means the shared timer.
  std::shared_ptr<RepeatGestureTimer> repeatTimer = nullptr;
  Action repeatAction = {};
  DragAction dragStartAction = {};
  DragAction dragAction = {};
  DragAction dragEndAction = {};
  Action endAction = {};
  LabelBuilder label = {};

  platform::ui::View body(platform::ui::BodyContext& context) const;

  // Follows the platform button's pressed state.
  class Style : public platform::ui::ButtonStyle {
   public:
    explicit Style(std::function<void(bool)> handlePressedChange)
        : handlePressedChange_(std::move(handlePressedChange)) {}
    platform::ui::View makeBody(const platform::ui::ButtonStyleConfiguration& configuration,
                                platform::ui::BodyContext& context) const override;

   private:
    std::function<void(bool)> handlePressedChange_;
  };

  // What the button keeps for its identity: the state of the current touch.
  struct Tracking {
    enum class Phase { idle, active, ended };
    Phase phase = Phase::idle;
    bool released = false;
    bool doubleTapTested = false;
    bool isPressedByGesture = false;
    // Bumped at each press and end: a delayed long press runs only for the
    // touch that scheduled it.
    std::uint64_t touch = 0;
    // The last tap; the distant past until the first, so a first tap is
    // never the second of a double tap.
    platform::Date doubleTapDate = platform::Date::distantPast();
  };

 private:
  struct Handlers;
};

}  // namespace keyloom
