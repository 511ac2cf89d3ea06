#include "keyloom/views/KeyboardInputComponent.h"

#include "keyloom/services/KeyboardServicesController.h"
#include "keyloom/text/TextInputProxy.h"
#include "platform/foundation/MainQueue.h"
#include "platform/ui/Transaction.h"

namespace keyloom {

platform::ui::Color systemBackgroundColor() {
  return platform::ui::Color::adaptive(platform::ui::Color::white(), platform::ui::Color::black());
}

KeyboardInputComponent::~KeyboardInputComponent() {
  auto controller = controller_.lock();
  auto installed = installedProxy_.lock();
  if (controller && installed && controller->textInputProxy() == installed) controller->setTextInputProxy(nullptr);
}

// ---- Focus

void KeyboardInputComponent::writeFocus(bool focused) {
  auto write = [this, focused] {
    hasFocus_.set(focused);
    if (focusState_ && focusState_->get() != focused) focusState_->set(focused);
  };
  if (animatesFocusChanges()) {
    platform::ui::withAnimation(write);
  } else {
    write();
  }
}

void KeyboardInputComponent::applyFocusState() {
  if (!focusState_) return;
  const bool wanted = focusState_->get();
  if (wanted && !isFirstResponder()) {
    becomeFirstResponder();
  } else if (!wanted && isFirstResponder()) {
    resignFirstResponder();
  }
}

bool KeyboardInputComponent::holdsControllerInput(KeyboardServicesController& controller) const {
  auto proxy = std::dynamic_pointer_cast<TextInputProxy>(controller.textInputProxy());
  if (!proxy) return false;
  auto input = proxy->input();
  return input.get() == static_cast<const platform::TextInput*>(this);
}

std::shared_ptr<KeyboardInputComponent> KeyboardInputComponent::otherFocusedInput() const {
  auto controller = controller_.lock();
  if (!controller) return nullptr;
  auto proxy = std::dynamic_pointer_cast<TextInputProxy>(controller->textInputProxy());
  if (!proxy) return nullptr;
  auto other = std::dynamic_pointer_cast<KeyboardInputComponent>(proxy->input());
  if (!other || other.get() == this || !other->isFirstResponder()) return nullptr;
  return other;
}

void KeyboardInputComponent::handleBecomeFirstResponder() {
  auto self = std::static_pointer_cast<KeyboardInputComponent>(weak_from_this().lock());
  if (!self) return;  // not shared-owned: nothing could hand it to a proxy
  const std::uint64_t generation = ++focusGeneration_;
  // The step holds the input until it has run.
  platform::MainQueue::main().async([self, generation]() mutable {
    auto input = std::move(self);  // let go here, not where the queue drops the task
    if (input->focusGeneration_ != generation || !input->isFirstResponder()) return;
    auto controller = input->controller_.lock();
    if (!controller) return;
    auto proxy = std::make_shared<TextInputProxy>(input);
    input->installedProxy_ = proxy;
    controller->setTextInputProxy(std::move(proxy));
  });
}

void KeyboardInputComponent::handleResignFirstResponder() {
  ++focusGeneration_;
  auto controller = controller_.lock();
  if (!controller || !holdsControllerInput(*controller)) return;
  controller->setTextInputProxy(nullptr);
}

bool KeyboardInputComponent::handleInsertText(const std::string& text) {
  if (!resignOnReturn_ || text != "\n") return true;
  resignFirstResponder();
  return false;
}

// ---- Platform overrides

bool KeyboardInputComponent::becomeFirstResponder() {
  if (!canBecomeFirstResponder()) {
    // A refused request leaves the input where it was; only a focus value
    // that asked for focus is told it did not happen.
    if (focusState_ && focusState_->get()) focusState_->set(false);
    return false;
  }
  // One in-keyboard input has focus at a time, as on the platform.
  if (auto other = otherFocusedInput()) other->resignFirstResponder();
  writeFocus(true);
  handleBecomeFirstResponder();
  return TextInput::becomeFirstResponder();
}

bool KeyboardInputComponent::resignFirstResponder() {
  writeFocus(false);
  handleResignFirstResponder();
  return TextInput::resignFirstResponder();
}

void KeyboardInputComponent::insertText(const std::string& text) {
  if (handleInsertText(text)) TextInput::insertText(text);
}

bool KeyboardInputComponent::canPerformAction(std::string_view action) const {
  if (action == kCaptureTextFromCameraAction) return false;
  return TextInput::canPerformAction(action);
}

void KeyboardInputComponent::touch(platform::ui::TouchPhase phase, platform::Point location) {
  if (phase != platform::ui::TouchPhase::ended || !bounds().contains(location)) return;
  if (!isFirstResponder()) becomeFirstResponder();
}

}  // namespace keyloom
