#include "keyloom/views/KeyboardTextField.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/text/TextInputProxy.h"
#include "keyloom/views/KeyboardTextView.h"
#include "platform/foundation/MainQueue.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/Modifier.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/ViewHost.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;

class Controller : public KeyboardInputViewController {
 public:
  void insertAutocompleteSuggestion(const AutocompleteSuggestion&) override {}
  void performAutocomplete() override {}
  void performDictation() override {}
  void resetAutocomplete() override {}
};

// Handles on the state of the view under test.
struct Probe {
  std::optional<ui::State<std::string>> text;
  std::optional<ui::State<bool>> hasFocus;
  std::optional<ui::State<bool>> focus;
};

// The text state as a binding. (State<std::string>::binding() trips a false
// -Wmaybe-uninitialized in g++ 12 when inlined here.)
ui::Binding<std::string> textBinding(const ui::State<std::string>& text) {
  return ui::Binding<std::string>([text] { return text.get(); }, [text](const std::string& value) { text.set(value); });
}

// A search box above the keys: a field with a Done button, or a text view.
struct SearchBar {
  std::shared_ptr<Controller> controller;
  std::shared_ptr<Probe> probe;
  bool multiLine = false;

  ui::View body(ui::BodyContext& context) const {
    auto text = context.state<std::string>("");
    auto hasFocus = context.state<bool>(false);
    auto focus = context.state<bool>(false);
    probe->text = text;
    probe->hasFocus = hasFocus;
    probe->focus = focus;
    if (multiLine) {
      return KeyboardTextView(textBinding(text), controller, hasFocus.binding(), false)
          .focused(focus.binding(), ui::Text("Done"));
    }
    return KeyboardTextField("Search", textBinding(text), controller, hasFocus.binding())
        .focused(focus.binding(), ui::Text("Done"));
  }
};

class KeyboardTextFieldTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SimulatedHostConfiguration configuration;
    configuration.text = "host";
    host = platform::SimulatedHost::make(configuration);
    controller = std::static_pointer_cast<Controller>(
        host->presentKeyboard([] { return std::make_shared<Controller>(); }));
    host->runMainQueue();
  }

  void show(bool multiLine = false) {
    view = std::make_unique<ui::ViewHost>(SearchBar{controller, probe, multiLine});
  }
  template <class Input = KeyboardInputTextField>
  std::shared_ptr<Input> input() const {
    auto nodes = view->findAll(ui::NodeKind::representable);
    return nodes.empty() ? nullptr : std::dynamic_pointer_cast<Input>(nodes.front()->platformView());
  }
  std::shared_ptr<ui::Node> doneButton() const {
    auto buttons = view->findAll(ui::NodeKind::button);
    return buttons.empty() ? nullptr : buttons.front();
  }
  std::shared_ptr<platform::TextInput> typingTarget() const {
    auto proxy = std::dynamic_pointer_cast<TextInputProxy>(controller->textInputProxy());
    return proxy ? proxy->input() : nullptr;
  }
  void run() { platform::MainQueue::main().runUntilIdle(); }

  std::shared_ptr<platform::SimulatedHost> host;
  std::shared_ptr<Controller> controller;
  std::shared_ptr<Probe> probe = std::make_shared<Probe>();
  std::unique_ptr<ui::ViewHost> view;
};

TEST_F(KeyboardTextFieldTest, MakesAConfiguredFieldForItsController) {
  bool configured = false;
  KeyboardTextField value("Search", ui::Binding<std::string>::constant("q"), controller,
                          ui::Binding<bool>::constant(false), false, [&](KeyboardInputTextField& field) {
                            configured = true;
                            EXPECT_EQ(field.appearance().borderStyle,
                                      KeyboardInputAppearance::BorderStyle::roundedRect)
                                << "the caller's configuration comes last";
                            field.appearance().borderStyle = KeyboardInputAppearance::BorderStyle::line;
                          });
  auto field = std::dynamic_pointer_cast<KeyboardInputTextField>(value.makeView());
  ASSERT_TRUE(field);
  EXPECT_TRUE(configured);
  EXPECT_EQ(field->controller(), controller);
  EXPECT_EQ(field->placeholder(), "Search");
  EXPECT_EQ(field->text(), "q");
  EXPECT_FALSE(field->resignOnReturn());
  EXPECT_EQ(field->appearance().borderStyle, KeyboardInputAppearance::BorderStyle::line);
  EXPECT_EQ(field->appearance().backgroundColor, systemBackgroundColor());
  EXPECT_EQ(field->appearance().horizontalCompressionResistance, 250);

  KeyboardTextView textValue(ui::Binding<std::string>::constant(""), controller);
  auto textView = std::dynamic_pointer_cast<KeyboardInputTextView>(textValue.makeView());
  ASSERT_TRUE(textView);
  EXPECT_TRUE(textView->resignOnReturn());
  EXPECT_EQ(textView->placeholder(), std::nullopt);
  EXPECT_EQ(textView->appearance().cornerRadius, 5);
  EXPECT_EQ(textView->appearance().font, ui::Font::system(17));
  EXPECT_EQ(textView->appearance().backgroundColor, systemBackgroundColor());
  EXPECT_EQ(textView->appearance().horizontalCompressionResistance, 250);
}

TEST_F(KeyboardTextFieldTest, ATapFocusesTheFieldWhichThenTakesTheTyping) {
  show();
  auto field = input();
  ASSERT_TRUE(field);
  EXPECT_EQ(doneButton()->modifier<ui::Frame>()->width, 0) << "no Done button without focus";
  EXPECT_EQ(doneButton()->modifier<ui::Padding>()->insets.leading, 0);

  view->findAll(ui::NodeKind::representable).front()->tap();
  EXPECT_TRUE(field->isFirstResponder());
  run();
  EXPECT_TRUE(probe->hasFocus->get());
  EXPECT_TRUE(probe->focus->get());
  EXPECT_EQ(typingTarget(), field);
  EXPECT_EQ(input(), field) << "the same field across updates";
  EXPECT_EQ(doneButton()->modifier<ui::Frame>()->width, std::nullopt);
  EXPECT_EQ(doneButton()->modifier<ui::Padding>()->insets.leading, 3);
  EXPECT_EQ(doneButton()->modifier<ui::Padding>()->insets.trailing, 3);

  // Keys edit the field, and its text reaches the binding; not the host.
  controller->insertText("c");
  controller->insertText("a");
  controller->insertText("t");
  controller->deleteBackward();
  EXPECT_EQ(probe->text->get(), "ca");
  EXPECT_EQ(host->textField().text(), "host");

  // The binding's text reaches the field.
  probe->text->set("dog");
  run();
  EXPECT_EQ(field->text(), "dog");
}

TEST_F(KeyboardTextFieldTest, TheDoneButtonResignsTheField) {
  show();
  auto field = input();
  view->findAll(ui::NodeKind::representable).front()->tap();
  run();
  ASSERT_EQ(typingTarget(), field);

  doneButton()->tap();
  run();
  EXPECT_FALSE(field->isFirstResponder());
  EXPECT_FALSE(probe->hasFocus->get());
  EXPECT_EQ(controller->textInputProxy(), nullptr);
  EXPECT_EQ(doneButton()->modifier<ui::Frame>()->width, 0);
  controller->insertText("!");
  EXPECT_EQ(host->textField().text(), "host!");
}

TEST_F(KeyboardTextFieldTest, AFocusValueSetInCodeFocusesTheField) {
  show(true);
  auto textView = input<KeyboardInputTextView>();
  ASSERT_TRUE(textView);
  probe->focus->set(true);
  run();
  EXPECT_TRUE(textView->isFirstResponder());
  EXPECT_TRUE(probe->hasFocus->get());
  EXPECT_EQ(typingTarget(), textView);
  controller->insertText("a");
  controller->insertText("\n");
  EXPECT_EQ(probe->text->get(), "a\n") << "a text view without resignOnReturn keeps the line feed";

  // The return key that resigns a field clears the focus value too.
  textView->setResignOnReturn(true);
  controller->insertText("\n");
  run();
  EXPECT_FALSE(probe->focus->get());
  EXPECT_FALSE(probe->hasFocus->get());
  EXPECT_EQ(controller->textInputProxy(), nullptr);
}

TEST_F(KeyboardTextFieldTest, TheFieldAnimatesItsFocusAndTheTextViewDoesNot) {
  bool fieldAnimated = false;
  auto field = std::make_shared<KeyboardInputTextField>();
  field->setHasFocus(ui::Binding<bool>([] { return false; },
                                       [&](bool) { fieldAnimated = ui::Transaction::current().isAnimated(); }));
  field->becomeFirstResponder();
  EXPECT_TRUE(fieldAnimated);

  bool viewAnimated = true;
  auto textView = std::make_shared<KeyboardInputTextView>();
  textView->setHasFocus(ui::Binding<bool>([] { return false; },
                                          [&](bool) { viewAnimated = ui::Transaction::current().isAnimated(); }));
  textView->becomeFirstResponder();
  EXPECT_FALSE(viewAnimated);
}

}  // namespace
}  // namespace keyloom
