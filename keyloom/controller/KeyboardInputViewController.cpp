#include "keyloom/controller/KeyboardInputViewController.h"

#include <any>
#include <utility>
#include <vector>

#include "keyloom/gestures/RepeatGestureTimer.h"
#include "keyloom/state/StandardKeyboardBehavior.h"
#include "keyloom/text/ProxyState.h"
#include "keyloom/text/TextDocumentProxyOperations.h"
#include "platform/input/Responder.h"

namespace keyloom {

KeyboardInputViewController::KeyboardInputViewController() = default;

KeyboardInputViewController::~KeyboardInputViewController() = default;

std::shared_ptr<KeyboardInputViewController> KeyboardInputViewController::sharedController() {
  return std::static_pointer_cast<KeyboardInputViewController>(weak_from_this().lock());
}

// ---- Contexts and services

std::shared_ptr<KeyboardContext> KeyboardInputViewController::keyboardContext() {
  if (!keyboardContext_) {
    keyboardContext_ = std::make_shared<KeyboardContext>();
    keyboardContext_->sync(sharedController());
  }
  return keyboardContext_;
}

void KeyboardInputViewController::setKeyboardContext(std::shared_ptr<KeyboardContext> context) {
  keyboardContext_ = std::move(context);
}

std::shared_ptr<KeyboardTextContext> KeyboardInputViewController::keyboardTextContext() {
  if (!keyboardTextContext_) keyboardTextContext_ = KeyboardTextContext::create();
  return keyboardTextContext_;
}

void KeyboardInputViewController::setKeyboardTextContext(std::shared_ptr<KeyboardTextContext> context) {
  keyboardTextContext_ = std::move(context);
}

std::shared_ptr<KeyboardBehavior> KeyboardInputViewController::keyboardBehavior() {
  if (!keyboardBehavior_) {
    keyboardBehavior_ =
        std::make_shared<StandardKeyboardBehavior>(keyboardContext(), 0.5, 3.0, RepeatGestureTimer::shared());
  }
  return keyboardBehavior_;
}

void KeyboardInputViewController::setKeyboardBehavior(std::shared_ptr<KeyboardBehavior> behavior) {
  keyboardBehavior_ = std::move(behavior);
}

// ---- Text document proxies

std::shared_ptr<platform::TextDocumentProxy> KeyboardInputViewController::mainTextDocumentProxy() {
  return InputViewController::textDocumentProxy();
}

void KeyboardInputViewController::setTextInputProxy(std::shared_ptr<TextInputProxy> proxy) {
  textInputProxy_ = std::move(proxy);
  viewWillSyncWithContext();
}

std::shared_ptr<platform::TextDocumentProxy> KeyboardInputViewController::textDocumentProxy() {
  if (auto proxy = textInputProxy()) return proxy;
  return mainTextDocumentProxy();
}

// ---- Context sync

bool KeyboardInputViewController::isContextSyncEnabled() const { return !isReadingFullDocumentContext(); }

void KeyboardInputViewController::viewWillSyncWithContext() {
  if (!isContextSyncEnabled()) return;
  keyboardContext()->sync(sharedController());
  keyboardTextContext()->sync(sharedController());
}

void KeyboardInputViewController::performTextContextSync() {
  if (!isContextSyncEnabled()) return;
  keyboardTextContext()->sync(sharedController());
}

// ---- Platform callbacks

void KeyboardInputViewController::viewDidLayoutSubviews() {
  InputViewController::viewDidLayoutSubviews();
  keyboardContext()->syncAfterLayout(sharedController());
}

void KeyboardInputViewController::textWillChange(platform::TextInput* textInput) {
  InputViewController::textWillChange(textInput);
  auto proxy = textDocumentProxy();
  auto context = keyboardContext();
  if (context->textDocumentProxy.get() != proxy) context->textDocumentProxy = std::move(proxy);
}

void KeyboardInputViewController::textDidChange(platform::TextInput* textInput) {
  InputViewController::textDidChange(textInput);
  performAutocomplete();
  performTextContextSync();
  if (keyboardBehavior()->shouldSwitchToPreferredKeyboardTypeAfterTextDidChange()) {
    setKeyboardType(keyboardContext()->preferredKeyboardType());
  }
}

// ---- KeyboardController

void KeyboardInputViewController::adjustTextPosition(int byCharacterOffset) {
  textDocumentProxy()->adjustTextPosition(byCharacterOffset);
}

void KeyboardInputViewController::deleteBackward() {
  keyloom::deleteBackward(*textDocumentProxy(), keyboardBehavior()->backspaceRange());
}

void KeyboardInputViewController::deleteBackward(int times) {
  keyloom::deleteBackward(*textDocumentProxy(), times);
}

void KeyboardInputViewController::dismissKeyboard() { InputViewController::dismissKeyboard(); }

void KeyboardInputViewController::insertText(const std::string& text) {
  textDocumentProxy()->insertText(text);
}

void KeyboardInputViewController::selectNextKeyboard() { keyboardContext()->selectNextLocale(); }

void KeyboardInputViewController::selectNextLocale() { keyboardContext()->selectNextLocale(); }

void KeyboardInputViewController::setKeyboardType(const KeyboardType& type) {
  keyboardContext()->keyboardType = type;
}

void KeyboardInputViewController::openUrl(const std::optional<platform::URL>& url) {
  auto responder = platform::firstResponderAnswering(sharedController(), platform::kOpenURLSelector);
  if (!responder) return;
  responder->perform(platform::kOpenURLSelector, {url ? std::any(*url) : std::any()});
}

}  // namespace keyloom
