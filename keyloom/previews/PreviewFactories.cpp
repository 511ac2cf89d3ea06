// The preview factories of the library's contexts and layouts. They live with
// the other preview support, away from the classes, since nothing in a
// running keyboard calls them.
#include <memory>

#include "keyloom/appearance/Preset.h"
#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/layout/KeyboardLayout.h"
#include "keyloom/previews/PreviewCalloutActionProvider.h"
#include "keyloom/previews/PreviewKeyboardLayoutProvider.h"
#include "keyloom/services/ActionCalloutContext.h"
#include "keyloom/services/InputCalloutContext.h"
#include "keyloom/services/KeyboardCalloutContext.h"
#include "keyloom/services/PreviewKeyboardActionHandler.h"
#include "keyloom/state/KeyboardContext.h"

namespace keyloom {

std::shared_ptr<KeyboardInputViewController> KeyboardInputViewController::preview() {
  return std::make_shared<KeyboardInputViewController>();
}

std::shared_ptr<KeyboardContext> KeyboardContext::preview() {
  // A fresh context holds what a sync with a controller that was never shown
  // would give it; the sync itself would load that controller's view.
  return std::make_shared<KeyboardContext>();
}

std::shared_ptr<ActionCalloutContext>& ActionCalloutContext::preview() {
  static Preset<std::shared_ptr<ActionCalloutContext>> preset([] {
    return std::make_shared<ActionCalloutContext>(PreviewKeyboardActionHandler::preview(),
                                                  PreviewCalloutActionProvider::preview());
  });
  return preset.get();
}

std::shared_ptr<InputCalloutContext> InputCalloutContext::preview() {
  return std::make_shared<InputCalloutContext>(true);
}

std::shared_ptr<KeyboardCalloutContext>& KeyboardCalloutContext::preview() {
  static Preset<std::shared_ptr<KeyboardCalloutContext>> preset([] {
    return std::make_shared<KeyboardCalloutContext>(ActionCalloutContext::preview(),
                                                    InputCalloutContext::preview());
  });
  return preset.get();
}

std::shared_ptr<KeyboardLayout> KeyboardLayout::preview() {
  return PreviewKeyboardLayoutProvider::preview()->keyboardLayout(*KeyboardContext::preview());
}

}  // namespace keyloom
