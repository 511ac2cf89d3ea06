#include "keyloom/views/KeyboardInputComponent.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/text/TextInputProxy.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/State.h"

namespace keyloom {
namespace {

using platform::SimulatedHost;

class Controller : public KeyboardInputViewController {
 public:
  void viewWillSyncWithContext() override {
    ++syncRequests;
    KeyboardInputViewController::viewWillSyncWithContext();
  }
  void insertAutocompleteSuggestion(const AutocompleteSuggestion&) override {}
  void performAutocomplete() override {}
  void performDictation() override {}
  void resetAutocomplete() override {}

  int syncRequests = 0;
};

// The keyboard shown over a host whose field holds "host", with in-keyboard
// inputs typed into through the controller's key operations.
class InKeyboardInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SimulatedHostConfiguration configuration;
    configuration.text = "host";
    host = SimulatedHost::make(configuration);
    controller = std::static_pointer_cast<Controller>(
        host->presentKeyboard([] { return std::make_shared<Controller>(); }));
    host->runMainQueue();
  }

  template <class Input = KeyboardInputTextField>
  std::shared_ptr<Input> makeInput(const std::string& text = "", bool* focus = nullptr) {
    auto input = std::make_shared<Input>();
    input->setController(controller);
    input->setText(text);
    if (focus) {
      input->setHasFocus(platform::ui::Binding<bool>([focus] { return *focus; }, [focus](bool v) { *focus = v; }));
    }
    return input;
  }

  // The in-keyboard input whose proxy the controller holds, if any.
  std::shared_ptr<platform::TextInput> typingTarget() const {
    auto proxy = std::dynamic_pointer_cast<TextInputProxy>(controller->textInputProxy());
    return proxy ? proxy->input() : nullptr;
  }
  std::string hostText() const { return host->textField().text(); }

  std::shared_ptr<SimulatedHost> host;
  std::shared_ptr<Controller> controller;
};

TEST_F(InKeyboardInputTest, AFocusedFieldTakesTheTypingAndGivesItBackWhenItResigns) {
  bool focus = false;
  auto field = makeInput("ab", &focus);
  EXPECT_TRUE(field->becomeFirstResponder());
  EXPECT_TRUE(focus);

  // Until the next turn of the main queue, keys still reach the host.
  controller->insertText("!");
  EXPECT_EQ(hostText(), "host!");
  EXPECT_EQ(field->text(), "ab");

  const int syncs = controller->syncRequests;
  host->runMainQueue();
  EXPECT_EQ(typingTarget(), field);
  EXPECT_EQ(controller->syncRequests, syncs + 1);
  controller->insertText("c");
  controller->insertText("d");
  controller->deleteBackward();
  EXPECT_EQ(field->text(), "abc");
  EXPECT_EQ(hostText(), "host!");

  // Both contexts are synced against the field (the action handler asks
  // for a text context sync after each key).
  controller->performTextContextSync();
  host->runMainQueue();
  EXPECT_EQ(controller->keyboardContext()->textDocumentProxy.get(), controller->textInputProxy());
  EXPECT_EQ(controller->keyboardTextContext()->documentContextBeforeInput.get(), "abc");

  EXPECT_TRUE(field->resignFirstResponder());
  EXPECT_FALSE(focus);
  EXPECT_EQ(controller->textInputProxy(), nullptr) << "given back at once";
  controller->insertText("?");
  controller->deleteBackward();
  controller->deleteBackward();
  EXPECT_EQ(hostText(), "host");
  EXPECT_EQ(field->text(), "abc");
  host->runMainQueue();
  EXPECT_EQ(controller->keyboardContext()->textDocumentProxy.get(), host->hostProxy());
}

TEST_F(InKeyboardInputTest, ReturnResignsInsteadOfInsertingWithResignOnReturn) {
  bool focus = false;
  auto field = makeInput("ab", &focus);
  field->becomeFirstResponder();
  host->runMainQueue();

  // A line feed among other text, or two of them, is text.
  controller->insertText("c\n");
  controller->insertText("\n\n");
  EXPECT_EQ(field->text(), "abc\n\n\n");

  controller->insertText("\n");
  EXPECT_EQ(field->text(), "abc\n\n\n");
  EXPECT_FALSE(field->isFirstResponder());
  EXPECT_FALSE(focus);
  EXPECT_EQ(controller->textInputProxy(), nullptr);
  controller->insertText("\n");
  EXPECT_EQ(hostText(), "host\n") << "the next return reaches the host";
}

TEST_F(InKeyboardInputTest, WithoutResignOnReturnALineFeedIsInserted) {
  auto view = makeInput<KeyboardInputTextView>("line");
  view->setResignOnReturn(false);
  view->becomeFirstResponder();
  host->runMainQueue();
  controller->insertText("\n");
  EXPECT_EQ(view->text(), "line\n");
  EXPECT_TRUE(view->isFirstResponder());
  EXPECT_EQ(typingTarget(), view);
}

TEST_F(InKeyboardInputTest, AFieldThatGainsAndLosesFocusInOneTurnNeverTakesTheTyping) {
  auto field = makeInput("field");
  field->becomeFirstResponder();
  field->resignFirstResponder();
  host->runMainQueue();
  EXPECT_EQ(controller->textInputProxy(), nullptr);
  controller->insertText("!");
  EXPECT_EQ(hostText(), "host!");
  EXPECT_EQ(field->text(), "field");

  // Focused again in the same turn: only the latest request installs a proxy.
  const int syncs = controller->syncRequests;
  field->becomeFirstResponder();
  field->resignFirstResponder();
  field->becomeFirstResponder();
  host->runMainQueue();
  EXPECT_EQ(typingTarget(), field);
  EXPECT_EQ(controller->syncRequests, syncs + 1);
}

TEST_F(InKeyboardInputTest, ARefusedFocusRequestDoesNotTakeTheTyping) {
  bool focus = false;
  auto field = makeInput("field", &focus);
  field->setCanBecomeFirstResponder(false);
  EXPECT_FALSE(field->becomeFirstResponder());
  EXPECT_FALSE(focus);
  host->runMainQueue();
  EXPECT_EQ(controller->textInputProxy(), nullptr);
  controller->insertText("!");
  EXPECT_EQ(hostText(), "host!");
}

TEST_F(InKeyboardInputTest, FocusMovesFromOneFieldToAnother) {
  bool firstFocus = false;
  bool secondFocus = false;
  auto first = makeInput("one", &firstFocus);
  auto second = makeInput<KeyboardInputTextView>("two", &secondFocus);
  first->becomeFirstResponder();
  host->runMainQueue();

  second->becomeFirstResponder();
  EXPECT_FALSE(first->isFirstResponder()) << "focusing the second resigns the first";
  EXPECT_FALSE(firstFocus);
  EXPECT_TRUE(secondFocus);
  EXPECT_EQ(controller->textInputProxy(), nullptr);
  host->runMainQueue();
  EXPECT_EQ(typingTarget(), second);

  // Resigning a field that does not hold the typing leaves it where it is.
  first->resignFirstResponder();
  EXPECT_EQ(typingTarget(), second);
  controller->insertText("!");
  EXPECT_EQ(second->text(), "two!");
  EXPECT_EQ(first->text(), "one");
}

TEST_F(InKeyboardInputTest, AFieldWithoutAControllerOnlyReportsFocus) {
  bool focus = false;
  auto field = makeInput("field", &focus);
  field->setController(nullptr);
  EXPECT_TRUE(field->becomeFirstResponder());
  EXPECT_TRUE(focus);
  host->runMainQueue();
  EXPECT_EQ(controller->textInputProxy(), nullptr);

  // A controller that goes away before the takeover runs is not revived.
  auto other = makeInput("other");
  other->becomeFirstResponder();
  auto weak = std::weak_ptr<Controller>(controller);
  host->releaseKeyboard();
  controller.reset();
  host->runMainQueue();
  EXPECT_TRUE(weak.expired());
}

TEST_F(InKeyboardInputTest, TheTakeoverKeepsTheFieldAliveUntilItRunsAndAGoneFieldGivesTheTypingBack) {
  auto field = makeInput("field");
  field->becomeFirstResponder();
  std::weak_ptr<KeyboardInputTextField> weak = field;
  field.reset();
  EXPECT_FALSE(weak.expired());
  host->runMainQueue();
  // The proxy holds the field weakly: once the step has run, nothing keeps
  // it, and a field that goes away gives the typing back.
  EXPECT_TRUE(weak.expired());
  EXPECT_EQ(controller->textInputProxy(), nullptr);
  controller->insertText("!");
  EXPECT_EQ(hostText(), "host!");
}

TEST_F(InKeyboardInputTest, NeverOffersCameraInput) {
  auto field = makeInput();
  EXPECT_FALSE(field->canPerformAction(KeyboardInputComponent::kCaptureTextFromCameraAction));
  EXPECT_TRUE(field->canPerformAction("paste:"));
}

TEST_F(InKeyboardInputTest, ATouchEndingOnTheFieldFocusesIt) {
  auto field = makeInput();
  field->setLayoutFrame(platform::Rect(platform::Point{10, 10}, platform::Size{100, 30}));
  field->touch(platform::ui::TouchPhase::began, {5, 5});
  EXPECT_FALSE(field->isFirstResponder());
  field->touch(platform::ui::TouchPhase::ended, {150, 5});
  EXPECT_FALSE(field->isFirstResponder()) << "the finger left the field";
  field->touch(platform::ui::TouchPhase::ended, {5, 5});
  EXPECT_TRUE(field->isFirstResponder());
}

}  // namespace
}  // namespace keyloom
