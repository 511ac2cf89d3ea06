#pragma once

#include <memory>

#include "keyloom/appearance/KeyboardAppearance.h"
#include "keyloom/autocomplete/AutocompleteContext.h"
#include "keyloom/gestures/KeyboardFeedbackHandler.h"
#include "keyloom/layout/KeyboardLayoutProvider.h"
#include "keyloom/services/KeyboardActionHandler.h"
#include "keyloom/services/KeyboardCalloutContext.h"
#include "keyloom/state/KeyboardBehavior.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/KeyboardController.h"
#include "keyloom/state/SyncableInputViewController.h"
#include "keyloom/text/TextInputProxy.h"

namespace keyloom {

// The controller as the services and views built from it see it: a platform
// input view controller that carries out KeyboardController's operations,
// holds the text input proxy and owns the keyboard's contexts and services
// (here those they read). The keyboard's controller implements it, so the
// action handler, the system keyboard and the in-keyboard text fields take a
// controller without knowing its class, which sits in the layer above them.
class KeyboardServicesController : public SyncableInputViewController, public KeyboardController {
 public:
  // The proxy of the text field inside the keyboard that takes the typing, if any.
  virtual std::shared_ptr<TextInputProxy> textInputProxy() const = 0;
  virtual void setTextInputProxy(std::shared_ptr<TextInputProxy> proxy) = 0;

  virtual std::shared_ptr<AutocompleteContext> autocompleteContext() = 0;
  virtual std::shared_ptr<KeyboardCalloutContext> calloutContext() = 0;
  virtual std::shared_ptr<KeyboardContext> keyboardContext() = 0;

  virtual std::shared_ptr<KeyboardActionHandler> keyboardActionHandler() = 0;
  virtual std::shared_ptr<KeyboardAppearance> keyboardAppearance() = 0;
  virtual std::shared_ptr<KeyboardBehavior> keyboardBehavior() = 0;
  virtual std::shared_ptr<KeyboardFeedbackHandler> keyboardFeedbackHandler() = 0;
  virtual std::shared_ptr<KeyboardLayoutProvider> keyboardLayoutProvider() = 0;
};

}  // namespace keyloom
