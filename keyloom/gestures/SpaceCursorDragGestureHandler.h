#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "keyloom/gestures/DragGestureHandler.h"
#include "keyloom/gestures/KeyboardFeedbackHandler.h"
#include "keyloom/gestures/SpaceDragSensitivity.h"
#include "platform/input/TextDocumentProxy.h"

namespace keyloom {

class KeyboardContext;
class KeyboardController;

// Turns the horizontal travel of a finger on the space bar into cursor moves:
// one step per `sensitivity.points()` points, reported as the change since the
// last call. A drag is identified by its start location; a new start begins a
// new count. Steps taken while the finger is `verticalThreshold` points or
// more above or below the start are counted but not reported.
class SpaceCursorDragGestureHandler : public DragGestureHandler {
 public:
  // Called with the characters to move: positive forward, negative backward.
  using Action = std::function<void(std::int64_t)>;

  SpaceCursorDragGestureHandler(std::shared_ptr<KeyboardFeedbackHandler> feedbackHandler,
                                SpaceDragSensitivity sensitivity, double verticalThreshold, Action action);
  // The context is not kept.
  SpaceCursorDragGestureHandler(const KeyboardContext& keyboardContext,
                                std::shared_ptr<KeyboardFeedbackHandler> feedbackHandler,
                                SpaceDragSensitivity sensitivity, double verticalThreshold, Action action);

  // Kept for subclasses; the drag itself gives no feedback.
  const std::shared_ptr<KeyboardFeedbackHandler>& feedbackHandler() const { return feedbackHandler_; }
  const SpaceDragSensitivity& sensitivity() const { return sensitivity_; }
  double verticalThreshold() const { return verticalThreshold_; }

  virtual std::optional<platform::Point> currentDragStartLocation() const { return currentDragStartLocation_; }
  virtual void setCurrentDragStartLocation(std::optional<platform::Point> location) {
    currentDragStartLocation_ = location;
  }
  virtual std::int64_t currentDragTextPositionOffset() const { return currentDragTextPositionOffset_; }
  virtual void setCurrentDragTextPositionOffset(std::int64_t offset) { currentDragTextPositionOffset_ = offset; }

  void handleDragGesture(platform::Point startLocation, platform::Point currentLocation) override;

 private:
  std::shared_ptr<KeyboardFeedbackHandler> feedbackHandler_;
  SpaceDragSensitivity sensitivity_;
  double verticalThreshold_;
  Action action_;
  std::optional<platform::Point> currentDragStartLocation_;
  std::int64_t currentDragTextPositionOffset_ = 0;
};

// The cursor move the standard action handler makes for a space drag: the
// offset widened by spaceDragCharacterOffset on the context's current proxy,
// then handed to the controller. Neither is owned; a missing context leaves
// the offset as it is, a missing controller moves nothing.
SpaceCursorDragGestureHandler::Action standardSpaceDragCursorAction(std::weak_ptr<KeyboardController> controller,
                                                                    std::weak_ptr<KeyboardContext> context);

// ---- Cursor steps next to the cursor, on any text document proxy.

// A one-character step over the character next to the cursor, in the proxy's
// offset units; other offsets are passed on as they are.
std::int64_t spaceDragCharacterOffset(const platform::TextDocumentProxy& proxy, std::int64_t offset);
// The steps the character next to the cursor takes; absent when there is none.
std::optional<std::int64_t> cursorStepCount(const platform::TextDocumentProxy& proxy, std::int64_t offset);
// For offset 1 the first character after the cursor, for -1 the last one
// before it; absent for other offsets and when there is no such text.
std::optional<std::string> characterNextToCursor(const platform::TextDocumentProxy& proxy, std::int64_t offset);
// How many proxy offsets the character spans. Proxies count offsets in
// characters (grapheme clusters), so any character, an emoji of several
// scalars included, is one step: the cursor moves over whole emojis and
// never lands inside one.
std::int64_t cursorStepCount(std::string_view character);

}  // namespace keyloom
