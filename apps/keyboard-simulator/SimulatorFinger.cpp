#include "apps/keyboard-simulator/SimulatorFinger.h"

#include "keyloom/gestures/GestureButtonDefaults.h"
#include "keyloom/gestures/RepeatGestureTimer.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/MainQueue.h"

namespace keyboard_simulator {

using keyloom::KeyboardAction;
using keyloom::KeyboardGesture;

SimulatorFinger::SimulatorFinger(GestureHandler handler) : touch_(std::make_shared<Touch>()) {
  touch_->handler = std::move(handler);
}

SimulatorFinger::~SimulatorFinger() {
  if (touch_->key) keyloom::RepeatGestureTimer::shared()->stop();
}

void SimulatorFinger::tap(const KeyboardAction& key) {
  press(key);
  lift();
}

void SimulatorFinger::hold(const KeyboardAction& key, platform::TimeInterval seconds) {
  press(key);
  platform::MainQueue::main().advance(seconds);
  lift();
}

void SimulatorFinger::press(const KeyboardAction& key) {
  if (touch_->key) lift();
  Touch& touch = *touch_;
  touch.key = key;
  touch.number += 1;
  touch.applyRelease = true;
  touch.handler(KeyboardGesture::press, key);

  const std::uint64_t number = touch.number;
  std::weak_ptr<Touch> weakTouch = touch_;
  platform::MainQueue::main().asyncAfter(keyloom::GestureButtonDefaults::longPressDelay(), [weakTouch, number] {
    auto touch = weakTouch.lock();
    if (!touch || touch->number != number || !touch->key) return;
    // After a long press the space bar moves the cursor instead of typing.
    if (touch->key->is<keyloom::keyboard_action::Space>()) touch->applyRelease = false;
    touch->handler(KeyboardGesture::longPress, *touch->key);
  });
  platform::MainQueue::main().asyncAfter(keyloom::GestureButtonDefaults::repeatDelay(), [weakTouch, number] {
    auto touch = weakTouch.lock();
    if (!touch || touch->number != number || !touch->key) return;
    keyloom::RepeatGestureTimer::shared()->start([weakTouch, number] {
      auto touch = weakTouch.lock();
      if (touch && touch->number == number && touch->key) touch->handler(KeyboardGesture::repeatPress, *touch->key);
    });
  });
}

void SimulatorFinger::lift() {
  Touch& touch = *touch_;
  if (!touch.key) return;
  const KeyboardAction key = *touch.key;
  touch.key.reset();
  touch.number += 1;  // the pending long press and repeat start of this touch are void now
  keyloom::RepeatGestureTimer::shared()->stop();

  const platform::Date now = platform::Clock::current().now();
  if (touch.lastReleasedKey == key &&
      now.timeIntervalSince(touch.lastRelease) < keyloom::GestureButtonDefaults::doubleTapTimeout()) {
    touch.handler(KeyboardGesture::doubleTap, key);
    touch.lastRelease = platform::Date::distantPast();
  } else {
    touch.lastRelease = now;
  }
  touch.lastReleasedKey = key;
  if (touch.applyRelease) touch.handler(KeyboardGesture::release, key);
}

}  // namespace keyboard_simulator
