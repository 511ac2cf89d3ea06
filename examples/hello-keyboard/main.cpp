// Presents the standard keyboard over a simulated app's text field, types
// "Hello" and prints what the field then holds.
#include <iostream>
#include <memory>
#include <string>

#include <keyloom/controller/KeyboardInputViewController.h>
#include <keyloom/resources/KeyloomBundle.h>
#include <keyloom/text/EnglishInputSetProvider.h>
#include <keyloom/text/StandardInputSetProvider.h>
#include <keyloom/text/StandardKeyboardLayoutProvider.h>
#include <platform/input/SimulatedHost.h>

namespace {

// The library's controller; this example offers no suggestions or dictation.
class HelloKeyboardController : public keyloom::KeyboardInputViewController {
 public:
  void insertAutocompleteSuggestion(const keyloom::AutocompleteSuggestion&) override {}
  void performAutocomplete() override {}
  void performDictation() override {}
  void resetAutocomplete() override {}
};

void printLayout(const keyloom::KeyboardLayout& layout) {
  int index = 0;
  for (const auto& row : layout.itemRows()) {
    std::cout << "row " << index++ << ":";
    for (const auto& item : row) std::cout << " " << item.action;
    std::cout << "\n";
  }
}

}  // namespace

int main() {
  auto host = platform::SimulatedHost::make();
  auto controller = std::make_shared<HelloKeyboardController>();
  host->presentKeyboard([controller] { return controller; });
  host->runMainQueue();

  auto context = controller->keyboardContext();
  auto inputSets = std::make_shared<keyloom::StandardInputSetProvider>(
      context, std::vector<std::shared_ptr<keyloom::LocalizedInputSetProvider>>{
                   std::make_shared<keyloom::EnglishInputSetProvider>()});
  keyloom::StandardKeyboardLayoutProvider layouts(
      context, inputSets, std::vector<std::shared_ptr<keyloom::LocalizedKeyboardLayoutProvider>>{});
  printLayout(*layouts.keyboardLayout(*context));
  // The library's resource bundle: the installed library finds it in its
  // install prefix.
  std::cout << "bundle: " << keyloom::keyloomBundle().bundlePath().string() << "\n";

  for (const char* letter : {"H", "e", "l", "l", "o"}) {
    controller->insertText(letter);
    host->runMainQueue();
  }
  std::cout << "text: " << host->textField().text() << "\n";
  host->releaseKeyboard();
  return 0;
}
