#include "keyloom/gestures/ScrollViewGestureButton.h"

#include <cmath>

#include "platform/foundation/MainQueue.h"
#include "platform/ui/GeometryProxy.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/TapGesture.h"
#include "platform/ui/TouchPipeline.h"

namespace keyloom {

namespace ui = platform::ui;
using Phase = ScrollViewGestureButton::Tracking::Phase;

// The handlers of one evaluation: the button's closures, its pressed state
// and the shared tracking of touches.
struct ScrollViewGestureButton::Handlers {
  ScrollViewGestureButton button;
  ui::State<bool> isPressed;
  std::shared_ptr<Tracking> tracking;

  std::shared_ptr<RepeatGestureTimer> timer() const {
    return button.repeatTimer ? button.repeatTimer : RepeatGestureTimer::shared();
  }

  void setPressed(bool pressed) const {
    isPressed.set(pressed);
    if (button.isPressedBinding) button.isPressedBinding->set(pressed);
  }

  // The first source to report a touch reports its press.
  void beginTouch() const {
    if (tracking->phase == Phase::active) return;
    tracking->phase = Phase::active;
    tracking->released = false;
    tracking->doubleTapTested = false;
    setPressed(true);
    if (button.pressAction) button.pressAction();
    const std::uint64_t touch = ++tracking->touch;
    if (auto action = button.longPressAction) {
      auto tracked = tracking;
      platform::MainQueue::main().asyncAfter(button.longPressDelay, [tracked, touch, action] {
        if (tracked->touch == touch) action();
      });
    }
  }

  void release(bool inside) const {
    if (tracking->phase == Phase::idle || tracking->released) return;
    tracking->released = true;
    const Action& action = inside ? button.releaseInsideAction : button.releaseOutsideAction;
    if (action) action();
  }

  void tryHandleDoubleTap() const {
    if (tracking->doubleTapTested) return;
    tracking->doubleTapTested = true;
    const platform::Date now = platform::Date::now();
    if (now.timeIntervalSince(tracking->doubleTapDate) < button.doubleTapTimeout) {
      tracking->doubleTapDate = platform::Date::distantPast();  // a third tap starts a new pair
      if (button.doubleTapAction) button.doubleTapAction();
    } else {
      tracking->doubleTapDate = now;
    }
  }

  void endTouch() const {
    if (tracking->phase != Phase::active) return;
    tracking->phase = Phase::ended;
    ++tracking->touch;  // no long press after the end
    setPressed(false);
    if (button.endAction) button.endAction();
    // Sources still reporting this touch come in the same turn; after it, a
    // tap reported alone is a touch of its own.
    auto tracked = tracking;
    const std::uint64_t touch = tracking->touch;
    platform::MainQueue::main().async([tracked, touch] {
      if (tracked->phase == Phase::ended && tracked->touch == touch) tracked->phase = Phase::idle;
    });
  }

  void flashPressedState() const {
    setPressed(true);
    auto self = *this;
    platform::MainQueue::main().asyncAfter(0.1, [self] {
      if (self.tracking->phase != Phase::active) self.setPressed(false);
    });
  }

  void handlePressedChange(bool pressed) const {
    if (pressed) {
      beginTouch();
      return;
    }
    ++tracking->touch;  // any change of the button's pressed state voids the long press
    if (!tracking->isPressedByGesture) endTouch();
  }

  void handleTapEnded() const {
    const bool alone = tracking->phase == Phase::idle;
    if (alone) beginTouch();
    flashPressedState();
    release(true);
    tryHandleDoubleTap();
    if (alone) endTouch();
  }

  void handleDragChanged(const ui::DragValue& value) const {
    if (!tracking->isPressedByGesture) {
      if (button.dragStartAction) button.dragStartAction(value);
      tracking->isPressedByGesture = true;
      beginTouch();
    }
    if (button.dragAction) button.dragAction(value);
    auto repeatTimer = timer();
    if (!repeatTimer->isActive() && button.repeatAction) repeatTimer->start(button.repeatAction);
  }

  void handleDragEnded(const ui::DragValue& value, platform::Size size) const {
    if (button.dragEndAction) button.dragEndAction(value);
    tracking->isPressedByGesture = false;
    timer()->stop();
    // A drag cancelled by a scroll or by the system was not lifted here.
    if (!value.isCancelled) {
      const platform::Point p = value.location;
      const bool inside = p.x > 0 && p.y > 0 && p.x < size.width && p.y < size.height;
      release(inside);
      const double moved = std::hypot(value.translation.width, value.translation.height);
      if (inside && moved <= ui::TouchPipeline::tapSlop) tryHandleDoubleTap();
    }
    endTouch();
  }
};

ui::View ScrollViewGestureButton::Style::makeBody(const ui::ButtonStyleConfiguration& configuration,
                                                 ui::BodyContext& /*context*/) const {
  auto handle = handlePressedChange_;
  return configuration.label.onChange(configuration.isPressed, std::function<void(const bool&)>(
                                                                   [handle](const bool& pressed) { handle(pressed); }));
}

ui::View ScrollViewGestureButton::body(ui::BodyContext& context) const {
  const ui::State<bool> isPressed = context.state(false);
  const auto tracking = context.stateMadeBy([] { return std::make_shared<Tracking>(); }).get();
  const Handlers handlers{*this, isPressed, tracking};

  const ui::View labelView = label ? label(isPressed.get()) : ui::View();
  const ui::View overlay = ui::GeometryReader([handlers, labelView](const ui::GeometryProxy& geo) {
    return labelView
        .gesture(ui::TapGesture(1).onEnded([handlers] { handlers.handleTapEnded(); }), ui::GestureMask::all)
        .gesture(ui::DragGesture(0, ui::CoordinateSpace::local())
                     .onChanged([handlers](const ui::DragValue& value) { handlers.handleDragChanged(value); })
                     .onEnded([handlers, geo](const ui::DragValue& value) {
                       handlers.handleDragEnded(value, geo.size());
                     }),
                 ui::GestureMask::all);
  });
  auto style = std::make_shared<const Style>([handlers](bool pressed) { handlers.handlePressedChange(pressed); });
  return ui::Button([handlers] { handlers.release(true); }, labelView.overlay(overlay)).buttonStyle(style);
}

}  // namespace keyloom
