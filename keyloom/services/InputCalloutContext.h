#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "keyloom/state/KeyboardAction.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Geometry.h"
#include "platform/reactive/ObservableObject.h"
#include "platform/reactive/Published.h"
#include "platform/ui/GeometryProxy.h"

namespace keyloom {

// The state of the input callout: the enlarged copy of a pressed character or
// emoji shown above its key. Only character and emoji keys show one.
//
// Make it with std::make_shared: a delayed reset keeps the context alive
// until it has run.
class InputCalloutContext : public platform::ObservableObject,
                            public std::enable_shared_from_this<InputCalloutContext> {
 public:
  explicit InputCalloutContext(bool isEnabled);

  // The coordinate space that key frames are measured in for this callout.
  static std::string coordinateSpace();
  // A new, disabled context on every call.
  static std::shared_ptr<InputCalloutContext> disabled();
  // A new, enabled context on every call.
  static std::shared_ptr<InputCalloutContext> preview();

  // How long a callout stays after its key is released, in seconds.
  double minimumVisibleDuration = 0.05;
  // The time of the last press or release seen.
  platform::Date lastActionDate;

  // When false the callout never shows; the other fields still follow the keys.
  platform::Published<bool> isEnabled;
  platform::Published<std::optional<KeyboardAction>> action{*this, std::nullopt};
  // The pressed key's frame in coordinateSpace().
  platform::Published<platform::Rect> buttonFrame{*this, platform::Rect()};

  // The character or the emoji of the action; absent for every other action.
  std::optional<std::string> input() const;
  bool isActive() const { return isEnabled.get() && input().has_value(); }

  virtual void updateInput(const std::optional<KeyboardAction>& action, const platform::ui::GeometryProxy& geometry);
  virtual void reset();
  // Resets after minimumVisibleDuration, unless a press or release came in
  // between, so a quick tap still shows the callout for that long.
  virtual void resetWithDelay();

 private:
  // Counts presses and releases, so that two of them at the same clock
  // reading still tell apart which came last.
  std::uint64_t actionCount_ = 0;

  void recordAction(platform::Date date);
};

}  // namespace keyloom
