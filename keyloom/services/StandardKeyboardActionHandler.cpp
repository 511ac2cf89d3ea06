#include "keyloom/services/StandardKeyboardActionHandler.h"

#include <algorithm>

#include "keyloom/gestures/SpaceCursorDragGestureHandler.h"
#include "keyloom/services/KeyboardServicesController.h"
#include "keyloom/state/EmojiCategory.h"
#include "keyloom/state/SpaceLongPressBehavior.h"
#include "keyloom/text/KeyboardCharacters.h"
#include "keyloom/text/TextDocumentProxyOperations.h"

namespace keyloom {

namespace {

// Points a finger may stray above or below the space bar while it still
// moves the cursor.
constexpr double kSpaceDragVerticalThreshold = 50;

std::shared_ptr<DragGestureHandler> spaceDragHandlerOrDefault(
    std::shared_ptr<DragGestureHandler> given, const std::weak_ptr<KeyboardController>& controller,
    const std::shared_ptr<KeyboardContext>& context, const std::shared_ptr<KeyboardFeedbackHandler>& feedback,
    const SpaceDragSensitivity& sensitivity) {
  if (given) return given;
  return std::make_shared<SpaceCursorDragGestureHandler>(feedback, sensitivity, kSpaceDragVerticalThreshold,
                                                         standardSpaceDragCursorAction(controller, context));
}

// A typed word delimiter: the key whose release ends a word.
const std::string* delimiterOf(const KeyboardAction& action) {
  const auto* character = action.get<keyboard_action::Character>();
  return character && isWordDelimiter(character->text) ? &character->text : nullptr;
}

}  // namespace

StandardKeyboardActionHandler::StandardKeyboardActionHandler(
    const std::shared_ptr<KeyboardServicesController>& inputViewController,
    std::shared_ptr<DragGestureHandler> spaceDragGestureHandler, SpaceDragSensitivity spaceDragSensitivity)
    // Members are made in declaration order, which is the order the
    // controller's services are read (and so created).
    : keyboardController_(std::static_pointer_cast<KeyboardController>(inputViewController)),
      autocompleteContext_(inputViewController->autocompleteContext()),
      keyboardBehavior_(inputViewController->keyboardBehavior()),
      keyboardContext_(inputViewController->keyboardContext()),
      keyboardFeedbackHandler_(inputViewController->keyboardFeedbackHandler()),
      spaceDragGestureHandler_(spaceDragHandlerOrDefault(std::move(spaceDragGestureHandler), keyboardController_,
                                                         keyboardContext_, keyboardFeedbackHandler_,
                                                         spaceDragSensitivity)) {}

StandardKeyboardActionHandler::StandardKeyboardActionHandler(
    const std::shared_ptr<KeyboardController>& keyboardController, std::shared_ptr<KeyboardContext> keyboardContext,
    std::shared_ptr<KeyboardBehavior> keyboardBehavior, std::shared_ptr<KeyboardFeedbackHandler> keyboardFeedbackHandler,
    std::shared_ptr<AutocompleteContext> autocompleteContext, std::shared_ptr<DragGestureHandler> spaceDragGestureHandler,
    SpaceDragSensitivity spaceDragSensitivity)
    : keyboardController_(keyboardController),
      autocompleteContext_(std::move(autocompleteContext)),
      keyboardBehavior_(std::move(keyboardBehavior)),
      keyboardContext_(std::move(keyboardContext)),
      keyboardFeedbackHandler_(std::move(keyboardFeedbackHandler)),
      spaceDragGestureHandler_(spaceDragHandlerOrDefault(std::move(spaceDragGestureHandler), keyboardController_,
                                                         keyboardContext_, keyboardFeedbackHandler_,
                                                         spaceDragSensitivity)) {}

std::shared_ptr<platform::TextDocumentProxy> StandardKeyboardActionHandler::textDocumentProxy() const {
  return keyboardContext_->textDocumentProxy.get();
}

// ---- KeyboardActionHandler

bool StandardKeyboardActionHandler::canHandle(KeyboardGesture gesture, const KeyboardAction& action) {
  return static_cast<bool>(this->action(gesture, action));
}

void StandardKeyboardActionHandler::handle(const KeyboardAction& action) {
  const KeyboardActionClosure closure = action.standardAction();
  if (!closure) return;
  auto controller = keyboardController();
  closure(controller.get());
}

void StandardKeyboardActionHandler::handle(KeyboardGesture gesture, const KeyboardAction& action) {
  handle(gesture, action, false);
}

void StandardKeyboardActionHandler::handleDrag(const KeyboardAction& action, platform::Point, platform::Point to) {
  if (action != KeyboardAction::space()) return;
  if (keyboardContext_->spaceLongPressBehavior.get() != SpaceLongPressBehavior::moveInputCursor) return;
  if (!isSpaceDragGestureActive()) return;
  if (!spaceDragActivationLocation()) setSpaceDragActivationLocation(to);
  spaceDragGestureHandler_->handleDragGesture(*spaceDragActivationLocation(), to);
}

// ---- The pipeline

void StandardKeyboardActionHandler::handle(KeyboardGesture gesture, const KeyboardAction& action, bool replaced) {
  if (!replaced && tryHandleReplacementAction(gesture, action)) return;
  triggerFeedback(gesture, action);
  tryUpdateSpaceDragState(gesture, action);
  const KeyboardActionClosure closure = this->action(gesture, action);
  if (!closure) return;
  tryRemoveAutocompleteInsertedSpace(gesture, action);
  tryApplyAutocompleteSuggestion(gesture, action);
  // Read once, and held until the run ends.
  auto controller = keyboardController();
  closure(controller.get());
  tryReinsertAutocompleteRemovedSpace(gesture, action);
  tryEndSentence(gesture, action);
  tryChangeKeyboardType(gesture, action);
  tryRegisterEmoji(gesture, action);
  if (!controller) return;
  controller->performAutocomplete();
  controller->performTextContextSync();
}

KeyboardActionClosure StandardKeyboardActionHandler::action(KeyboardGesture gesture, const KeyboardAction& action) {
  return action.standardAction(gesture);
}

std::optional<KeyboardAction> StandardKeyboardActionHandler::replacementAction(KeyboardGesture gesture,
                                                                               const KeyboardAction& action) {
  if (gesture != KeyboardGesture::release) return std::nullopt;
  const platform::Locale locale = keyboardContext_->locale.get();
  if (const auto* character = action.get<keyboard_action::Character>()) {
    if (auto proxy = textDocumentProxy()) {
      if (auto replacement = preferredQuotationReplacement(*proxy, character->text, locale)) {
        return KeyboardAction::character(*replacement);
      }
    }
  }
  // Central Kurdish writes the heh without the doachashmee form.
  if (locale.identifier().starts_with("ckb") && action == KeyboardAction::character("\u06BE")) {
    return KeyboardAction::character("\u0647");
  }
  return std::nullopt;
}

bool StandardKeyboardActionHandler::shouldTriggerFeedback(KeyboardGesture gesture, const KeyboardAction& action) {
  switch (gesture) {
    case KeyboardGesture::press:
      // A key that types on release gives its feedback at touch-down.
      return static_cast<bool>(this->action(KeyboardGesture::release, action)) ||
             static_cast<bool>(this->action(KeyboardGesture::press, action));
    case KeyboardGesture::release:
      return false;
    case KeyboardGesture::doubleTap:
    case KeyboardGesture::longPress:
    case KeyboardGesture::repeatPress:
      return static_cast<bool>(this->action(gesture, action));
  }
  return false;
}

void StandardKeyboardActionHandler::triggerFeedback(KeyboardGesture gesture, const KeyboardAction& action) {
  if (shouldTriggerFeedback(gesture, action)) keyboardFeedbackHandler_->triggerFeedback(gesture, action);
}

void StandardKeyboardActionHandler::tryUpdateSpaceDragState(KeyboardGesture gesture, const KeyboardAction& action) {
  if (action != KeyboardAction::space()) return;
  if (gesture == KeyboardGesture::longPress) {
    setIsSpaceDragGestureActive(true);
  } else if (gesture == KeyboardGesture::press) {
    setIsSpaceDragGestureActive(false);
    setSpaceDragActivationLocation(std::nullopt);
    // The last drag's offset would keep the next space from applying
    // autocorrection, and its anchor would make a new drag jump.
    if (auto* cursorDrag = dynamic_cast<SpaceCursorDragGestureHandler*>(spaceDragGestureHandler_.get())) {
      cursorDrag->setCurrentDragTextPositionOffset(0);
      cursorDrag->setCurrentDragStartLocation(std::nullopt);
    }
  }
}

void StandardKeyboardActionHandler::tryApplyAutocompleteSuggestion(KeyboardGesture gesture,
                                                                   const KeyboardAction& action) {
  // The checks are pure; the cheap ones go first, so only a release that
  // ends a word reads the document.
  if (gesture != KeyboardGesture::release) return;
  const auto* primary = action.get<keyboard_action::Primary>();
  const bool isSpace = action == KeyboardAction::space();
  if (!delimiterOf(action) && !(primary && primary->returnKeyType.isSystemAction()) && !isSpace) return;
  if (isSpace) {
    // The space bar has been moving the cursor: its release ends no word.
    auto* cursorDrag = dynamic_cast<SpaceCursorDragGestureHandler*>(spaceDragGestureHandler_.get());
    if (cursorDrag && cursorDrag->currentDragTextPositionOffset() != 0) return;
  }
  const auto& suggestions = autocompleteContext_->suggestions.get();
  auto suggestion = std::find_if(suggestions.begin(), suggestions.end(),
                                 [](const AutocompleteSuggestion& s) { return s.isAutocomplete; });
  if (suggestion == suggestions.end()) return;
  auto proxy = textDocumentProxy();
  if (!proxy || isCursorAtNewWord(*proxy)) return;
  // However the cursor got here, a suggestion computed elsewhere is not for this word.
  if (!autocompleteContext_->suggestionsApplyAt(proxy)) return;
  insertAutocompleteSuggestion(*proxy, *suggestion, false);
}

void StandardKeyboardActionHandler::tryChangeKeyboardType(KeyboardGesture gesture, const KeyboardAction& action) {
  if (!keyboardBehavior_->shouldSwitchToPreferredKeyboardType(gesture, action)) return;
  keyboardContext_->keyboardType = keyboardBehavior_->preferredKeyboardType(gesture, action);
}

void StandardKeyboardActionHandler::tryEndSentence(KeyboardGesture gesture, const KeyboardAction& action) {
  if (!keyboardBehavior_->shouldEndSentence(gesture, action)) return;
  if (auto proxy = textDocumentProxy()) endSentence(*proxy);
}

bool StandardKeyboardActionHandler::tryHandleReplacementAction(KeyboardGesture gesture, const KeyboardAction& action) {
  const std::optional<KeyboardAction> replacement = replacementAction(gesture, action);
  if (!replacement) return false;
  handle(KeyboardGesture::release, *replacement, true);
  return true;
}

void StandardKeyboardActionHandler::tryRegisterEmoji(KeyboardGesture gesture, const KeyboardAction& action) {
  if (gesture != KeyboardGesture::release) return;
  if (const auto* emoji = action.get<keyboard_action::Emoji>()) frequentEmojiProvider()->registerEmoji(emoji->emoji);
}

void StandardKeyboardActionHandler::tryReinsertAutocompleteRemovedSpace(KeyboardGesture gesture,
                                                                        const KeyboardAction& action) {
  if (gesture != KeyboardGesture::release || !delimiterOf(action)) return;
  if (auto proxy = textDocumentProxy()) keyloom::tryReinsertAutocompleteRemovedSpace(*proxy);
}

void StandardKeyboardActionHandler::tryRemoveAutocompleteInsertedSpace(KeyboardGesture gesture,
                                                                       const KeyboardAction& action) {
  if (gesture != KeyboardGesture::release || !delimiterOf(action)) return;
  if (auto proxy = textDocumentProxy()) keyloom::tryRemoveAutocompleteInsertedSpace(*proxy);
}

}  // namespace keyloom
