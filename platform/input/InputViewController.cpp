#include "platform/input/InputViewController.h"

#include "platform/foundation/ProcessState.h"
#include "platform/input/InMemoryTextDocumentProxy.h"

namespace platform {

namespace {

std::weak_ptr<InputViewControllerHost>& currentHostStorage() {
  static std::weak_ptr<InputViewControllerHost> host;
  static const bool registered = [] {
    registerProcessReset([] { host.reset(); });
    return true;
  }();
  (void)registered;
  return host;
}

}  // namespace

std::shared_ptr<InputViewControllerHost> InputViewControllerHost::current() { return currentHostStorage().lock(); }

void InputViewControllerHost::setCurrent(const std::shared_ptr<InputViewControllerHost>& host) {
  currentHostStorage() = host;
}

InputViewController::InputViewController() = default;

InputViewController::~InputViewController() = default;

void InputViewController::attachHost(const std::shared_ptr<InputViewControllerHost>& host) {
  host_ = host;
  attached_ = host != nullptr;
}

std::shared_ptr<InputViewControllerHost> InputViewController::host() const {
  // A controller whose own host has gone stays unhosted rather than
  // silently talking to another host.
  if (attached_) return host_.lock();
  return InputViewControllerHost::current();
}

std::shared_ptr<TextDocumentProxy> InputViewController::textDocumentProxy() {
  if (auto h = host()) {
    if (auto proxy = h->textDocumentProxy()) return proxy;
  }
  if (!unhostedProxy_) unhostedProxy_ = std::make_shared<InMemoryTextDocumentProxy>();
  return unhostedProxy_;
}

void InputViewController::setPrimaryLanguage(std::optional<std::string> language) {
  primaryLanguage_ = std::move(language);
  if (auto h = host()) h->primaryLanguageDidChange(*this, primaryLanguage_);
}

bool InputViewController::hasFullAccess() const {
  auto h = host();
  return h && h->hasFullAccess();
}

bool InputViewController::hasFixedHeight() const {
  auto h = host();
  return h && h->fixesKeyboardHeight();
}

bool InputViewController::hasDictationKey() const {
  auto h = host();
  return h && h->hasDictationKey();
}

bool InputViewController::needsInputModeSwitchKey() const {
  auto h = host();
  return h && h->needsInputModeSwitchKey();
}

std::optional<TextInputMode> InputViewController::textInputMode() const {
  auto h = host();
  return h ? h->textInputMode() : std::nullopt;
}

void InputViewController::dismissKeyboard() {
  if (auto h = host()) h->dismissKeyboard(*this);
}

void InputViewController::advanceToNextInputMode() {
  if (auto h = host()) h->advanceToNextInputMode(*this);
}

void InputViewController::handleInputModeList(const std::shared_ptr<View>& from, const TouchEvent& event) {
  if (auto h = host()) h->handleInputModeList(*this, from, event);
}

PropertyValue InputViewController::parentProperty(const std::string& key) const {
  auto h = host();
  return h ? h->parentProperties().value(key) : PropertyValue{};
}

std::shared_ptr<Responder> InputViewController::nextResponder() const {
  if (auto h = host()) return h->nextResponder(*this);
  return ViewController::nextResponder();
}

bool InputViewController::respondsToSelector(std::string_view selector) const {
  return selector == kHandleInputModeListSelector;
}

void InputViewController::perform(std::string_view selector, const std::vector<std::any>& arguments) {
  if (selector != kHandleInputModeListSelector) return;
  std::shared_ptr<View> from;
  TouchEvent event;
  if (!arguments.empty()) {
    if (auto* view = std::any_cast<std::shared_ptr<View>>(&arguments[0])) from = *view;
  }
  if (arguments.size() > 1) {
    if (auto* touch = std::any_cast<TouchEvent>(&arguments[1])) event = *touch;
  }
  handleInputModeList(from, event);
}

std::shared_ptr<Responder> InputViewController::sharedResponder() const {
  return std::const_pointer_cast<InputViewController>(weak_from_this().lock());
}

}  // namespace platform
