#include "keyloom/autocomplete/EmojiKeyboardKey.h"

#include "keyloom/gestures/GestureButton.h"
#include "keyloom/gestures/ScrollViewGestureButton.h"
#include "platform/ui/GeometryProxy.h"
#include "platform/ui/UI.h"

namespace keyloom {

namespace ui = platform::ui;

bool EmojiKeyboardKey::isWithinTolerance(platform::Point point, platform::Size size, double tolerance) {
  const double dx = size.width * tolerance;
  const double dy = size.height * tolerance;
  return point.x >= -dx && point.x < size.width + dx && point.y >= -dy && point.y < size.height + dy;
}

namespace {

// The gesture button's events, in either button flavour.
template <class Button>
Button makeButton(const KeyboardAction& action, const std::shared_ptr<KeyboardActionHandler>& handler,
                  std::function<ui::View(bool)> label, platform::Size size, double tolerance,
                  const std::shared_ptr<std::optional<platform::Point>>& lastLocation) {
  auto send = [handler, action](KeyboardGesture gesture) {
    return [handler, action, gesture] {
      if (handler) handler->handle(gesture, action);
    };
  };
  auto drag = [handler, action, lastLocation](const ui::DragValue& value) {
    *lastLocation = value.location;
    if (handler) handler->handleDrag(action, value.startLocation, value.location);
  };
  Button button;
  button.pressAction = [send, lastLocation] {
    *lastLocation = std::nullopt;
    send(KeyboardGesture::press)();
  };
  button.releaseInsideAction = send(KeyboardGesture::release);
  button.releaseOutsideAction = [send, lastLocation, size, tolerance] {
    const auto location = *lastLocation;
    if (location && EmojiKeyboardKey::isWithinTolerance(*location, size, tolerance)) {
      send(KeyboardGesture::release)();
    }
  };
  button.longPressAction = send(KeyboardGesture::longPress);
  button.doubleTapAction = send(KeyboardGesture::doubleTap);
  button.repeatAction = send(KeyboardGesture::repeatPress);
  button.dragStartAction = drag;
  button.dragAction = drag;
  button.label = std::move(label);
  return button;
}

}  // namespace

ui::View EmojiKeyboardKey::body(ui::BodyContext& context) const {
  // Kept in a shared box so that recording it does not re-evaluate the key.
  auto lastLocation = context.state(std::make_shared<std::optional<platform::Point>>()).get();
  auto self = *this;
  // The gestures lie over the label at its size, so the label alone decides
  // how big the key is. The nearly clear fill still takes touches.
  auto touchArea = [](bool) { return ui::View(ui::Color::white(1, 0.001)); };
  ui::View gestures = ui::GeometryReader([self, lastLocation, touchArea](const ui::GeometryProxy& proxy) -> ui::View {
    const platform::Size size = proxy.size();
    if (self.isInScrollView) {
      return ui::View(makeButton<ScrollViewGestureButton>(self.action, self.actionHandler, touchArea, size,
                                                          self.releaseOutsideTolerance, lastLocation));
    }
    return ui::View(makeButton<GestureButton>(self.action, self.actionHandler, touchArea, size,
                                              self.releaseOutsideTolerance, lastLocation));
  });
  ui::View label = self.label ? self.label(false) : ui::View();
  return label.overlay(gestures);
}

}  // namespace keyloom
