#include "keyloom/gestures/GestureButton.h"

#include <utility>

#include "platform/foundation/MainQueue.h"
#include "platform/ui/GeometryProxy.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/Shape.h"

namespace keyloom {

namespace ui = platform::ui;

ui::View GestureButton::body(ui::BodyContext& context) const {
  const ui::State<bool> isPressed = context.state(false);
  const auto tracking = context.stateMadeBy([] { return std::make_shared<Tracking>(); }).get();
  // The gesture's closures share this value with the node, and there is no
  // geometry reader: the button asks for its size only when a touch ends,
  // and a reader would build it again after every layout.
  const auto button = context.shared(*this);
  const ui::GeometryProxy geo = context.geometry();

  ui::View labelView = label ? label(isPressed.get()) : ui::View();
  auto drag = ui::DragGesture(0, ui::CoordinateSpace::local())
                  .onChanged([button, isPressed, tracking](const ui::DragValue& value) {
                    button->handleChanged(value, isPressed, tracking);
                  })
                  .onEnded([button, isPressed, tracking, geo](const ui::DragValue& value) {
                    button->handleEnded(value, geo.size(), isPressed, tracking);
                  });
  return std::move(labelView)
      .overlay(ui::View(ui::Color::clear())
                   .contentShape(ui::Rectangle())
                   .gesture(std::move(drag), ui::GestureMask::all))
      .onDisappear([tracking] { tracking->isRemoved = true; })
      .accessibilityAddTraits(ui::AccessibilityTrait::isButton);
}

void GestureButton::handleChanged(const ui::DragValue& value, const ui::State<bool>& isPressed,
                                  const std::shared_ptr<Tracking>& tracking) const {
  if (!isPressed.get()) {
    setPressed(isPressed, true);
    if (pressAction) pressAction();
    if (dragStartAction) dragStartAction(value);
    const std::uint64_t touch = ++tracking->touch;
    if (longPressAction) {
      auto action = longPressAction;
      platform::MainQueue::main().asyncAfter(longPressDelay, [tracking, touch, action] {
        if (!tracking->isRemoved && tracking->touch == touch) action();
      });
    }
    if (repeatAction) {
      auto action = repeatAction;
      auto repeatTimer = timer();
      platform::MainQueue::main().asyncAfter(repeatDelay, [tracking, touch, action, repeatTimer] {
        if (!tracking->isRemoved && tracking->touch == touch) repeatTimer->start(action);
      });
    }
  }
  if (dragAction) dragAction(value);
}

void GestureButton::handleEnded(const ui::DragValue& value, platform::Size size,
                                const ui::State<bool>& isPressed,
                                const std::shared_ptr<Tracking>& tracking) const {
  if (!isPressed.get()) return;
  setPressed(isPressed, false);
  ++tracking->touch;  // pending long press and repeat start are void now
  timer()->stop();
  const platform::Date now = platform::Date::now();
  // A cancelled touch was not lifted: it is neither a release nor a tap.
  if (!value.isCancelled) {
    if (now.timeIntervalSince(tracking->releaseDate) < doubleTapTimeout) {
      if (doubleTapAction) doubleTapAction();
      tracking->releaseDate = platform::Date::distantPast();  // no pair with the next release
    } else {
      tracking->releaseDate = now;
    }
  }
  if (dragEndAction) dragEndAction(value);
  if (!value.isCancelled) {
    const platform::Point p = value.location;
    const bool inside = p.x > 0 && p.y > 0 && p.x < size.width && p.y < size.height;
    const Action& release = inside ? releaseInsideAction : releaseOutsideAction;
    if (release) release();
  }
  if (endAction) endAction();
}

void GestureButton::setPressed(const ui::State<bool>& isPressed, bool pressed) const {
  isPressed.set(pressed);
  if (isPressedBinding) isPressedBinding->set(pressed);
}

std::shared_ptr<RepeatGestureTimer> GestureButton::timer() const {
  return repeatTimer ? repeatTimer : RepeatGestureTimer::shared();
}

}  // namespace keyloom
