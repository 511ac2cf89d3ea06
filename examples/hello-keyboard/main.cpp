// Presents the standard keyboard over a simulated app's text field, types
// "Hello" with its keys and prints what the field then holds.
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include <keyloom/controller/KeyboardInputViewController.h>
#include <keyloom/resources/KeyloomBundle.h>
#include <platform/input/SimulatedHost.h>

namespace {

using keyloom::KeyboardAction;

void printLayout(const keyloom::KeyboardLayout& layout) {
  int index = 0;
  for (const auto& row : layout.itemRows()) {
    std::cout << "row " << index++ << ":";
    for (const auto& item : row) std::cout << " " << item.action;
    std::cout << "\n";
  }
}

// The key that types `letter` on the layout, else its shift key: the letter
// is then in the other case.
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

}  // namespace

int main() {
  auto host = platform::SimulatedHost::make();
  auto controller = std::make_shared<keyloom::KeyboardInputViewController>();
  host->presentKeyboard([controller] { return controller; });
  host->runMainQueue();

  auto layout = [&] { return controller->keyboardLayoutProvider()->keyboardLayout(*controller->keyboardContext()); };
  printLayout(*layout());
  // The library's resource bundle: the installed library finds it in its
  // install prefix.
  std::cout << "bundle: " << keyloom::keyloomBundle().bundlePath().string() << "\n";

  for (const std::string letter : {"H", "e", "l", "l", "o"}) {
    // A shift, then the letter, at most.
    for (int attempt = 0; attempt < 2; ++attempt) {
      const std::optional<KeyboardAction> key = keyFor(*layout(), letter);
      if (!key) throw std::runtime_error("no key types " + letter);
      controller->keyboardActionHandler()->handle(keyloom::KeyboardGesture::press, *key);
      controller->keyboardActionHandler()->handle(keyloom::KeyboardGesture::release, *key);
      host->runMainQueue();
      if (!key->isShiftAction()) break;
    }
  }
  std::cout << "text: " << host->textField().text() << "\n";
  host->releaseKeyboard();
  return 0;
}
