// Presents the standard keyboard over a simulated app's text field, types
// "Hello" by touching its keys and prints what the field then holds.
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <keyloom/controller/KeyboardHostingController.h>
#include <keyloom/controller/KeyboardInputViewController.h>
#include <keyloom/resources/KeyloomBundle.h>
#include <platform/foundation/Clock.h>
#include <platform/input/SimulatedHost.h>
#include <platform/ui/TouchPipeline.h>
#include <platform/ui/ViewHost.h>

namespace {

using keyloom::KeyboardAction;

// The key that types `letter` on the layout the keyboard shows, else its
// shift key: the letter is then in the other case.
std::optional<KeyboardAction> keyFor(const keyloom::KeyboardLayout& layout, const std::string& letter) {
  std::optional<KeyboardAction> shift;
  for (const auto& row : layout.itemRows()) {
    for (const auto& item : row) {
      if (item.action == KeyboardAction::character(letter)) return item.action;
      if (item.action.isShiftAction()) shift = item.action;
    }
  }
  return shift;
}

class HelloKeyboard {
 public:
  HelloKeyboard() {
    // The keyboard's timers and gestures run on the host's simulated time.
    platform::Clock::setCurrent(std::make_shared<platform::ManualClock>());
    platform::SimulatedHostConfiguration configuration;
    configuration.localeIdentifier = "en_US";
    host_ = platform::SimulatedHost::make(configuration);
    controller_ = std::make_shared<keyloom::KeyboardInputViewController>();
    host_->presentKeyboard([controller = controller_] { return controller; });
    settle();
  }
  ~HelloKeyboard() { host_->releaseKeyboard(); }

  // Touches the key of each letter on the keyboard on screen, with a shift
  // first where the letter is in the other case.
  void type(const std::string& word) {
    for (const char letter : word) {
      for (int attempt = 0; attempt < 2; ++attempt) {
        const std::optional<KeyboardAction> key = keyFor(*currentLayout(), std::string(1, letter));
        if (!key) throw std::runtime_error(std::string("no key types ") + letter);
        tap(*key);
        if (!key->isShiftAction()) break;
      }
    }
  }

  std::string text() const { return host_->textField().text(); }
  // The keys touched so far, in order.
  const std::vector<KeyboardAction>& touched() const { return touched_; }

 private:
  platform::ui::ViewHost& keyboardView() { return controller_->hostingController()->viewHost(); }

  std::shared_ptr<keyloom::KeyboardLayout> currentLayout() {
    return controller_->keyboardLayoutProvider()->keyboardLayout(*controller_->keyboardContext());
  }

  // A finger down at the middle of the key's frame and up a moment later.
  void tap(const KeyboardAction& key) {
    const auto node = keyboardView().findAttached(key);
    if (!node) throw std::runtime_error("the keyboard on screen lacks a key of its layout");
    auto touch = keyboardView().touches().down({node->frame.midX(), node->frame.midY()});
    host_->advanceTime(0.05);
    keyboardView().touches().up(touch);
    host_->advanceTime(0.3);
    settle();
    touched_.push_back(key);
  }

  void settle() {
    host_->runMainQueue();
    host_->layout();
    host_->runMainQueue();
  }

  std::shared_ptr<platform::SimulatedHost> host_;
  std::shared_ptr<keyloom::KeyboardInputViewController> controller_;
  std::vector<KeyboardAction> touched_;
};

}  // namespace

int main() {
  try {
    HelloKeyboard keyboard;
    keyboard.type("Hello");
    std::cout << "touched:";
    for (const KeyboardAction& key : keyboard.touched()) std::cout << " " << key;
    std::cout << "\n";
    // The library's resource bundle: the installed library finds it in its
    // install prefix.
    std::cout << "bundle: " << keyloom::keyloomBundle().bundlePath().string() << "\n";
    std::cout << "text: " << keyboard.text() << "\n";
    return 0;
  } catch (const std::exception& error) {
    std::cerr << "hello-keyboard: " << error.what() << "\n";
    return 1;
  }
}
