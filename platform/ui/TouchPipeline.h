#pragma once

#include <memory>
#include <optional>

#include "platform/foundation/Date.h"
#include "platform/foundation/Geometry.h"
#include "platform/ui/Node.h"

namespace platform::ui {

class ViewHost;

using TouchId = int;

// Delivers touches (down, move, up, cancel at points in the host's
// coordinates, at the main queue clock's time) to the gestures, buttons and
// scroll views of the views under them, then updates the host so the views
// show the result.
//
// At touch-down the touched view is found by hit testing (HitTest.h); the
// view and its ancestors take part:
// - every gesture attached to them (DragGesture, TapGesture,
//   LongPressGesture, onTapGesture) whose mask allows it: a mask of
//   `gesture` or `none` turns off the gestures of the views inside, a mask
//   of `subviews` or `none` the attached gesture itself;
// - drags, long presses and platform views of all those views recognise
//   together. Of the taps that complete, the innermost one runs (on one
//   view, the one of more taps), with those attached as simultaneous; an
//   ancestor's high-priority tap runs instead of the inner ones;
// - the innermost button (or link or menu) is pressed at touch-down, stays
//   pressed while the touch is inside it, and runs its action when the touch
//   lifts inside it; a menu whose label has gestures of its own leaves the
//   touch to them once one of them recognises it (a drag that started, a
//   tap that completed, a long press that ended): the menu is unpressed and
//   runs no primary action, so a tap is acted on once;
// - a menu with items opens when the touch stays on it for
//   `menuPressDuration` without moving more than `tapSlop`: it takes the
//   touch from every gesture, button and scroll view of the chain (as a
//   scroll view taking over does, drags end with a cancelled value) and the
//   host presents its items (ViewHost::presentMenu);
// - the innermost scroll view takes the touch over once it moves more than
//   `scrollSlop` along its axis (before moving that far across it): buttons
//   inside it are unpressed without their action, drags inside it end with
//   a cancelled value, and taps and long presses inside it fail. It then
//   scrolls its content with the touch.
// Every touch ends with a final event for every recognised drag and pressed
// button: lifting, cancelling, or a scroll view taking over.
class TouchPipeline {
 public:
  // How far a tap (or a long press) may move and still count.
  static constexpr double tapSlop = 10;
  // How far a touch moves along a scroll view's axis before it scrolls.
  static constexpr double scrollSlop = 10;
  // Longest gap between one tap's end and the next tap's end in a multi-tap.
  static constexpr TimeInterval multiTapInterval = 0.35;
  // How long a touch stays on a menu before the menu opens.
  static constexpr TimeInterval menuPressDuration = 0.5;

  explicit TouchPipeline(ViewHost& host);
  ~TouchPipeline();
  TouchPipeline(const TouchPipeline&) = delete;
  TouchPipeline& operator=(const TouchPipeline&) = delete;

  TouchId down(Point location);
  void move(TouchId touch, Point location);
  void up(TouchId touch, Point location);
  // Lifts where the touch last was.
  void up(TouchId touch);
  void cancel(TouchId touch);
  // Cancels every touch still down (the views left the screen).
  void cancelAll();
  // A touch that goes down and up at `location`.
  void tap(Point location);

  bool isActive(TouchId touch) const;
  std::size_t activeTouchCount() const;
  // The view the touch landed on; null when it landed on nothing.
  std::shared_ptr<Node> target(TouchId touch) const;
  // Whether a scroll view took the touch over.
  bool isScrolling(TouchId touch) const;

 private:
  struct State;
  std::shared_ptr<State> state_;
};

}  // namespace platform::ui
