#include "apps/keyboard-simulator/SimulatorActionHandler.h"

#include "keyloom/text/TextDocumentProxyOperations.h"

namespace keyboard_simulator {

void SimulatorActionHandler::handle(keyloom::KeyboardGesture gesture, const keyloom::KeyboardAction& action) {
  const auto closure = action.standardAction(gesture);
  if (!closure) return;
  closure(controller_.get());

  const auto behavior = controller_->keyboardBehavior();
  const auto context = controller_->keyboardContext();
  if (behavior->shouldEndSentence(gesture, action)) keyloom::endSentence(*context->textDocumentProxy.get());
  if (behavior->shouldSwitchToPreferredKeyboardType(gesture, action)) {
    context->keyboardType = behavior->preferredKeyboardType(gesture, action);
  }
  controller_->performAutocomplete();
  controller_->performTextContextSync();
}

}  // namespace keyboard_simulator
