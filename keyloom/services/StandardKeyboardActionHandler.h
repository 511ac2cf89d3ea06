#pragma once

#include <memory>
#include <optional>

#include "keyloom/autocomplete/AutocompleteContext.h"
#include "keyloom/gestures/DragGestureHandler.h"
#include "keyloom/gestures/KeyboardFeedbackHandler.h"
#include "keyloom/gestures/SpaceDragSensitivity.h"
#include "keyloom/services/KeyboardActionHandler.h"
#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardBehavior.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/KeyboardController.h"
#include "keyloom/state/KeyboardGesture.h"
#include "platform/foundation/Geometry.h"
#include "platform/input/TextDocumentProxy.h"

namespace keyloom {

class KeyboardServicesController;

// The pipeline every key gesture runs. For a gesture on an action, in order:
// a replacement (a quotation mark for the locale, or a letter form the
// locale prefers) re-enters the pipeline in the action's place and ends the
// run; feedback; the space bar's drag state; the action's closure for the
// gesture (none ends the run); removal of a space autocomplete inserted; the
// current suggestion where the action ends a word; the closure itself;
// re-insertion of the removed space; the end of a sentence; the keyboard type
// the behaviour asks for; the emoji as recently used; and the controller's
// autocomplete and text context sync.
//
// Every step is virtual and called through this object, so a subclass
// replaces one step and keeps the rest. The handler's own steps edit the
// keyboard context's current proxy; the closures and the two closing calls go
// through the controller, which the handler never keeps alive.
class StandardKeyboardActionHandler : public KeyboardActionHandler {
 public:
  // Takes the controller (held weakly) and, in this order, its autocomplete
  // context, behaviour, keyboard context and feedback handler. Without a drag
  // handler the space bar moves the cursor with the given sensitivity.
  StandardKeyboardActionHandler(const std::shared_ptr<KeyboardServicesController>& inputViewController,
                                std::shared_ptr<DragGestureHandler> spaceDragGestureHandler,
                                SpaceDragSensitivity spaceDragSensitivity);
  StandardKeyboardActionHandler(const std::shared_ptr<KeyboardController>& keyboardController,
                                std::shared_ptr<KeyboardContext> keyboardContext,
                                std::shared_ptr<KeyboardBehavior> keyboardBehavior,
                                std::shared_ptr<KeyboardFeedbackHandler> keyboardFeedbackHandler,
                                std::shared_ptr<AutocompleteContext> autocompleteContext,
                                std::shared_ptr<DragGestureHandler> spaceDragGestureHandler,
                                SpaceDragSensitivity spaceDragSensitivity);

  // ---- Collaborators
  virtual std::shared_ptr<KeyboardController> keyboardController() const { return keyboardController_.lock(); }
  virtual void setKeyboardController(std::weak_ptr<KeyboardController> controller) {
    keyboardController_ = std::move(controller);
  }
  const std::shared_ptr<AutocompleteContext>& autocompleteContext() const { return autocompleteContext_; }
  const std::shared_ptr<KeyboardBehavior>& keyboardBehavior() const { return keyboardBehavior_; }
  const std::shared_ptr<KeyboardContext>& keyboardContext() const { return keyboardContext_; }
  const std::shared_ptr<KeyboardFeedbackHandler>& keyboardFeedbackHandler() const { return keyboardFeedbackHandler_; }
  const std::shared_ptr<DragGestureHandler>& spaceDragGestureHandler() const { return spaceDragGestureHandler_; }
  // The keyboard context's current proxy, read anew at every use.
  virtual std::shared_ptr<platform::TextDocumentProxy> textDocumentProxy() const;

  // ---- The space bar's drag state: idle, armed by a long press, dragging
  // from the anchor set by the first drag event after it.
  virtual bool isSpaceDragGestureActive() const { return isSpaceDragGestureActive_; }
  virtual void setIsSpaceDragGestureActive(bool active) { isSpaceDragGestureActive_ = active; }
  virtual std::optional<platform::Point> spaceDragActivationLocation() const { return spaceDragActivationLocation_; }
  virtual void setSpaceDragActivationLocation(std::optional<platform::Point> location) {
    spaceDragActivationLocation_ = location;
  }

  // ---- KeyboardActionHandler
  // Whether the action has a closure for the gesture.
  bool canHandle(KeyboardGesture gesture, const KeyboardAction& action) override;
  // Runs the action's standard closure with the controller, and nothing else.
  void handle(const KeyboardAction& action) override;
  void handle(KeyboardGesture gesture, const KeyboardAction& action) override;
  // Moves the cursor while an armed space bar is dragged and a long press on
  // space moves the cursor; `from` is not used (the anchor is).
  void handleDrag(const KeyboardAction& action, platform::Point from, platform::Point to) override;

  // ---- The pipeline and its steps
  // `replaced`: the action is itself a replacement, which is never replaced.
  virtual void handle(KeyboardGesture gesture, const KeyboardAction& action, bool replaced);
  // The action's standard closure for the gesture; empty when it has none.
  virtual KeyboardActionClosure action(KeyboardGesture gesture, const KeyboardAction& action);
  // On release only: the locale's quotation mark for a typed one, else for
  // locales whose identifier begins with "ckb" U+0647 for U+06BE.
  virtual std::optional<KeyboardAction> replacementAction(KeyboardGesture gesture, const KeyboardAction& action);
  // A press when the action has a release or press closure; never a release;
  // any other gesture when the action has a closure for it.
  virtual bool shouldTriggerFeedback(KeyboardGesture gesture, const KeyboardAction& action);
  virtual void triggerFeedback(KeyboardGesture gesture, const KeyboardAction& action);
  // A press on space disarms the drag and forgets the last drag's offset and
  // anchor, so the next space applies autocorrection again; a long press
  // on space arms it.
  virtual void tryUpdateSpaceDragState(KeyboardGesture gesture, const KeyboardAction& action);
  virtual void tryApplyAutocompleteSuggestion(KeyboardGesture gesture, const KeyboardAction& action);
  virtual void tryChangeKeyboardType(KeyboardGesture gesture, const KeyboardAction& action);
  virtual void tryEndSentence(KeyboardGesture gesture, const KeyboardAction& action);
  // True when a replacement was handled in the action's place.
  virtual bool tryHandleReplacementAction(KeyboardGesture gesture, const KeyboardAction& action);
  virtual void tryRegisterEmoji(KeyboardGesture gesture, const KeyboardAction& action);
  virtual void tryReinsertAutocompleteRemovedSpace(KeyboardGesture gesture, const KeyboardAction& action);
  virtual void tryRemoveAutocompleteInsertedSpace(KeyboardGesture gesture, const KeyboardAction& action);

 private:
  std::weak_ptr<KeyboardController> keyboardController_;
  std::shared_ptr<AutocompleteContext> autocompleteContext_;
  std::shared_ptr<KeyboardBehavior> keyboardBehavior_;
  std::shared_ptr<KeyboardContext> keyboardContext_;
  std::shared_ptr<KeyboardFeedbackHandler> keyboardFeedbackHandler_;
  std::shared_ptr<DragGestureHandler> spaceDragGestureHandler_;
  bool isSpaceDragGestureActive_ = false;
  std::optional<platform::Point> spaceDragActivationLocation_;
};

}  // namespace keyloom
