#include "keyloom/gestures/SpaceCursorDragGestureHandler.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/KeyboardController.h"
#include "platform/foundation/Text.h"

namespace keyloom {

SpaceCursorDragGestureHandler::SpaceCursorDragGestureHandler(std::shared_ptr<KeyboardFeedbackHandler> feedbackHandler,
                                                             SpaceDragSensitivity sensitivity,
                                                             double verticalThreshold, Action action)
    : feedbackHandler_(std::move(feedbackHandler)),
      sensitivity_(std::move(sensitivity)),
      verticalThreshold_(verticalThreshold),
      action_(std::move(action)) {}

SpaceCursorDragGestureHandler::SpaceCursorDragGestureHandler(const KeyboardContext& /*keyboardContext*/,
                                                             std::shared_ptr<KeyboardFeedbackHandler> feedbackHandler,
                                                             SpaceDragSensitivity sensitivity,
                                                             double verticalThreshold, Action action)
    : SpaceCursorDragGestureHandler(std::move(feedbackHandler), std::move(sensitivity), verticalThreshold,
                                    std::move(action)) {}

void SpaceCursorDragGestureHandler::handleDragGesture(platform::Point startLocation,
                                                      platform::Point currentLocation) {
  const auto stored = currentDragStartLocation();
  if (!stored || stored->x != startLocation.x || stored->y != startLocation.y) {
    setCurrentDragTextPositionOffset(0);
  }
  setCurrentDragStartLocation(startLocation);

  // Zero points per step, or locations that are not finite, give no step
  // count; converting such a quotient to an integer would be undefined.
  const double quotient =
      (startLocation.x - currentLocation.x) / static_cast<double>(sensitivity_.points());
  const double steps = std::trunc(quotient);
  constexpr double limit = 1.0e18;  // so the change between two counts fits in 64 bits
  if (!std::isfinite(steps) || std::abs(steps) > limit) return;
  const auto offset = static_cast<std::int64_t>(steps);

  const std::int64_t previous = currentDragTextPositionOffset();
  if (offset == previous) return;
  const std::int64_t delta = offset - previous;
  setCurrentDragTextPositionOffset(offset);
  if (std::abs(startLocation.y - currentLocation.y) < verticalThreshold_ && action_) action_(-delta);
}

SpaceCursorDragGestureHandler::Action standardSpaceDragCursorAction(std::weak_ptr<KeyboardController> controller,
                                                                    std::weak_ptr<KeyboardContext> context) {
  return [controller = std::move(controller), context = std::move(context)](std::int64_t offset) {
    if (auto keyboardContext = context.lock()) {
      if (auto proxy = keyboardContext->textDocumentProxy.get()) offset = spaceDragCharacterOffset(*proxy, offset);
    }
    auto keyboardController = controller.lock();
    if (!keyboardController) return;
    const auto clamped = std::clamp<std::int64_t>(offset, INT_MIN, INT_MAX);
    keyboardController->adjustTextPosition(static_cast<int>(clamped));
  };
}

std::int64_t spaceDragCharacterOffset(const platform::TextDocumentProxy& proxy, std::int64_t offset) {
  return offset * cursorStepCount(proxy, offset).value_or(1);
}

std::optional<std::int64_t> cursorStepCount(const platform::TextDocumentProxy& proxy, std::int64_t offset) {
  if (auto character = characterNextToCursor(proxy, offset)) return cursorStepCount(*character);
  return std::nullopt;
}

std::optional<std::string> characterNextToCursor(const platform::TextDocumentProxy& proxy, std::int64_t offset) {
  // Only the character beside the cursor is segmented: a drag steps many
  // times, and the text may be long.
  if (offset == 1) {
    const auto after = proxy.documentContextAfterInput();
    return after ? platform::text::firstGrapheme(*after) : std::nullopt;
  }
  if (offset == -1) {
    const auto before = proxy.documentContextBeforeInput();
    return before ? platform::text::lastGrapheme(*before) : std::nullopt;
  }
  return std::nullopt;
}

std::int64_t cursorStepCount(std::string_view character) {
  return std::max<std::int64_t>(1, static_cast<std::int64_t>(platform::text::graphemeCount(character)));
}

}  // namespace keyloom
