#pragma once

#include <memory>
#include <optional>
#include <string>

#include "keyloom/text/TextInputProxy.h"
#include "keyloom/controller/KeyboardController.h"
#include "keyloom/state/KeyboardBehavior.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/KeyboardTextContext.h"
#include "platform/input/InputViewController.h"

namespace keyloom {

// The keyboard extension's controller. It owns the keyboard's contexts and
// services, each created on first read and kept for the controller's life
// unless replaced, keeps the contexts in step with the platform, and carries
// out the key actions on the current text document proxy.
//
// Always owned by std::shared_ptr (the platform creates it so): scheduled
// syncs keep it alive until they have run.
class KeyboardInputViewController : public platform::InputViewController, public KeyboardController {
 public:
  KeyboardInputViewController();
  ~KeyboardInputViewController() override;

  // ---- Contexts and services

  // Made on first read, then synced with this controller.
  virtual std::shared_ptr<KeyboardContext> keyboardContext();
  virtual void setKeyboardContext(std::shared_ptr<KeyboardContext> context);
  virtual std::shared_ptr<KeyboardTextContext> keyboardTextContext();
  virtual void setKeyboardTextContext(std::shared_ptr<KeyboardTextContext> context);
  // A StandardKeyboardBehavior on the keyboard context, with a double-tap
  // threshold of 0.5 s, an end-sentence threshold of 3 s and the shared
  // repeat timer, made on first read.
  virtual std::shared_ptr<KeyboardBehavior> keyboardBehavior();
  virtual void setKeyboardBehavior(std::shared_ptr<KeyboardBehavior> behavior);

  // ---- Text document proxies

  // The host application's proxy.
  virtual std::shared_ptr<platform::TextDocumentProxy> mainTextDocumentProxy();
  // The proxy of a text field inside the keyboard while it takes the typing;
  // absent while the host's text is the target. Every write, to a proxy or
  // to absent, then runs viewWillSyncWithContext().
  virtual std::shared_ptr<TextInputProxy> textInputProxy() const { return textInputProxy_; }
  virtual void setTextInputProxy(std::shared_ptr<TextInputProxy> proxy);
  // The text input proxy when one is set, else the host's. Every text
  // operation and context sync goes through it.
  std::shared_ptr<platform::TextDocumentProxy> textDocumentProxy() override;

  // ---- Context sync

  // False while the whole document is being read through the proxy, so its
  // intermediate states are never published.
  virtual bool isContextSyncEnabled() const;
  // Syncs both contexts on a later turn of the main queue, unless syncing is
  // disabled. Runs when the view is about to be shown, after a trait change
  // and after every write of the text input proxy.
  virtual void viewWillSyncWithContext();
  void performTextContextSync() override;

  // ---- Platform callbacks
  void viewDidLayoutSubviews() override;
  void textWillChange(platform::TextInput* textInput) override;
  void textDidChange(platform::TextInput* textInput) override;

  // ---- KeyboardController
  void adjustTextPosition(int byCharacterOffset) override;
  // Deletes what the behaviour's backspace range says at this moment.
  void deleteBackward() override;
  void deleteBackward(int times) override;
  void dismissKeyboard() override;
  void insertText(const std::string& text) override;
  // Both make the context's next locale current.
  void selectNextKeyboard() override;
  void selectNextLocale() override;
  void setKeyboardType(const KeyboardType& type) override;
  // Sends the platform's URL-opening message to the first responder from
  // this controller on that answers it; nothing when none does.
  void openUrl(const std::optional<platform::URL>& url) override;

 protected:
  // This controller as an owning pointer; null when it is not shared-owned.
  std::shared_ptr<KeyboardInputViewController> sharedController();

 private:
  std::shared_ptr<KeyboardContext> keyboardContext_;
  std::shared_ptr<KeyboardTextContext> keyboardTextContext_;
  std::shared_ptr<KeyboardBehavior> keyboardBehavior_;
  std::shared_ptr<TextInputProxy> textInputProxy_;
};

}  // namespace keyloom
