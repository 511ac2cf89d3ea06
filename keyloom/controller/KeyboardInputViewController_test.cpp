#include "keyloom/text/TextInputProxy.h"
#include "keyloom/controller/KeyboardInputViewController.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "keyloom/gestures/RepeatGestureTimer.h"
#include "keyloom/state/PreviewTextDocumentProxy.h"
#include "keyloom/state/StandardKeyboardBehavior.h"
#include "keyloom/text/ProxyState.h"
#include "platform/foundation/MainQueue.h"
#include "platform/input/InMemoryTextDocumentProxy.h"
#include "platform/input/SimulatedHost.h"

namespace keyloom {
namespace {

using platform::SimulatedHost;
using platform::SimulatedHostConfiguration;

// The controller as the platform runs it, syncing when its view is about to
// be shown; it counts the autocomplete requests.
class Controller : public KeyboardInputViewController {
 public:
  void viewWillAppear(bool animated) override {
    KeyboardInputViewController::viewWillAppear(animated);
    viewWillSyncWithContext();
  }
  void viewWillSyncWithContext() override {
    ++syncRequests;
    KeyboardInputViewController::viewWillSyncWithContext();
  }
  void insertAutocompleteSuggestion(const AutocompleteSuggestion&) override {}
  void performAutocomplete() override { ++autocompleteRequests; }
  void performDictation() override {}
  void resetAutocomplete() override {}

  int autocompleteRequests = 0;
  int syncRequests = 0;
};

class KeyboardInputViewControllerTest : public ::testing::Test {
 protected:
  void present(SimulatedHostConfiguration configuration = {}) {
    host = SimulatedHost::make(std::move(configuration));
    controller = std::static_pointer_cast<Controller>(
        host->presentKeyboard([] { return std::make_shared<Controller>(); }));
    host->runMainQueue();
  }
  std::string hostText() const { return host->textField().text(); }

  std::shared_ptr<SimulatedHost> host;
  std::shared_ptr<Controller> controller;
};

TEST_F(KeyboardInputViewControllerTest, CreatesItsContextAndBehaviourOnce) {
  present();
  auto context = controller->keyboardContext();
  EXPECT_EQ(controller->keyboardContext(), context);
  EXPECT_EQ(context->textDocumentProxy.get(), host->hostProxy()) << "synced after creation";

  auto behavior = std::dynamic_pointer_cast<StandardKeyboardBehavior>(controller->keyboardBehavior());
  ASSERT_TRUE(behavior);
  EXPECT_EQ(controller->keyboardBehavior(), behavior);
  EXPECT_EQ(behavior->keyboardContext(), context);
  EXPECT_EQ(behavior->doubleTapThreshold(), 0.5);
  EXPECT_EQ(behavior->endSentenceThreshold(), 3.0);
  EXPECT_EQ(behavior->repeatGestureTimer(), RepeatGestureTimer::shared());

  auto replacement = std::make_shared<KeyboardContext>();
  controller->setKeyboardContext(replacement);
  EXPECT_EQ(controller->keyboardContext(), replacement);
}

TEST_F(KeyboardInputViewControllerTest, AFreshContextIsSyncedOnALaterTurn) {
  host = SimulatedHost::make();
  auto fresh = std::make_shared<Controller>();
  fresh->attachHost(host);
  auto context = fresh->keyboardContext();
  EXPECT_NE(context->mainTextDocumentProxy.get(), host->hostProxy());
  host->runMainQueue();
  EXPECT_EQ(context->mainTextDocumentProxy.get(), host->hostProxy());
}

TEST_F(KeyboardInputViewControllerTest, TextOperationsGoToTheHost) {
  SimulatedHostConfiguration configuration;
  configuration.text = "Hello";
  present(configuration);
  EXPECT_EQ(controller->textDocumentProxy(), host->hostProxy());
  EXPECT_EQ(controller->mainTextDocumentProxy(), host->hostProxy());
  controller->insertText(" world");
  controller->adjustTextPosition(-6);
  controller->insertText(",");
  EXPECT_EQ(hostText(), "Hello, world");
  controller->adjustTextPosition(6);
  controller->deleteBackward(2);
  controller->deleteBackward();
  EXPECT_EQ(hostText(), "Hello, wo");
}

TEST_F(KeyboardInputViewControllerTest, HeldBackspaceDeletesCharactersThenWords) {
  SimulatedHostConfiguration configuration;
  configuration.text = "one two three four sixsix";
  present(configuration);
  auto timer = RepeatGestureTimer::shared();
  timer->setTimeInterval(0.5);
  timer->start([keyboard = controller] { keyboard->deleteBackward(); });
  host->advanceTime(3.0);  // six ticks, the last one exactly at 3 s
  EXPECT_EQ(hostText(), "one two three four ");
  host->advanceTime(0.5);
  EXPECT_EQ(hostText(), "one two three ");
  host->advanceTime(0.5);
  EXPECT_EQ(hostText(), "one two ");
  timer->stop();
  controller->deleteBackward();
  EXPECT_EQ(hostText(), "one two");
}

TEST_F(KeyboardInputViewControllerTest, DismissesThroughThePlatform) {
  present();
  controller->dismissKeyboard();
  EXPECT_EQ(host->records().dismissals, 1);
}

TEST_F(KeyboardInputViewControllerTest, NextKeyboardAndNextLocaleBothCycleLocales) {
  present();
  auto context = controller->keyboardContext();
  context->setLocales(std::vector{KeyboardLocale::english, KeyboardLocale::german});
  context->setLocale(KeyboardLocale::english);
  controller->selectNextKeyboard();
  EXPECT_EQ(context->locale.get(), platform::Locale("de"));
  controller->selectNextLocale();
  EXPECT_EQ(context->locale.get(), platform::Locale("en"));
  EXPECT_EQ(host->records().inputModeAdvances, 0);

  context->setLocales(std::vector{KeyboardLocale::english});
  int published = 0;
  auto subscription = context->locale.didSet().sink([&](const platform::Locale&) { ++published; });
  controller->selectNextKeyboard();
  EXPECT_EQ(published, 1);
  EXPECT_EQ(context->locale.get(), platform::Locale("en"));
}

TEST_F(KeyboardInputViewControllerTest, SetKeyboardTypeAlwaysPublishes) {
  present();
  auto context = controller->keyboardContext();
  int published = 0;
  auto subscription = context->keyboardType.didSet().sink([&](const KeyboardType&) { ++published; });
  controller->setKeyboardType(KeyboardType::numeric());
  controller->setKeyboardType(KeyboardType::numeric());
  EXPECT_EQ(context->keyboardType.get(), KeyboardType::numeric());
  EXPECT_EQ(published, 2);
}

TEST_F(KeyboardInputViewControllerTest, OpensUrlsThroughTheResponderChain) {
  present();
  const auto url = platform::URL::fromString("https://example.com/a");
  ASSERT_TRUE(url);
  controller->openUrl(url);
  controller->openUrl(std::nullopt);
  ASSERT_EQ(host->records().openedURLs.size(), 2u);
  EXPECT_EQ(host->records().openedURLs[0], url);
  EXPECT_EQ(host->records().openedURLs[1], std::nullopt);

  host->setOpensURLs(false);
  controller->openUrl(url);
  EXPECT_EQ(host->records().openedURLs.size(), 2u);
}

TEST_F(KeyboardInputViewControllerTest, TextWillChangePublishesANewProxyAtOnce) {
  present();
  auto context = controller->keyboardContext();
  context->textDocumentProxy = std::make_shared<PreviewTextDocumentProxy>();
  int published = 0;
  auto subscription = context->textDocumentProxy.didSet().sink([&](const auto&) { ++published; });
  host->insertText("a");
  EXPECT_EQ(context->textDocumentProxy.get(), host->hostProxy());
  host->insertText("b");
  EXPECT_EQ(published, 1) << "the same proxy is not published again";
}

TEST_F(KeyboardInputViewControllerTest, TextDidChangeRunsAutocompleteTextSyncAndTheKeyboardType) {
  SimulatedHostConfiguration configuration;
  configuration.fieldTraits.autocapitalizationType = platform::AutocapitalizationType::sentences;
  configuration.text = "Hi";
  present(configuration);
  auto context = controller->keyboardContext();
  context->keyboardType = KeyboardType::alphabetic(KeyboardCase::lowercased);

  host->setText("Hi. ");
  EXPECT_EQ(controller->autocompleteRequests, 1);
  EXPECT_EQ(context->keyboardType.get(), KeyboardType::alphabetic(KeyboardCase::uppercased));
  EXPECT_NE(controller->keyboardTextContext()->documentContextBeforeInput.get(), "Hi. ");
  host->runMainQueue();
  EXPECT_EQ(controller->keyboardTextContext()->documentContextBeforeInput.get(), "Hi. ");
}

TEST_F(KeyboardInputViewControllerTest, NumbersTurnBackToLettersWhenTheHostTypesASpace) {
  SimulatedHostConfiguration configuration;
  configuration.text = "12";
  present(configuration);
  controller->setKeyboardType(KeyboardType::numeric());
  host->insertText(" ");
  EXPECT_EQ(controller->keyboardContext()->keyboardType.get(),
            KeyboardType::alphabetic(KeyboardCase::lowercased));
}

TEST_F(KeyboardInputViewControllerTest, AnInKeyboardFieldTakesTheTyping) {
  SimulatedHostConfiguration configuration;
  configuration.text = "host";
  present(configuration);
  // The proxy holds its input weakly; the test keeps it alive.
  auto input = platform::InMemoryTextDocumentProxy::make("field")->sharedInput();
  auto field = std::make_shared<TextInputProxy>(input);
  const int before = controller->syncRequests;
  controller->setTextInputProxy(field);
  EXPECT_EQ(controller->syncRequests, before + 1);
  EXPECT_EQ(controller->textDocumentProxy(), field);
  EXPECT_EQ(controller->mainTextDocumentProxy(), host->hostProxy());
  controller->insertText("!");
  EXPECT_EQ(field->documentContextBeforeInput(), "field!");
  EXPECT_EQ(hostText(), "host");
  host->runMainQueue();
  EXPECT_EQ(controller->keyboardContext()->textDocumentProxy.get(), field);
  EXPECT_EQ(controller->keyboardContext()->mainTextDocumentProxy.get(), host->hostProxy());
  EXPECT_EQ(controller->keyboardTextContext()->documentContextBeforeInput.get(), "field!");

  controller->setTextInputProxy(nullptr);
  EXPECT_EQ(controller->syncRequests, before + 2);
  EXPECT_EQ(controller->textDocumentProxy(), host->hostProxy());
  host->runMainQueue();
  EXPECT_EQ(controller->keyboardContext()->textDocumentProxy.get(), host->hostProxy());
}

TEST_F(KeyboardInputViewControllerTest, TextWillChangePublishesTheActiveFieldsProxy) {
  present();
  auto input = platform::InMemoryTextDocumentProxy::make()->sharedInput();
  auto field = std::make_shared<TextInputProxy>(input);
  controller->setTextInputProxy(field);  // its sync has not run yet
  host->insertText("a");
  EXPECT_EQ(controller->keyboardContext()->textDocumentProxy.get(), field);
}

TEST_F(KeyboardInputViewControllerTest, ContextSyncIsOffWhileTheFullDocumentIsRead) {
  present();
  EXPECT_TRUE(controller->isContextSyncEnabled());
  setReadingFullDocumentContext(true);
  EXPECT_FALSE(controller->isContextSyncEnabled());
  controller->performTextContextSync();
  controller->viewWillSyncWithContext();
  EXPECT_EQ(platform::MainQueue::main().pendingCount(), 0u);
  setReadingFullDocumentContext(false);
  controller->performTextContextSync();
  EXPECT_EQ(platform::MainQueue::main().pendingCount(), 1u);
}

}  // namespace
}  // namespace keyloom
