#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "keyloom/services/KeyboardActionHandler.h"
#include "keyloom/services/KeyboardCalloutContext.h"
#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardGesture.h"
#include "platform/foundation/Geometry.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/DragGesture.h"
#include "platform/ui/GeometryProxy.h"
#include "platform/ui/State.h"
#include "platform/ui/View.h"

namespace keyloom {

// Binds a key view to the keyboard's behaviour: lays a nearly invisible
// gesture button over the key and turns its events into the key's closures,
// keeping the input and action callouts in step with the finger.
//
// Use the keyboardButtonGestures functions below rather than building it.
struct KeyboardButtonGestures {
  using Action = std::function<void()>;
  using DragAction = std::function<void(platform::Point startLocation, platform::Point location)>;

  platform::ui::View view;
  std::optional<KeyboardAction> action;
  // None: no callouts.
  std::shared_ptr<KeyboardCalloutContext> calloutContext;
  platform::ui::Binding<bool> isPressed = platform::ui::Binding<bool>::constant(false);
  // Inside a scroll view the scroll-view gesture button is used.
  bool isInScrollView = false;
  // How far outside the key a release still counts, as a fraction of the
  // key's width and height.
  double releaseOutsideTolerance = 1.0;
  Action doubleTapAction = {};
  Action longPressAction = {};
  Action pressAction = {};
  Action releaseAction = {};
  Action repeatAction = {};
  DragAction dragAction = {};
  // Takes the events of `action` that have no closure above: each gesture
  // goes to handle(gesture, action), drags to handleDrag.
  std::shared_ptr<KeyboardActionHandler> actionHandler = nullptr;

  platform::ui::View body(platform::ui::BodyContext& context) const;

  // What the view keeps for the current touch.
  struct Tracking {
    std::optional<platform::ui::DragValue> lastDragValue;
    // False once the coming release must not run releaseAction.
    bool shouldApplyReleaseAction = true;
    // The touch was taken away rather than lifted (a scroll view took it, the
    // view left the screen, a menu opened): its end commits nothing.
    bool isCancelled = false;
  };

  // Whether `location` lies in the key's rectangle grown by the tolerance on
  // every side (left and top edges included, right and bottom excluded).
  static bool isWithinReleaseTolerance(platform::Point location, platform::Size size, double tolerance);

 private:
  // The gesture button over the key, its events bound to `self`.
  static platform::ui::View gestureButton(const std::shared_ptr<const KeyboardButtonGestures>& self,
                                          const platform::ui::GeometryProxy& geo,
                                          const std::shared_ptr<Tracking>& tracking);
  // Runs `closure`, or else hands `gesture` to the action handler.
  void perform(KeyboardGesture gesture, const Action& closure) const;
  void handlePress(const platform::ui::GeometryProxy& geo) const;
  void handleDrag(const platform::ui::DragValue& value, Tracking& tracking) const;
  void handleDragEnd(const platform::ui::DragValue& value, Tracking& tracking) const;
  void handleLongPress(const platform::ui::GeometryProxy& geo, Tracking& tracking) const;
  void handleReleaseInside(Tracking& tracking) const;
  void handleReleaseOutside(const platform::ui::GeometryProxy& geo, Tracking& tracking) const;
  void handleEnd(Tracking& tracking) const;
};

// Wires every gesture of the key to the action handler: press, release,
// double tap, long press and repeat press to handle(gesture, action), drags to
// handleDrag. The next-keyboard key becomes the platform's input-mode button.
platform::ui::View keyboardButtonGestures(platform::ui::View view, const KeyboardAction& action,
                                          std::shared_ptr<KeyboardActionHandler> actionHandler,
                                          std::shared_ptr<KeyboardCalloutContext> calloutContext,
                                          platform::ui::Binding<bool> isPressed, bool isInScrollView,
                                          double releaseOutsideTolerance);

// The same with the key's events as closures; an absent closure is skipped.
platform::ui::View keyboardButtonGestures(platform::ui::View view, std::optional<KeyboardAction> action,
                                          std::shared_ptr<KeyboardCalloutContext> calloutContext,
                                          platform::ui::Binding<bool> isPressed, bool isInScrollView,
                                          double releaseOutsideTolerance,
                                          KeyboardButtonGestures::Action doubleTapAction,
                                          KeyboardButtonGestures::Action longPressAction,
                                          KeyboardButtonGestures::Action pressAction,
                                          KeyboardButtonGestures::Action releaseAction,
                                          KeyboardButtonGestures::Action repeatAction,
                                          KeyboardButtonGestures::DragAction dragAction);

// The two forms above with a release tolerance of one key size.
platform::ui::View keyboardGestures(platform::ui::View view, const KeyboardAction& action,
                                    std::shared_ptr<KeyboardActionHandler> actionHandler,
                                    std::shared_ptr<KeyboardCalloutContext> calloutContext, bool isInScrollView,
                                    platform::ui::Binding<bool> isPressed);

platform::ui::View keyboardGestures(platform::ui::View view, std::optional<KeyboardAction> action,
                                    std::shared_ptr<KeyboardCalloutContext> calloutContext, bool isInScrollView,
                                    platform::ui::Binding<bool> isPressed,
                                    KeyboardButtonGestures::Action doubleTapAction,
                                    KeyboardButtonGestures::Action longPressAction,
                                    KeyboardButtonGestures::Action pressAction,
                                    KeyboardButtonGestures::Action releaseAction,
                                    KeyboardButtonGestures::Action repeatAction,
                                    KeyboardButtonGestures::DragAction dragAction);

}  // namespace keyloom
