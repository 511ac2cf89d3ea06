#include "keyloom/controller/KeyboardInputViewController.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "keyloom/autocomplete/DisabledAutocompleteProvider.h"
#include "keyloom/autocomplete/DisabledKeyboardDictationService.h"
#include "keyloom/controller/KeyboardHostingController.h"
#include "keyloom/layout/StandardInputSetProvider.h"
#include "keyloom/layout/StandardKeyboardLayoutProvider.h"
#include "keyloom/services/KeyboardUrlOpener.h"
#include "keyloom/services/NextKeyboardController.h"
#include "keyloom/state/PreviewTextDocumentProxy.h"
#include "keyloom/state/RepeatGestureTimer.h"
#include "keyloom/state/StandardKeyboardBehavior.h"
#include "keyloom/text/ProxyState.h"
#include "keyloom/text/TextInputProxy.h"
#include "platform/feedback/FeedbackLog.h"
#include "platform/foundation/MainQueue.h"
#include "platform/input/HostProcessLookup.h"
#include "platform/input/InMemoryTextDocumentProxy.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/Modifier.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/TypeName.h"

namespace keyloom {
namespace {

using platform::SimulatedHost;
using platform::SimulatedHostConfiguration;
using ::testing::ElementsAre;

std::shared_ptr<KeyboardInputViewController> makeController() {
  return std::make_shared<KeyboardInputViewController>();
}

class KeyboardInputViewControllerTest : public ::testing::Test {
 protected:
  void present(SimulatedHostConfiguration configuration = {},
               SimulatedHost::ControllerFactory factory = makeController) {
    host = SimulatedHost::make(std::move(configuration));
    controller = std::static_pointer_cast<KeyboardInputViewController>(host->presentKeyboard(factory));
    host->runMainQueue();
  }
  std::string hostText() const { return host->textField().text(); }

  std::shared_ptr<SimulatedHost> host;
  std::shared_ptr<KeyboardInputViewController> controller;
};

// ---- Lifecycle

// Records the hooks in the order the platform and the base class run them.
class LifecycleSpy : public KeyboardInputViewController {
 public:
  void viewDidLoad() override {
    events.push_back("load");
    KeyboardInputViewController::viewDidLoad();
  }
  void viewWillAppear(bool animated) override {
    events.push_back("willAppear");
    KeyboardInputViewController::viewWillAppear(animated);
  }
  void viewWillSetupKeyboard() override {
    events.push_back("setup");
    KeyboardInputViewController::viewWillSetupKeyboard();
  }
  void viewWillSyncWithContext() override {
    events.push_back("sync");
    KeyboardInputViewController::viewWillSyncWithContext();
  }
  void viewDidLayoutSubviews() override {
    events.push_back("layout");
    KeyboardInputViewController::viewDidLayoutSubviews();
  }
  void viewDidAppear(bool animated) override {
    events.push_back("didAppear");
    KeyboardInputViewController::viewDidAppear(animated);
  }
  void viewWillHandleDictationResult() override {
    events.push_back("dictationResult");
    KeyboardInputViewController::viewWillHandleDictationResult();
  }
  std::vector<std::string> events;
};

TEST_F(KeyboardInputViewControllerTest, FirstAppearanceRunsTheHooksInPlatformOrder) {
  present({}, [] { return std::make_shared<LifecycleSpy>(); });
  auto spy = std::static_pointer_cast<LifecycleSpy>(controller);
  EXPECT_THAT(spy->events,
              ElementsAre("load", "willAppear", "setup", "sync", "layout", "didAppear", "dictationResult"));
  EXPECT_EQ(controller->view()->frame().width(), 390) << "widened to the screen";
  EXPECT_EQ(controller->primaryLanguage(), controller->keyboardContext()->locale.get().identifier());
}

TEST_F(KeyboardInputViewControllerTest, EachAppearanceReplacesTheHostedView) {
  present();
  std::weak_ptr<KeyboardHostingController> first = controller->hostingController();
  ASSERT_FALSE(first.expired());
  host->hideKeyboard();
  host->showKeyboard();
  EXPECT_TRUE(first.expired()) << "the old hosting controller is released";

  auto hosting = controller->hostingController();
  ASSERT_TRUE(hosting);
  ASSERT_EQ(controller->children().size(), 1u);
  EXPECT_EQ(controller->children()[0], hosting);
  ASSERT_EQ(controller->view()->subviews().size(), 1u);
  auto hosted = controller->view()->subviews()[0];
  EXPECT_EQ(hosted, hosting->view());
  EXPECT_EQ(controller->view()->constraints().size(), 4u) << "the old view's constraints left with it";

  // Pinned to all four edges, clear, and its tree laid out in its bounds.
  EXPECT_EQ(hosted->frame(), controller->view()->bounds());
  EXPECT_EQ(hosted->backgroundColor(), platform::View::Color::clear());
  EXPECT_FALSE(hosted->translatesAutoresizingMaskIntoConstraints());
  EXPECT_EQ(hosting->viewHost().layoutBounds(), controller->view()->bounds());
}

TEST_F(KeyboardInputViewControllerTest, TheRootViewGetsTheSixContextsInOrder) {
  present();
  auto root = controller->hostingController()->viewHost().root();
  std::vector<std::string> objects;
  for (const auto* write : root->modifiersOfType<platform::ui::EnvironmentWrite>()) {
    if (write->name == "environmentObject") objects.push_back(write->value);
  }
  using platform::ui::readableTypeName;
  EXPECT_THAT(objects, ElementsAre(readableTypeName(typeid(AutocompleteContext)),
                                   readableTypeName(typeid(KeyboardCalloutContext)),
                                   readableTypeName(typeid(DictationContext)),
                                   readableTypeName(typeid(KeyboardContext)),
                                   readableTypeName(typeid(KeyboardFeedbackSettings)),
                                   readableTypeName(typeid(KeyboardTextContext))));
  const auto& environment = root->children()[0]->environment();
  EXPECT_EQ(environment.object<KeyboardContext>(), controller->keyboardContext());
  EXPECT_EQ(environment.object<KeyboardTextContext>(), controller->keyboardTextContext());
  EXPECT_EQ(environment.object<KeyboardCalloutContext>(), controller->calloutContext());
}

TEST_F(KeyboardInputViewControllerTest, KeyboardChangesRebuildTheRootViewAndTextChangesDoNot) {
  present();
  int builds = 0;
  std::shared_ptr<KeyboardInputViewController> given;
  controller->setup([&](const std::shared_ptr<KeyboardInputViewController>& c) {
    ++builds;
    given = c;
    return platform::ui::Text("keys");
  });
  EXPECT_EQ(builds, 1);
  EXPECT_EQ(given, controller);
  given.reset();

  controller->keyboardContext()->keyboardType = KeyboardType::numeric();
  host->runMainQueue();
  EXPECT_EQ(builds, 2);
  controller->autocompleteContext()->suggestions = {AutocompleteSuggestion("a")};
  host->runMainQueue();
  EXPECT_EQ(builds, 3);
  controller->keyboardTextContext()->documentContextBeforeInput = std::string("typed");
  controller->keyboardFeedbackSettings()->disableAudioFeedback();
  host->runMainQueue();
  EXPECT_EQ(builds, 3);
}

TEST_F(KeyboardInputViewControllerTest, TheHostedViewNeverKeepsTheControllerAndIsEmptyOnceItIsGone) {
  present();
  int builds = 0;
  controller->setup([&](const std::shared_ptr<KeyboardInputViewController>&) {
    ++builds;
    return platform::ui::Text("keys");
  });
  auto hosting = controller->hostingController();
  auto context = controller->keyboardContext();
  std::weak_ptr<KeyboardInputViewController> weak = controller;
  host->releaseKeyboard();
  controller.reset();
  host->runMainQueue();
  ASSERT_TRUE(weak.expired());

  context->keyboardType = KeyboardType::numeric();
  host->runMainQueue();
  EXPECT_EQ(builds, 1);
  EXPECT_EQ(hosting->viewHost().findText("keys"), nullptr);
}

TEST_F(KeyboardInputViewControllerTest, ARegisteredControllerIsReachableOnlyWhileItLives) {
  EXPECT_EQ(NextKeyboardController::shared(), nullptr);
  present();
  EXPECT_EQ(NextKeyboardController::shared(), controller);
  EXPECT_EQ(KeyboardUrlOpener::shared().controller(), controller);

  // The globe key and the settings link reach the loaded controller.
  KeyboardUrlOpener::shared().open(platform::URL::fromString("app-settings:"));
  EXPECT_EQ(host->records().openedURLs.size(), 1u);

  std::weak_ptr<KeyboardInputViewController> weak = controller;
  host->releaseKeyboard();
  controller.reset();
  host->runMainQueue();
  EXPECT_TRUE(weak.expired());
  EXPECT_EQ(NextKeyboardController::shared(), nullptr);
  EXPECT_EQ(KeyboardUrlOpener::shared().controller(), nullptr);
  EXPECT_THROW(KeyboardUrlOpener::shared().open(std::nullopt), KeyboardUrlOpener::UrlError);
}

// A provider that records the locales it is given together with the
// platform's primary language at that moment.
class LocaleRecordingProvider : public DisabledAutocompleteProvider {
 public:
  explicit LocaleRecordingProvider(std::weak_ptr<KeyboardInputViewController> controller)
      : controller_(std::move(controller)) {}
  void setLocale(platform::Locale locale) override {
    auto controller = controller_.lock();
    seen.push_back(locale.identifier() + "/" + controller->primaryLanguage().value_or("-"));
    DisabledAutocompleteProvider::setLocale(std::move(locale));
  }
  std::vector<std::string> seen;

 private:
  std::weak_ptr<KeyboardInputViewController> controller_;
};

// A product keyboard replaces services before the base class loads.
class ProductController : public KeyboardInputViewController {
 public:
  void viewDidLoad() override {
    provider = std::make_shared<LocaleRecordingProvider>(
        std::static_pointer_cast<KeyboardInputViewController>(weak_from_this().lock()));
    setAutocompleteProvider(provider);
    KeyboardInputViewController::viewDidLoad();
  }
  std::shared_ptr<LocaleRecordingProvider> provider;
};

TEST_F(KeyboardInputViewControllerTest, TheLocaleSetsThePrimaryLanguageBeforeTheProvidersLocale) {
  SimulatedHostConfiguration configuration;
  configuration.localeIdentifier = "en";
  present(configuration, [] { return std::make_shared<ProductController>(); });
  auto product = std::static_pointer_cast<ProductController>(controller);
  controller->keyboardContext()->setLocale(KeyboardLocale::german);
  EXPECT_THAT(product->provider->seen, ElementsAre("en/en", "de/de"));
  EXPECT_EQ(host->records().primaryLanguageWrites.back(), "de");
}

// ---- Context sync through the lifecycle

TEST_F(KeyboardInputViewControllerTest, ContextsFollowTheHostAcrossAppearancesAndTraitChanges) {
  present();
  auto context = controller->keyboardContext();
  EXPECT_FALSE(context->hasFullAccess.get());

  // Granted while the keyboard was hidden: seen once it shows again.
  host->hideKeyboard();
  host->setHasFullAccess(true);
  host->setHasDictationKey(true);
  host->setInputMode(platform::TextInputMode{"de-CH", {}});
  host->showKeyboard();
  host->runMainQueue();
  EXPECT_TRUE(context->hasFullAccess.get());
  EXPECT_TRUE(context->hasDictationKey.get());
  EXPECT_EQ(context->textInputMode.get(), (platform::TextInputMode{"de-CH", {}}));

  host->setUserInterfaceStyle(platform::UserInterfaceStyle::dark);
  host->runMainQueue();
  EXPECT_TRUE(context->hasDarkColorScheme());

  host->setText("Hi there");
  host->runMainQueue();
  EXPECT_EQ(controller->keyboardTextContext()->documentContextBeforeInput.get(), "Hi there");
}

TEST_F(KeyboardInputViewControllerTest, WhileTheDocumentIsReadOnlyCreationAndLayoutSyncsPublish) {
  SimulatedHostConfiguration configuration;
  configuration.text = "Hello";
  host = SimulatedHost::make(configuration);
  setReadingFullDocumentContext(true);
  controller = std::static_pointer_cast<KeyboardInputViewController>(host->presentKeyboard(makeController));
  host->runMainQueue();
  auto context = controller->keyboardContext();
  EXPECT_EQ(context->screenSize.get(), (platform::Size{390, 844})) << "the sync made at creation";
  EXPECT_EQ(controller->keyboardTextContext()->documentContextBeforeInput.get(), std::nullopt);

  host->setHasFullAccess(true);
  host->hideKeyboard();
  host->showKeyboard();
  host->setUserInterfaceStyle(platform::UserInterfaceStyle::dark);
  controller->setTextInputProxy(nullptr);
  host->runMainQueue();
  EXPECT_FALSE(context->hasFullAccess.get());
  EXPECT_FALSE(context->hasDarkColorScheme());
  EXPECT_EQ(controller->keyboardTextContext()->documentContextBeforeInput.get(), std::nullopt);

  host->rotate(platform::ScreenOrientation::landscapeLeft);
  host->runMainQueue();
  EXPECT_EQ(context->interfaceOrientation.get(), InterfaceOrientation::landscapeLeft);
  setReadingFullDocumentContext(false);
}

// ---- Contexts and services

TEST_F(KeyboardInputViewControllerTest, ContextsAndServicesAreMadeOnceWithTheirDefaults) {
  present();
  auto context = controller->keyboardContext();
  EXPECT_EQ(controller->keyboardContext(), context);
  EXPECT_EQ(context->textDocumentProxy.get(), host->hostProxy()) << "synced after creation";

  auto behavior = std::dynamic_pointer_cast<StandardKeyboardBehavior>(controller->keyboardBehavior());
  ASSERT_TRUE(behavior);
  EXPECT_EQ(behavior->keyboardContext(), context);
  EXPECT_EQ(behavior->doubleTapThreshold(), 0.5);
  EXPECT_EQ(behavior->endSentenceThreshold(), 3.0);
  EXPECT_EQ(behavior->repeatGestureTimer(), RepeatGestureTimer::shared());

  EXPECT_TRUE(controller->calloutContext()->input()->isEnabled.get()) << "a phone";
  EXPECT_EQ(controller->calloutContext()->action()->actionHandler(), controller->keyboardActionHandler());
  EXPECT_EQ(controller->calloutContext()->action()->actionProvider(), controller->calloutActionProvider());
  EXPECT_EQ(controller->autocompleteProvider()->locale(), context->locale.get());
}

// Records which of the two services the callout context reads, in order.
class CalloutServicesSpy : public KeyboardInputViewController {
 public:
  std::shared_ptr<KeyboardActionHandler> keyboardActionHandler() override {
    reads.push_back("action handler");
    return KeyboardInputViewController::keyboardActionHandler();
  }
  std::shared_ptr<CalloutActionProvider> calloutActionProvider() override {
    reads.push_back("callout action provider");
    return KeyboardInputViewController::calloutActionProvider();
  }
  std::vector<std::string> reads;
};

TEST_F(KeyboardInputViewControllerTest, TheCalloutContextMakesTheActionHandlerBeforeTheCalloutActionProvider) {
  host = SimulatedHost::make();
  auto spy = std::make_shared<CalloutServicesSpy>();
  spy->attachHost(host);
  auto callouts = spy->calloutContext();
  EXPECT_THAT(spy->reads, ElementsAre("action handler", "callout action provider"));
  EXPECT_EQ(callouts->action()->actionHandler(), spy->keyboardActionHandler());
  EXPECT_EQ(callouts->action()->actionProvider(), spy->calloutActionProvider());
}

TEST_F(KeyboardInputViewControllerTest, APadGetsNoInputCallout) {
  SimulatedHostConfiguration configuration;
  configuration.idiom = platform::UserInterfaceIdiom::pad;
  configuration.screenSize = {1024, 1366};
  present(configuration);
  EXPECT_FALSE(controller->calloutContext()->input()->isEnabled.get());
}

TEST_F(KeyboardInputViewControllerTest, ReplacingTheInputSetProviderRewiresLayoutAndCallouts) {
  host = SimulatedHost::make();
  auto fresh = makeController();
  fresh->attachHost(host);
  auto provider = std::make_shared<StandardInputSetProvider>(
      fresh->keyboardContext(), std::vector<std::shared_ptr<LocalizedInputSetProvider>>{});
  fresh->setInputSetProvider(provider);
  auto layout = std::dynamic_pointer_cast<StandardKeyboardLayoutProvider>(fresh->keyboardLayoutProvider());
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->inputSetProvider(), provider);
  auto action = fresh->calloutContext()->action();
  EXPECT_EQ(action->actionHandler(), fresh->keyboardActionHandler());

  fresh->setKeyboardAppearance(fresh->keyboardAppearance());
  EXPECT_EQ(fresh->calloutContext()->action(), action) << "other services rewire nothing";
  fresh->setCalloutActionProvider(fresh->calloutActionProvider());
  EXPECT_NE(fresh->calloutContext()->action(), action);
}

TEST_F(KeyboardInputViewControllerTest, AReplacedContextDoesNotReachServicesMadeBefore) {
  present();
  auto before = controller->keyboardContext();
  auto behavior = std::static_pointer_cast<StandardKeyboardBehavior>(controller->keyboardBehavior());
  auto replacement = std::make_shared<KeyboardContext>();
  controller->setKeyboardContext(replacement);
  EXPECT_EQ(controller->keyboardContext(), replacement);
  EXPECT_EQ(behavior->keyboardContext(), before);
}

// ---- Text operations

struct Target {
  const char* name;
  bool inKeyboardField;
};

class TextOperationsTest : public KeyboardInputViewControllerTest, public ::testing::WithParamInterface<Target> {
 protected:
  void SetUp() override {
    SimulatedHostConfiguration configuration;
    configuration.text = "Hello";
    present(configuration);
    if (GetParam().inKeyboardField) {
      input = platform::InMemoryTextDocumentProxy::make("Hello")->sharedInput();
      controller->setTextInputProxy(std::make_shared<TextInputProxy>(input));
    }
  }
  std::string text() const {
    return GetParam().inKeyboardField ? controller->textDocumentProxy()->documentContextBeforeInput().value_or("") +
                                            controller->textDocumentProxy()->documentContextAfterInput().value_or("")
                                      : hostText();
  }
  std::shared_ptr<platform::TextInput> input;
};

TEST_P(TextOperationsTest, EveryOperationEditsTheCurrentTarget) {
  controller->insertText(" world");
  controller->adjustTextPosition(-6);
  controller->insertText(",");
  EXPECT_EQ(text(), "Hello, world");
  controller->adjustTextPosition(6);
  controller->deleteBackward(2);
  controller->deleteBackward();
  EXPECT_EQ(text(), "Hello, wo");
  controller->insertAutocompleteSuggestion(AutocompleteSuggestion("world"));
  EXPECT_EQ(text(), "Hello, world ");
  if (GetParam().inKeyboardField) {
    EXPECT_EQ(hostText(), "Hello") << "the host's text is untouched";
  }
}

INSTANTIATE_TEST_SUITE_P(Targets, TextOperationsTest,
                         ::testing::Values(Target{"host", false}, Target{"field", true}),
                         [](const auto& info) { return std::string(info.param.name); });

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
  timer->stop();
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
  EXPECT_EQ(host->records().openedURLs, (std::vector<std::optional<platform::URL>>{url, std::nullopt}));

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

TEST_F(KeyboardInputViewControllerTest, TextDidChangeSyncsTextAndSwitchesToThePreferredType) {
  SimulatedHostConfiguration configuration;
  configuration.fieldTraits.autocapitalizationType = platform::AutocapitalizationType::sentences;
  configuration.text = "Hi";
  present(configuration);
  auto context = controller->keyboardContext();
  context->keyboardType = KeyboardType::alphabetic(KeyboardCase::lowercased);

  host->setText("Hi. ");
  EXPECT_EQ(context->keyboardType.get(), KeyboardType::alphabetic(KeyboardCase::uppercased));
  EXPECT_NE(controller->keyboardTextContext()->documentContextBeforeInput.get(), "Hi. ");
  host->runMainQueue();
  EXPECT_EQ(controller->keyboardTextContext()->documentContextBeforeInput.get(), "Hi. ");
}

TEST_F(KeyboardInputViewControllerTest, AnInKeyboardFieldTakesTheTypingAndTheSyncs) {
  SimulatedHostConfiguration configuration;
  configuration.text = "host";
  present(configuration);
  auto input = platform::InMemoryTextDocumentProxy::make("field")->sharedInput();
  auto field = std::make_shared<TextInputProxy>(input);
  controller->setTextInputProxy(field);
  EXPECT_EQ(controller->textDocumentProxy(), field);
  EXPECT_EQ(controller->mainTextDocumentProxy(), host->hostProxy());
  host->runMainQueue();
  EXPECT_EQ(controller->keyboardContext()->textDocumentProxy.get(), field);
  EXPECT_EQ(controller->keyboardTextContext()->documentContextBeforeInput.get(), "field");

  controller->setTextInputProxy(nullptr);
  EXPECT_EQ(controller->textDocumentProxy(), host->hostProxy());
  host->runMainQueue();
  EXPECT_EQ(controller->keyboardContext()->textDocumentProxy.get(), host->hostProxy());
}

TEST_F(KeyboardInputViewControllerTest, AnAutocompleteSpaceIsNeverRemovedFromAnotherField) {
  SimulatedHostConfiguration configuration;
  configuration.text = "Helo";
  present(configuration);
  controller->insertAutocompleteSuggestion(AutocompleteSuggestion("Hello"));
  EXPECT_EQ(hostText(), "Hello ");
  EXPECT_EQ(autocompleteSpaceState(), AutocompleteSpaceState::autoInserted);

  auto input = platform::InMemoryTextDocumentProxy::make("field ")->sharedInput();
  controller->setTextInputProxy(std::make_shared<TextInputProxy>(input));
  EXPECT_EQ(autocompleteSpaceState(), AutocompleteSpaceState::none);
  controller->keyboardActionHandler()->handle(KeyboardGesture::release, KeyboardAction::character("."));
  EXPECT_EQ(controller->textDocumentProxy()->documentContextBeforeInput(), "field .");

  controller->setTextInputProxy(controller->textInputProxy());
  controller->insertAutocompleteSuggestion(AutocompleteSuggestion("x"));
  controller->setTextInputProxy(nullptr);
  EXPECT_EQ(autocompleteSpaceState(), AutocompleteSpaceState::none);
}

// ---- Autocomplete

// Keeps each request's completion to answer later, in any order.
class DeferredProvider : public DisabledAutocompleteProvider {
 public:
  void autocompleteSuggestions(const std::string& text, const AutocompleteCompletion& completion) override {
    requests.push_back(text);
    completions.push_back(completion);
  }
  static AutocompleteResult suggest(const std::string& text) {
    return std::vector<AutocompleteSuggestion>{AutocompleteSuggestion(text, std::nullopt, true)};
  }
  std::vector<std::string> requests;
  std::vector<AutocompleteCompletion> completions;
};

class AutocompleteTest : public KeyboardInputViewControllerTest {
 protected:
  void SetUp() override {
    SimulatedHostConfiguration configuration;
    configuration.text = "he";
    present(configuration);
    provider = std::make_shared<DeferredProvider>();
    controller->setAutocompleteProvider(provider);
    context = controller->autocompleteContext();
  }
  std::vector<std::string> published() const {
    std::vector<std::string> texts;
    for (const auto& suggestion : context->suggestions.get()) texts.push_back(suggestion.text);
    return texts;
  }
  std::shared_ptr<DeferredProvider> provider;
  std::shared_ptr<AutocompleteContext> context;
};

TEST_F(AutocompleteTest, PublishesTheAnswerForTheCurrentWordOnALaterTurn) {
  controller->performAutocomplete();
  ASSERT_THAT(provider->requests, ElementsAre("he"));
  provider->completions[0](DeferredProvider::suggest("hello"));
  EXPECT_TRUE(published().empty()) << "never during the call";
  host->runMainQueue();
  EXPECT_THAT(published(), ElementsAre("hello"));
}

TEST_F(AutocompleteTest, AnAnswerFromAnotherThreadIsPublishedOnTheMainQueue) {
  controller->performAutocomplete();
  std::thread worker([this] { provider->completions[0](DeferredProvider::suggest("hello")); });
  worker.join();
  host->runMainQueue();
  EXPECT_THAT(published(), ElementsAre("hello"));
}

TEST_F(AutocompleteTest, LateOrOutOfOrderAnswersAreNeverPublished) {
  controller->performAutocomplete();  // "he"
  host->insertText("l");              // text did change: asks for "hel"
  ASSERT_THAT(provider->requests, ElementsAre("he", "hel"));
  provider->completions[1](DeferredProvider::suggest("help"));
  provider->completions[0](DeferredProvider::suggest("hey"));
  host->runMainQueue();
  EXPECT_THAT(published(), ElementsAre("help"));

  // The newest request, but the word has changed under it meanwhile.
  controller->performAutocomplete();
  controller->insertText("p");
  provider->completions[2](DeferredProvider::suggest("hello"));
  host->runMainQueue();
  EXPECT_THAT(published(), ElementsAre("help"));

  // So the next space never applies another word's suggestion.
  controller->keyboardActionHandler()->handle(KeyboardGesture::release, KeyboardAction::space());
  EXPECT_EQ(hostText(), "help ");
}

TEST_F(AutocompleteTest, ASuccessClearsTheErrorAndAFailureClearsTheSuggestions) {
  controller->performAutocomplete();
  provider->completions[0](DeferredProvider::suggest("hello"));
  host->runMainQueue();
  controller->performAutocomplete();
  provider->completions[1](AutocompleteError(std::make_shared<platform::Error>("offline")));
  host->runMainQueue();
  EXPECT_TRUE(published().empty());
  ASSERT_TRUE(context->lastError.get());
  controller->performAutocomplete();
  provider->completions[2](DeferredProvider::suggest("hello"));
  host->runMainQueue();
  EXPECT_THAT(published(), ElementsAre("hello"));
  EXPECT_EQ(context->lastError.get(), nullptr);
}

TEST_F(AutocompleteTest, NoWordResetsAndDisabledOrReadingDoesNothing) {
  // A field whose input is gone answers no text at all: no current word.
  auto input = platform::InMemoryTextDocumentProxy::make("he")->sharedInput();
  controller->setTextInputProxy(std::make_shared<TextInputProxy>(input));
  input.reset();
  context->suggestions = {AutocompleteSuggestion("x")};
  context->isLoading = true;
  controller->performAutocomplete();
  EXPECT_TRUE(provider->requests.empty()) << "not asked";
  EXPECT_TRUE(published().empty());
  EXPECT_FALSE(context->isLoading.get());
  controller->setTextInputProxy(nullptr);

  context->isEnabled = false;
  controller->performAutocomplete();
  setReadingFullDocumentContext(true);
  context->isEnabled = true;
  controller->performAutocomplete();
  setReadingFullDocumentContext(false);
  EXPECT_TRUE(provider->requests.empty());
  controller->performAutocomplete();
  EXPECT_THAT(provider->requests, ElementsAre("he"));
}

TEST_F(AutocompleteTest, AWordLongerThanAnySuggestionIsNotLookedUp) {
  const std::string longest(KeyboardInputViewController::longestAutocompleteWord, 'a');
  host->insertText(" " + longest);
  ASSERT_FALSE(provider->requests.empty());
  EXPECT_EQ(provider->requests.back(), longest);
  context->suggestions = {AutocompleteSuggestion("x")};
  provider->requests.clear();
  host->insertText("a");
  EXPECT_TRUE(provider->requests.empty()) << provider->requests.front().size() << " characters looked up";
  EXPECT_TRUE(published().empty());
  host->insertText(" b");
  EXPECT_THAT(provider->requests, ElementsAre("b"));
}

TEST_F(AutocompleteTest, TheSameSuggestionsAgainPublishNothing) {
  int changes = 0;
  auto subscription = context->objectWillChange().sink([&] { ++changes; });
  const auto answer = [&](AutocompleteResult result) {
    controller->performAutocomplete();
    provider->completions.back()(std::move(result));
    host->runMainQueue();
  };
  answer(DeferredProvider::suggest("hello"));
  ASSERT_EQ(changes, 1);
  answer(DeferredProvider::suggest("hello"));
  EXPECT_EQ(changes, 1);
  answer(DeferredProvider::suggest("help"));
  EXPECT_EQ(changes, 2);
  EXPECT_THAT(published(), ElementsAre("help"));
  // Information that cannot be compared is taken as new.
  AutocompleteSuggestion withInfo("help", std::nullopt, true, false, std::nullopt, {{"rank", 1}});
  answer(std::vector<AutocompleteSuggestion>{withInfo});
  EXPECT_EQ(changes, 3);
  answer(std::vector<AutocompleteSuggestion>{withInfo});
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(context->suggestions.get().at(0).additionalInfo.size(), 1u);
}

TEST_F(AutocompleteTest, AMovedSelectionResetsAutocomplete) {
  context->suggestions = {AutocompleteSuggestion("hello")};
  context->lastError = AutocompleteError(std::make_shared<platform::Error>("x"));
  host->moveCursor(1);
  EXPECT_TRUE(published().empty());
  EXPECT_EQ(context->lastError.get(), nullptr);
}

TEST_F(AutocompleteTest, AnAnswerIsShownOnlyWhereItWasAskedEvenForTheSameWord) {
  host->setText("he he");              // asks for the second "he"
  controller->adjustTextPosition(-3);  // the same word, elsewhere: "he| he"
  provider->completions.back()(DeferredProvider::suggest("hello"));
  host->runMainQueue();
  EXPECT_TRUE(published().empty());
}

TEST_F(AutocompleteTest, AFieldInTheKeyboardTakingTheTypingTakesTheHostsSuggestionsDown) {
  controller->performAutocomplete();
  provider->completions[0](DeferredProvider::suggest("hello"));
  host->runMainQueue();
  ASSERT_THAT(published(), ElementsAre("hello"));
  // The same text as the host's, in another field.
  auto field = platform::InMemoryTextDocumentProxy::make("he")->sharedInput();
  controller->setTextInputProxy(std::make_shared<TextInputProxy>(field));
  EXPECT_TRUE(published().empty());
  host->runMainQueue();  // the keyboard context follows the field
  controller->keyboardActionHandler()->handle(KeyboardGesture::release, KeyboardAction::space());
  EXPECT_EQ(field->text(), "he ");
  EXPECT_EQ(hostText(), "he");
}

TEST_F(AutocompleteTest, AnInsertedSuggestionReleasesAnEmptyCharacterWithoutFeedback) {
  platform::FeedbackLog::clear();
  controller->insertAutocompleteSuggestion(AutocompleteSuggestion("hello"));
  EXPECT_EQ(hostText(), "hello ");
  EXPECT_TRUE(platform::FeedbackLog::played().empty());
  EXPECT_THAT(provider->requests, ElementsAre("")) << "the release ran autocomplete";
}

// ---- Dictation

// A dictation service that fails with the given error.
class FailingDictationService : public DisabledKeyboardDictationService {
 public:
  using DisabledKeyboardDictationService::DisabledKeyboardDictationService;
  void startDictationFromKeyboard(const KeyboardDictationConfiguration& configuration,
                                  DictationCompletion completion) override {
    configurations.push_back(configuration);
    complete(completion, std::make_shared<platform::Error>("no microphone"));
  }
  void handleDictationResultInKeyboard(DictationCompletion completion) override {
    complete(completion, std::make_shared<platform::Error>("no result"));
  }
  std::vector<KeyboardDictationConfiguration> configurations;
};

TEST_F(KeyboardInputViewControllerTest, DictationFailuresLandInTheContext) {
  present();
  EXPECT_EQ(controller->dictationConfig(), KeyboardDictationConfiguration("", ""));
  auto service = std::make_shared<FailingDictationService>(controller->dictationContext());
  controller->setDictationService(service);
  controller->dictationContext()->appDeepLink = "keyloom://dictation";
  controller->performDictation();
  EXPECT_EQ(controller->dictationContext()->lastError.get(), nullptr) << "a task on a later turn";
  host->runMainQueue();
  ASSERT_EQ(service->configurations.size(), 1u);
  EXPECT_EQ(service->configurations[0], KeyboardDictationConfiguration("", "keyloom://dictation"));
  ASSERT_TRUE(controller->dictationContext()->lastError.get());
  EXPECT_EQ(controller->dictationContext()->lastError.get()->description(), "no microphone");

  host->hideKeyboard();
  host->showKeyboard();
  host->runMainQueue();
  EXPECT_EQ(controller->dictationContext()->lastError.get()->description(), "no result");
}

// ---- The host application

class FixedLookup : public platform::HostProcessLookup {
 public:
  std::optional<std::string> bundleIdentifier(std::int64_t pid) const override {
    return pid == 42 ? std::optional<std::string>("com.example.notes") : std::nullopt;
  }
};

TEST_F(KeyboardInputViewControllerTest, HostBundleIdAsksTheHostingObjectThenThePlatform) {
  struct Case {
    platform::PropertyBag properties;
    std::optional<std::string> expected;
  };
  const Case cases[] = {
      {{{"_hostBundleID", std::string("com.example.mail")}}, "com.example.mail"},
      {{{"_hostBundleID", std::string("<null>")}}, std::nullopt},
      {{{"_hostBundleID", std::string("<null>")}, {"_hostPID", std::int64_t{42}}}, "com.example.notes"},
      {{{"_hostBundleID", std::int64_t{7}}, {"_hostPID", std::int64_t{42}}}, "com.example.notes"},
      {{{"_hostPID", std::int64_t{41}}}, std::nullopt},
      {{}, std::nullopt},
  };
  platform::HostProcessLookup::setCurrent(std::make_shared<FixedLookup>());
  for (const auto& c : cases) {
    SimulatedHostConfiguration configuration;
    configuration.parentProperties = c.properties;
    present(configuration);
    EXPECT_EQ(controller->hostBundleId(), c.expected);
  }
  platform::HostProcessLookup::setCurrent(nullptr);
  SimulatedHostConfiguration configuration;
  configuration.parentProperties = {{"_hostPID", std::int64_t{42}}};
  present(configuration);
  EXPECT_EQ(controller->hostBundleId(), std::nullopt) << "the default lookup answers nothing";
}

}  // namespace
}  // namespace keyloom
