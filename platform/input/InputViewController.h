#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/input/Button.h"
#include "platform/input/InputViewControllerHost.h"
#include "platform/input/PropertyBag.h"
#include "platform/input/TextDocumentProxy.h"
#include "platform/input/TextInput.h"
#include "platform/input/TextInputMode.h"
#include "platform/input/ViewController.h"

namespace platform {

// The base of a keyboard's view controller. The platform (a host) creates it,
// shows its view and calls its hooks; everything the controller asks of the
// platform goes to its host. Always owned by std::shared_ptr.
//
// A controller not attached to a host asks the current host, and with no host
// at all it answers as an unhosted keyboard: an empty document of its own, no
// full access, no dictation key, no input-mode switch key, no input mode.
class InputViewController : public ViewController, public std::enable_shared_from_this<InputViewController> {
 public:
  // The selector the next-keyboard button sends; its arguments are the button
  // (a std::shared_ptr<View>) and the TouchEvent.
  static constexpr std::string_view kHandleInputModeListSelector = "handleInputModeListFromView:withEvent:";

  InputViewController();
  ~InputViewController() override;

  // ---- The platform's side
  // Called by the host that shows this controller; held weakly.
  void attachHost(const std::shared_ptr<InputViewControllerHost>& host);
  // The attached host, else the current one; none when no host exists.
  std::shared_ptr<InputViewControllerHost> host() const;

  // The host application's document. Subclasses override it to redirect
  // typing; InputViewController::textDocumentProxy() still reaches the host's.
  virtual std::shared_ptr<TextDocumentProxy> textDocumentProxy();

  // The language the keyboard types in (BCP 47); the platform uses it for
  // dictation and spelling. Every write is reported to the host.
  std::optional<std::string> primaryLanguage() const { return primaryLanguage_; }
  void setPrimaryLanguage(std::optional<std::string> language);

  bool hasFullAccess() const;
  bool hasDictationKey() const;
  bool needsInputModeSwitchKey() const;
  std::optional<TextInputMode> textInputMode() const;
  // Whether the platform keeps the view at a height fixed for it instead of
  // the height the view asks for.
  bool hasFixedHeight() const;

  // Requests to the platform.
  virtual void dismissKeyboard();
  virtual void advanceToNextInputMode();
  virtual void handleInputModeList(const std::shared_ptr<View>& from, const TouchEvent& event);

  // A property of the platform object that hosts this controller, read by key.
  PropertyValue parentProperty(const std::string& key) const;

  // ---- Text input callbacks, called by the host around edits and cursor
  // moves that the host makes itself (not around the keyboard's own edits).
  // `textInput` is the host's field when it tells, else null.
  virtual void selectionWillChange(TextInput* /*textInput*/) {}
  virtual void selectionDidChange(TextInput* /*textInput*/) {}
  virtual void textWillChange(TextInput* /*textInput*/) {}
  virtual void textDidChange(TextInput* /*textInput*/) {}

  // ---- Responder chain: the controller answers the next-keyboard selector;
  // the host's chain follows it.
  std::shared_ptr<Responder> nextResponder() const override;
  bool respondsToSelector(std::string_view selector) const override;
  void perform(std::string_view selector, const std::vector<std::any>& arguments) override;

 protected:
  std::shared_ptr<Responder> sharedResponder() const override;

 private:
  std::weak_ptr<InputViewControllerHost> host_;
  bool attached_ = false;
  std::optional<std::string> primaryLanguage_;
  std::shared_ptr<TextDocumentProxy> unhostedProxy_;
};

}  // namespace platform
