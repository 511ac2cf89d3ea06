#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/input/Button.h"
#include "platform/input/PropertyBag.h"
#include "platform/input/Responder.h"
#include "platform/input/TextDocumentProxy.h"
#include "platform/input/TextInputMode.h"

namespace platform {

class InputViewController;
class View;

// Everything an input view controller asks of the platform. The simulated host
// implements it and records the requests.
class InputViewControllerHost {
 public:
  virtual ~InputViewControllerHost() = default;

  // The proxy of the focused text field of the host application.
  virtual std::shared_ptr<TextDocumentProxy> textDocumentProxy() = 0;
  virtual bool hasFullAccess() const = 0;
  virtual bool hasDictationKey() const = 0;
  virtual bool needsInputModeSwitchKey() const = 0;
  // The input mode the keyboard runs in.
  virtual std::optional<TextInputMode> textInputMode() const = 0;
  // Whether the keyboard's view keeps a height fixed for it (true) or gets
  // the height it asks for.
  virtual bool fixesKeyboardHeight() const = 0;

  virtual void dismissKeyboard(InputViewController& controller) = 0;
  virtual void advanceToNextInputMode(InputViewController& controller) = 0;
  // A touch on the next-keyboard key: the platform switches keyboards or
  // shows the list of keyboards.
  virtual void handleInputModeList(InputViewController& controller, const std::shared_ptr<View>& from,
                                   const TouchEvent& event) = 0;
  virtual void primaryLanguageDidChange(InputViewController& controller,
                                        const std::optional<std::string>& language) = 0;

  // The responder after the controller: the platform's chain into the host
  // application, which may open URLs. None ends the chain.
  virtual std::shared_ptr<Responder> nextResponder(const InputViewController& controller) = 0;
  // Properties of the controller's parent (the platform's hosting object),
  // read by key.
  virtual PropertyBag parentProperties() const = 0;

  // The most recently created host, which answers for controllers not
  // attached to any host (for example a controller made only to ask the
  // platform a question). None when no host exists.
  static std::shared_ptr<InputViewControllerHost> current();
  static void setCurrent(const std::shared_ptr<InputViewControllerHost>& host);
};

}  // namespace platform
