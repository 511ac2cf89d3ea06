#include "keyloom/views/KeyboardButtonGestures.h"

#include <utility>

#include "keyloom/gestures/GestureButton.h"
#include "keyloom/gestures/GestureButtonDefaults.h"
#include "keyloom/gestures/ScrollViewGestureButton.h"
#include "keyloom/services/NextKeyboardController.h"
#include "keyloom/state/KeyboardGesture.h"
#include "keyloom/state/RepeatGestureTimer.h"
#include "keyloom/views/NextKeyboardButton.h"
#include "platform/ui/Color.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

namespace ui = platform::ui;

namespace {

// Nearly invisible, yet it still takes touches.
ui::View touchableLabel(bool /*isPressed*/) {
  static const ui::Color nearlyClear = ui::Color::white().opacity(0.001);
  return ui::View(nearlyClear);
}

// The platform button decides between switching keyboards and listing them.
ui::View nextKeyboardButton(ui::View view) {
  return ui::View(NextKeyboardButton(NextKeyboardController::shared(), false, [view] { return view; }));
}

}  // namespace

ui::View KeyboardButtonGestures::body(ui::BodyContext& context) const {
  const auto tracking = context.stateMadeBy([] { return std::make_shared<Tracking>(); }).get();
  // All the closures below share this value with the node: copying the
  // key's closures into each of them would cost more than the key itself.
  const auto self = context.shared(*this);
  // The key measures itself only when a gesture asks, so it needs no
  // geometry reader (which would build the button again after each layout).
  return view.overlay(gestureButton(self, context.geometry(), tracking));
}

ui::View KeyboardButtonGestures::gestureButton(const std::shared_ptr<const KeyboardButtonGestures>& self,
                                               const ui::GeometryProxy& geo,
                                               const std::shared_ptr<Tracking>& tracking) {
  const bool inScrollView = self->isInScrollView;
  const ui::Binding<bool> pressed = self->isPressed;
  // The timing defaults are read now, so a change shows at the next evaluation.
  const auto longPressDelay = GestureButtonDefaults::longPressDelay();
  const auto doubleTapTimeout = GestureButtonDefaults::doubleTapTimeout();
  auto press = [self, geo] { self->handlePress(geo); };
  auto releaseInside = [self, tracking] { self->handleReleaseInside(*tracking); };
  auto releaseOutside = [self, geo, tracking] { self->handleReleaseOutside(geo, *tracking); };
  auto longPress = [self, geo, tracking] { self->handleLongPress(geo, *tracking); };
  auto doubleTap = [self] { self->perform(KeyboardGesture::doubleTap, self->doubleTapAction); };
  auto repeat = [self] { self->perform(KeyboardGesture::repeatPress, self->repeatAction); };
  auto drag = [self, tracking](const ui::DragValue& value) { self->handleDrag(value, *tracking); };
  auto dragEnd = [self, tracking](const ui::DragValue& value) { self->handleDragEnd(value, *tracking); };
  auto end = [self, tracking] { self->handleEnd(*tracking); };

  if (inScrollView) {
    return ui::View(ScrollViewGestureButton{
        .isPressedBinding = pressed,
        .pressAction = press,
        .releaseInsideAction = releaseInside,
        .releaseOutsideAction = releaseOutside,
        .longPressDelay = longPressDelay,
        .longPressAction = longPress,
        .doubleTapTimeout = doubleTapTimeout,
        .doubleTapAction = doubleTap,
        .repeatTimer = RepeatGestureTimer::shared(),
        .repeatAction = repeat,
        .dragStartAction = {},
        .dragAction = drag,
        .dragEndAction = dragEnd,
        .endAction = end,
        .label = touchableLabel,
    });
  }
  return ui::View(GestureButton{
      .isPressedBinding = pressed,
      .pressAction = press,
      .releaseInsideAction = releaseInside,
      .releaseOutsideAction = releaseOutside,
      .longPressDelay = longPressDelay,
      .longPressAction = longPress,
      .doubleTapTimeout = doubleTapTimeout,
      .doubleTapAction = doubleTap,
      .repeatDelay = GestureButtonDefaults::repeatDelay(),
      .repeatTimer = RepeatGestureTimer::shared(),
      .repeatAction = repeat,
      .dragStartAction = {},
      .dragAction = drag,
      .dragEndAction = dragEnd,
      .endAction = end,
      .label = touchableLabel,
  });
}

bool KeyboardButtonGestures::isWithinReleaseTolerance(platform::Point location, platform::Size size,
                                                      double tolerance) {
  const double dx = size.width * tolerance;
  const double dy = size.height * tolerance;
  return location.x >= -dx && location.x < size.width + dx && location.y >= -dy &&
         location.y < size.height + dy;
}

void KeyboardButtonGestures::perform(KeyboardGesture gesture, const Action& closure) const {
  if (closure) {
    closure();
  } else if (actionHandler && action) {
    actionHandler->handle(gesture, *action);
  }
}

void KeyboardButtonGestures::handlePress(const ui::GeometryProxy& geo) const {
  perform(KeyboardGesture::press, pressAction);
  if (calloutContext) calloutContext->input()->updateInput(action, geo);
}

void KeyboardButtonGestures::handleDrag(const ui::DragValue& value, Tracking& tracking) const {
  tracking.lastDragValue = value;
  if (calloutContext) calloutContext->action()->updateSelection(value.translation);
  if (dragAction) {
    dragAction(value.startLocation, value.location);
  } else if (actionHandler && action) {
    actionHandler->handleDrag(*action, value.startLocation, value.location);
  }
}

void KeyboardButtonGestures::handleDragEnd(const ui::DragValue& value, Tracking& tracking) const {
  tracking.isCancelled = value.isCancelled;
}

void KeyboardButtonGestures::handleLongPress(const ui::GeometryProxy& geo, Tracking& tracking) const {
  // After a long press on the space bar the release inserts no space.
  if (action == KeyboardAction::space()) tracking.shouldApplyReleaseAction = false;
  if (calloutContext) {
    calloutContext->action()->updateInputs(action, geo, std::nullopt);
    // The input callout gives way to the action callout.
    if (!calloutContext->action()->actions.get().empty()) calloutContext->input()->reset();
  }
  perform(KeyboardGesture::longPress, longPressAction);
}

void KeyboardButtonGestures::handleReleaseInside(Tracking& tracking) const {
  // While a callout entry is selected, the end of the touch performs it
  // instead of the key's own release.
  if (calloutContext && tracking.shouldApplyReleaseAction) {
    tracking.shouldApplyReleaseAction = !calloutContext->action()->selectedAction().has_value();
  }
  if (tracking.shouldApplyReleaseAction) perform(KeyboardGesture::release, releaseAction);
}

void KeyboardButtonGestures::handleReleaseOutside(const ui::GeometryProxy& geo, Tracking& tracking) const {
  if (!tracking.lastDragValue) return;
  if (isWithinReleaseTolerance(tracking.lastDragValue->location, geo.size(), releaseOutsideTolerance)) {
    handleReleaseInside(tracking);
  }
}

void KeyboardButtonGestures::handleEnd(Tracking& tracking) const {
  if (calloutContext) {
    // A touch taken away closes the action callout without typing its entry.
    if (!tracking.isCancelled) calloutContext->action()->endDragGesture();
    calloutContext->input()->resetWithDelay();
    calloutContext->action()->reset();
  }
  tracking.lastDragValue = std::nullopt;
  tracking.shouldApplyReleaseAction = true;
  tracking.isCancelled = false;
}

ui::View keyboardButtonGestures(ui::View view, const KeyboardAction& action,
                                std::shared_ptr<KeyboardActionHandler> actionHandler,
                                std::shared_ptr<KeyboardCalloutContext> calloutContext,
                                ui::Binding<bool> isPressed, bool isInScrollView,
                                double releaseOutsideTolerance) {
  if (action == KeyboardAction::nextKeyboard()) return nextKeyboardButton(std::move(view));
  return ui::View(KeyboardButtonGestures{
      .view = std::move(view),
      .action = action,
      .calloutContext = std::move(calloutContext),
      .isPressed = std::move(isPressed),
      .isInScrollView = isInScrollView,
      .releaseOutsideTolerance = releaseOutsideTolerance,
      .actionHandler = std::move(actionHandler),
  });
}

ui::View keyboardButtonGestures(
    ui::View view, std::optional<KeyboardAction> action,
    std::shared_ptr<KeyboardCalloutContext> calloutContext, ui::Binding<bool> isPressed, bool isInScrollView,
    double releaseOutsideTolerance, KeyboardButtonGestures::Action doubleTapAction,
    KeyboardButtonGestures::Action longPressAction, KeyboardButtonGestures::Action pressAction,
    KeyboardButtonGestures::Action releaseAction, KeyboardButtonGestures::Action repeatAction,
    KeyboardButtonGestures::DragAction dragAction) {
  if (action == KeyboardAction::nextKeyboard()) return nextKeyboardButton(std::move(view));
  return ui::View(KeyboardButtonGestures{
      .view = std::move(view),
      .action = std::move(action),
      .calloutContext = std::move(calloutContext),
      .isPressed = std::move(isPressed),
      .isInScrollView = isInScrollView,
      .releaseOutsideTolerance = releaseOutsideTolerance,
      .doubleTapAction = std::move(doubleTapAction),
      .longPressAction = std::move(longPressAction),
      .pressAction = std::move(pressAction),
      .releaseAction = std::move(releaseAction),
      .repeatAction = std::move(repeatAction),
      .dragAction = std::move(dragAction),
  });
}

ui::View keyboardGestures(ui::View view, const KeyboardAction& action,
                          std::shared_ptr<KeyboardActionHandler> actionHandler,
                          std::shared_ptr<KeyboardCalloutContext> calloutContext, bool isInScrollView,
                          ui::Binding<bool> isPressed) {
  return keyboardButtonGestures(std::move(view), action, std::move(actionHandler), std::move(calloutContext),
                                std::move(isPressed), isInScrollView, 1.0);
}

ui::View keyboardGestures(ui::View view, std::optional<KeyboardAction> action,
                          std::shared_ptr<KeyboardCalloutContext> calloutContext, bool isInScrollView,
                          ui::Binding<bool> isPressed, KeyboardButtonGestures::Action doubleTapAction,
                          KeyboardButtonGestures::Action longPressAction,
                          KeyboardButtonGestures::Action pressAction,
                          KeyboardButtonGestures::Action releaseAction,
                          KeyboardButtonGestures::Action repeatAction,
                          KeyboardButtonGestures::DragAction dragAction) {
  return keyboardButtonGestures(std::move(view), std::move(action), std::move(calloutContext),
                                std::move(isPressed), isInScrollView, 1.0, std::move(doubleTapAction),
                                std::move(longPressAction), std::move(pressAction), std::move(releaseAction),
                                std::move(repeatAction), std::move(dragAction));
}

}  // namespace keyloom
