#include "keyloom/services/InputCalloutContext.h"

#include "keyloom/core/LibraryKeyPrefix.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/MainQueue.h"

namespace keyloom {

InputCalloutContext::InputCalloutContext(bool isEnabled)
    : lastActionDate(platform::Clock::current().now()), isEnabled(*this, isEnabled) {}

std::string InputCalloutContext::coordinateSpace() {
  return std::string(libraryKeyPrefix) + ".coordinate.InputCallout";
}

std::shared_ptr<InputCalloutContext> InputCalloutContext::disabled() {
  return std::make_shared<InputCalloutContext>(false);
}

std::optional<std::string> InputCalloutContext::input() const {
  const auto& current = action.get();
  return current ? current->inputCalloutText() : std::nullopt;
}

void InputCalloutContext::recordAction(platform::Date date) {
  lastActionDate = date;
  ++actionCount_;
}

void InputCalloutContext::updateInput(const std::optional<KeyboardAction>& newAction,
                                      const platform::ui::GeometryProxy& geometry) {
  recordAction(platform::Clock::current().now());
  action.set(newAction);
  buttonFrame.set(geometry.frame(platform::ui::CoordinateSpace::named(coordinateSpace())));
}

void InputCalloutContext::reset() {
  action.set(std::nullopt);
  buttonFrame.set(platform::Rect());
}

void InputCalloutContext::resetWithDelay() {
  const double delay = minimumVisibleDuration;
  const platform::Date releaseDate = platform::Clock::current().now();
  recordAction(releaseDate);
  const std::uint64_t releaseCount = actionCount_;
  auto self = weak_from_this().lock();
  if (!self) return;  // not shared-owned: nothing may outlive this call
  platform::MainQueue::main().asyncAfter(delay, [self, releaseDate, releaseCount] {
    if (self->lastActionDate > releaseDate || self->actionCount_ != releaseCount) return;
    self->reset();
  });
}

}  // namespace keyloom
