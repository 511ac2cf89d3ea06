#include "keyloom/controller/KeyboardInputViewController.h"

#include <algorithm>
#include <any>
#include <utility>

#include "keyloom/appearance/StandardKeyboardAppearance.h"
#include "keyloom/autocomplete/DisabledAutocompleteProvider.h"
#include "keyloom/autocomplete/DisabledKeyboardDictationService.h"
#include "keyloom/controller/KeyboardHostingController.h"
#include "keyloom/gestures/AudioFeedbackConfiguration.h"
#include "keyloom/gestures/HapticFeedbackConfiguration.h"
#include "keyloom/gestures/StandardKeyboardFeedbackHandler.h"
#include "keyloom/layout/EnglishInputSetProvider.h"
#include "keyloom/layout/StandardInputSetProvider.h"
#include "keyloom/layout/StandardKeyboardLayoutProvider.h"
#include "keyloom/services/ActionCalloutContext.h"
#include "keyloom/services/InputCalloutContext.h"
#include "keyloom/services/KeyboardUrlOpener.h"
#include "keyloom/services/NextKeyboardController.h"
#include "keyloom/services/StandardCalloutActionProvider.h"
#include "keyloom/services/StandardKeyboardActionHandler.h"
#include "keyloom/state/RepeatGestureTimer.h"
#include "keyloom/state/StandardKeyboardBehavior.h"
#include "keyloom/text/ProxyState.h"
#include "keyloom/text/TextDocumentProxyOperations.h"
#include "keyloom/views/EmojiCategoryKeyboard.h"
#include "keyloom/views/SystemKeyboard.h"
#include "platform/foundation/MainQueue.h"
#include "platform/input/Device.h"
#include "platform/input/HostProcessLookup.h"
#include "platform/input/Responder.h"
#include "platform/input/Screen.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

namespace {

// Lists that show and behave the same. Additional information cannot be
// compared, so a suggestion that carries any is never taken for the same.
bool sameSuggestions(const std::vector<AutocompleteSuggestion>& a,
                     const std::vector<AutocompleteSuggestion>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
    return x.text == y.text && x.title == y.title && x.isAutocomplete == y.isAutocomplete &&
           x.isUnknown == y.isUnknown && x.subtitle == y.subtitle && x.additionalInfo.empty() &&
           y.additionalInfo.empty();
  });
}

}  // namespace

KeyboardInputViewController::KeyboardInputViewController() = default;

KeyboardInputViewController::~KeyboardInputViewController() = default;

std::shared_ptr<KeyboardInputViewController> KeyboardInputViewController::sharedController() {
  return std::static_pointer_cast<KeyboardInputViewController>(weak_from_this().lock());
}

// ---- Lifecycle

void KeyboardInputViewController::viewDidLoad() {
  InputViewController::viewDidLoad();
  auto root = view();
  platform::Rect frame = root->frame();
  frame.size.width = platform::Screen::main().bounds().width();
  root->setFrame(frame);

  std::weak_ptr<KeyboardInputViewController> weakSelf = sharedController();
  auto followLocale = [weakSelf](const platform::Locale& locale) {
    auto self = weakSelf.lock();
    if (!self) return;
    self->setPrimaryLanguage(locale.identifier());
    self->autocompleteProvider()->setLocale(locale);
  };
  auto context = keyboardContext();
  // The platform's publisher replays the current value to a new subscriber.
  followLocale(context->locale.get());
  cancellables().push_back(context->locale.didSet().sink(followLocale));

  NextKeyboardController::setShared(weak_from_this());
  KeyboardUrlOpener::shared().setController(std::weak_ptr<KeyboardController>(sharedController()));
}

void KeyboardInputViewController::viewWillAppear(bool animated) {
  InputViewController::viewWillAppear(animated);
  viewWillSetupKeyboard();
  viewWillSyncWithContext();
}

void KeyboardInputViewController::viewDidAppear(bool animated) {
  InputViewController::viewDidAppear(animated);
  viewWillHandleDictationResult();
}

void KeyboardInputViewController::viewDidLayoutSubviews() {
  InputViewController::viewDidLayoutSubviews();
  keyboardContext()->syncAfterLayout(sharedController());
}

void KeyboardInputViewController::traitCollectionDidChange(const platform::TraitCollection& previous) {
  viewWillSyncWithContext();
  InputViewController::traitCollectionDidChange(previous);
}

// ---- Hooks

void KeyboardInputViewController::viewWillHandleDictationResult() {
  auto self = sharedController();
  if (!self) return;
  // Like a task on the main actor: runs on a later turn and keeps the
  // controller until it ends.
  platform::MainQueue::main().async([self] {
    self->dictationService()->handleDictationResultInKeyboard([self](DictationError error) {
      if (!error) return;
      platform::MainQueue::main().async([self, error] { self->dictationContext()->lastError = error; });
    });
  });
}

void KeyboardInputViewController::viewWillSetupKeyboard() {
  setup([](const std::shared_ptr<KeyboardInputViewController>& controller) {
    return controller->makeDefaultRootView();
  });
}

void KeyboardInputViewController::viewWillSyncWithContext() {
  if (!isContextSyncEnabled()) return;
  keyboardContext()->sync(sharedController());
  keyboardTextContext()->sync(sharedController());
}

platform::ui::View KeyboardInputViewController::makeDefaultRootView() {
  auto self = sharedController();
  if (!self) return platform::ui::EmptyView();
  // The system keyboard with its suggestion toolbar, as wide as this view.
  return platform::ui::View(
      SystemKeyboard(self, SystemKeyboard::AutocompleteToolbarMode::automatic, nullptr, std::nullopt, true));
}

// ---- View setup

void KeyboardInputViewController::setup(platform::ui::View view) {
  setup([view] { return view; });
}

void KeyboardInputViewController::setup(std::function<platform::ui::View()> builder) {
  setupWithRootView(KeyboardRootView(std::move(builder)));
}

void KeyboardInputViewController::setup(ControllerViewBuilder builder) {
  // The hosted view must never keep the controller alive, nor reach it once
  // it is gone.
  std::weak_ptr<KeyboardInputViewController> weakSelf = sharedController();
  setupWithRootView(KeyboardRootView([weakSelf, builder = std::move(builder)]() -> platform::ui::View {
    auto self = weakSelf.lock();
    if (!self || !builder) return platform::ui::EmptyView();
    return builder(self);
  }));
}

void KeyboardInputViewController::setupWithRootView(KeyboardRootView rootView) {
  for (const auto& child : children()) child->removeFromParent();
  auto root = view();
  for (const auto& subview : root->subviews()) subview->removeFromSuperview();

  auto hosted = platform::ui::View(std::move(rootView))
                    .environmentObject<AutocompleteContext>(autocompleteContext())
                    .environmentObject<KeyboardCalloutContext>(calloutContext())
                    .environmentObject<DictationContext>(dictationContext())
                    .environmentObject<KeyboardContext>(keyboardContext())
                    .environmentObject<KeyboardFeedbackSettings>(keyboardFeedbackSettings())
                    .environmentObject<KeyboardTextContext>(keyboardTextContext())
                    .environment(keyboardHeightIsFixedKey, hasFixedHeight());
  auto hosting = std::make_shared<KeyboardHostingController>(std::move(hosted));
  hosting->add(*this);
  hostingController_ = hosting;
}

std::shared_ptr<KeyboardHostingController> KeyboardInputViewController::hostingController() const {
  return hostingController_.lock();
}

void KeyboardInputViewController::setCancellables(std::vector<platform::Cancellable> cancellables) {
  cancellables_ = std::move(cancellables);
}

// ---- Text document proxies

std::shared_ptr<platform::TextDocumentProxy> KeyboardInputViewController::mainTextDocumentProxy() {
  return InputViewController::textDocumentProxy();
}

void KeyboardInputViewController::setTextInputProxy(std::shared_ptr<TextInputProxy> proxy) {
  const auto before = textDocumentProxy();
  textInputProxy_ = std::move(proxy);
  // A space autocomplete inserted in one document must never be removed
  // from another.
  if (textDocumentProxy() != before) setAutocompleteSpaceState(AutocompleteSpaceState::none);
  takeDownSuggestionsFromElsewhere();
  viewWillSyncWithContext();
}

std::shared_ptr<platform::TextDocumentProxy> KeyboardInputViewController::textDocumentProxy() {
  if (auto proxy = textInputProxy()) return proxy;
  return mainTextDocumentProxy();
}

// ---- Contexts

std::shared_ptr<AutocompleteContext> KeyboardInputViewController::autocompleteContext() {
  if (!autocompleteContext_) autocompleteContext_ = std::make_shared<AutocompleteContext>();
  return autocompleteContext_;
}

void KeyboardInputViewController::setAutocompleteContext(std::shared_ptr<AutocompleteContext> context) {
  autocompleteContext_ = std::move(context);
}

std::shared_ptr<KeyboardCalloutContext> KeyboardInputViewController::calloutContext() {
  if (!calloutContext_) {
    // Named first: the order in which the services are made is part of the
    // contract, and arguments are evaluated in no fixed order.
    auto handler = keyboardActionHandler();
    auto provider = calloutActionProvider();
    const bool isPhone = platform::Device::current().userInterfaceIdiom() == platform::UserInterfaceIdiom::phone;
    auto input = std::make_shared<InputCalloutContext>(isPhone);
    auto action = std::make_shared<ActionCalloutContext>(std::move(handler), std::move(provider));
    calloutContext_ = std::make_shared<KeyboardCalloutContext>(std::move(action), std::move(input));
  }
  return calloutContext_;
}

void KeyboardInputViewController::setCalloutContext(std::shared_ptr<KeyboardCalloutContext> context) {
  calloutContext_ = std::move(context);
}

std::shared_ptr<DictationContext> KeyboardInputViewController::dictationContext() {
  if (!dictationContext_) dictationContext_ = std::make_shared<DictationContext>();
  return dictationContext_;
}

void KeyboardInputViewController::setDictationContext(std::shared_ptr<DictationContext> context) {
  dictationContext_ = std::move(context);
}

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

std::shared_ptr<KeyboardFeedbackSettings> KeyboardInputViewController::keyboardFeedbackSettings() {
  if (!keyboardFeedbackSettings_) {
    keyboardFeedbackSettings_ = std::make_shared<KeyboardFeedbackSettings>(AudioFeedbackConfiguration::standard(),
                                                                           HapticFeedbackConfiguration::standard());
  }
  return keyboardFeedbackSettings_;
}

void KeyboardInputViewController::setKeyboardFeedbackSettings(std::shared_ptr<KeyboardFeedbackSettings> settings) {
  keyboardFeedbackSettings_ = std::move(settings);
}

std::shared_ptr<KeyboardTextContext> KeyboardInputViewController::keyboardTextContext() {
  if (!keyboardTextContext_) keyboardTextContext_ = KeyboardTextContext::create();
  return keyboardTextContext_;
}

void KeyboardInputViewController::setKeyboardTextContext(std::shared_ptr<KeyboardTextContext> context) {
  keyboardTextContext_ = std::move(context);
}

// ---- Services

std::shared_ptr<AutocompleteProvider> KeyboardInputViewController::autocompleteProvider() {
  if (!autocompleteProvider_) autocompleteProvider_ = std::make_shared<DisabledAutocompleteProvider>();
  return autocompleteProvider_;
}

void KeyboardInputViewController::setAutocompleteProvider(std::shared_ptr<AutocompleteProvider> provider) {
  autocompleteProvider_ = std::move(provider);
}

std::shared_ptr<CalloutActionProvider> KeyboardInputViewController::calloutActionProvider() {
  if (!calloutActionProvider_) {
    calloutActionProvider_ = std::make_shared<StandardCalloutActionProvider>(
        keyboardContext(), std::vector<std::shared_ptr<LocalizedCalloutActionProvider>>{
                               StandardCalloutActionProvider::standardProvider()});
  }
  return calloutActionProvider_;
}

void KeyboardInputViewController::setCalloutActionProvider(std::shared_ptr<CalloutActionProvider> provider) {
  calloutActionProvider_ = std::move(provider);
  refreshLayoutAndCalloutContext();
}

std::shared_ptr<KeyboardDictationService> KeyboardInputViewController::dictationService() {
  if (!dictationService_) dictationService_ = std::make_shared<DisabledKeyboardDictationService>(dictationContext());
  return dictationService_;
}

void KeyboardInputViewController::setDictationService(std::shared_ptr<KeyboardDictationService> service) {
  dictationService_ = std::move(service);
}

std::shared_ptr<InputSetProvider> KeyboardInputViewController::inputSetProvider() {
  if (!inputSetProvider_) {
    inputSetProvider_ = std::make_shared<StandardInputSetProvider>(
        keyboardContext(), std::vector<std::shared_ptr<LocalizedInputSetProvider>>{
                               std::make_shared<EnglishInputSetProvider>(AlphabeticInputSet::english(), "$", "£")});
  }
  return inputSetProvider_;
}

void KeyboardInputViewController::setInputSetProvider(std::shared_ptr<InputSetProvider> provider) {
  inputSetProvider_ = std::move(provider);
  refreshLayoutAndCalloutContext();
}

std::shared_ptr<KeyboardActionHandler> KeyboardInputViewController::keyboardActionHandler() {
  if (!keyboardActionHandler_) {
    keyboardActionHandler_ =
        std::make_shared<StandardKeyboardActionHandler>(sharedController(), nullptr, SpaceDragSensitivity::medium());
  }
  return keyboardActionHandler_;
}

void KeyboardInputViewController::setKeyboardActionHandler(std::shared_ptr<KeyboardActionHandler> handler) {
  keyboardActionHandler_ = std::move(handler);
  refreshLayoutAndCalloutContext();
}

std::shared_ptr<KeyboardAppearance> KeyboardInputViewController::keyboardAppearance() {
  if (!keyboardAppearance_) keyboardAppearance_ = std::make_shared<StandardKeyboardAppearance>(keyboardContext());
  return keyboardAppearance_;
}

void KeyboardInputViewController::setKeyboardAppearance(std::shared_ptr<KeyboardAppearance> appearance) {
  keyboardAppearance_ = std::move(appearance);
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

std::shared_ptr<KeyboardFeedbackHandler> KeyboardInputViewController::keyboardFeedbackHandler() {
  if (!keyboardFeedbackHandler_) {
    keyboardFeedbackHandler_ = std::make_shared<StandardKeyboardFeedbackHandler>(keyboardFeedbackSettings());
  }
  return keyboardFeedbackHandler_;
}

void KeyboardInputViewController::setKeyboardFeedbackHandler(std::shared_ptr<KeyboardFeedbackHandler> handler) {
  keyboardFeedbackHandler_ = std::move(handler);
}

std::shared_ptr<KeyboardLayoutProvider> KeyboardInputViewController::keyboardLayoutProvider() {
  if (!keyboardLayoutProvider_) {
    auto context = keyboardContext();
    keyboardLayoutProvider_ = std::make_shared<StandardKeyboardLayoutProvider>(
        std::move(context), inputSetProvider(), std::vector<std::shared_ptr<LocalizedKeyboardLayoutProvider>>{});
  }
  return keyboardLayoutProvider_;
}

void KeyboardInputViewController::setKeyboardLayoutProvider(std::shared_ptr<KeyboardLayoutProvider> provider) {
  keyboardLayoutProvider_ = std::move(provider);
}

void KeyboardInputViewController::refreshLayoutAndCalloutContext() {
  keyboardLayoutProvider()->register_(inputSetProvider());
  auto handler = keyboardActionHandler();
  auto provider = calloutActionProvider();
  calloutContext()->setAction(std::make_shared<ActionCalloutContext>(std::move(handler), std::move(provider)));
}

// ---- Context sync

bool KeyboardInputViewController::isContextSyncEnabled() const { return !isReadingFullDocumentContext(); }

void KeyboardInputViewController::performTextContextSync() {
  if (!isContextSyncEnabled()) return;
  keyboardTextContext()->sync(sharedController());
}

// ---- Platform callbacks

void KeyboardInputViewController::selectionWillChange(platform::TextInput* textInput) {
  InputViewController::selectionWillChange(textInput);
  resetAutocomplete();
}

void KeyboardInputViewController::selectionDidChange(platform::TextInput* textInput) {
  InputViewController::selectionDidChange(textInput);
  resetAutocomplete();
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
  // A space drag moves the cursor with no key action after it.
  takeDownSuggestionsFromElsewhere();
}

void KeyboardInputViewController::deleteBackward() {
  keyloom::deleteBackward(*textDocumentProxy(), keyboardBehavior()->backspaceRange());
}

void KeyboardInputViewController::deleteBackward(int times) { keyloom::deleteBackward(*textDocumentProxy(), times); }

void KeyboardInputViewController::dismissKeyboard() { InputViewController::dismissKeyboard(); }

void KeyboardInputViewController::insertAutocompleteSuggestion(const AutocompleteSuggestion& suggestion) {
  auto proxy = textDocumentProxy();
  // Suggestions computed elsewhere (the host may move the cursor without
  // telling the keyboard) would replace another word.
  if (!autocompleteContext()->suggestionsApplyAt(proxy)) return;
  keyloom::insertAutocompleteSuggestion(*proxy, suggestion, true);
  keyboardActionHandler()->handle(KeyboardGesture::release, KeyboardAction::character(""));
}

void KeyboardInputViewController::insertText(const std::string& text) { textDocumentProxy()->insertText(text); }

void KeyboardInputViewController::performAutocomplete() {
  if (!isAutocompleteEnabled()) return;
  const std::optional<std::string> text = autocompleteText();
  if (!text) {
    resetAutocomplete();
    return;
  }
  // What is shown was computed elsewhere: it goes now, not when this word's
  // answer comes, or a space typed before that would apply it.
  takeDownSuggestionsFromElsewhere();
  autocompletePlace_ = CursorPlace::of(textDocumentProxy());
  const std::uint64_t request = ++autocompleteRequest_;
  std::weak_ptr<KeyboardInputViewController> weakSelf = sharedController();
  autocompleteProvider()->autocompleteSuggestions(*text, [weakSelf, request](AutocompleteResult result) {
    // May run on any thread: only post from here, never touch the controller.
    if (weakSelf.expired()) return;
    platform::MainQueue::main().async([weakSelf, request, result = std::move(result)]() mutable {
      if (auto self = weakSelf.lock()) self->publishAutocompleteResult(request, std::move(result));
    });
  });
}

void KeyboardInputViewController::takeDownSuggestionsFromElsewhere() {
  auto context = autocompleteContext();
  if (context->suggestions.get().empty() || context->suggestionsApplyAt(textDocumentProxy())) return;
  context->suggestions = {};
}

void KeyboardInputViewController::publishAutocompleteResult(std::uint64_t request, AutocompleteResult result) {
  // A late answer for an older request, or one asked for before the cursor
  // moved, would put another word's suggestions on screen, and the next space
  // would apply one of them.
  if (request != autocompleteRequest_) return;
  auto context = autocompleteContext();
  // What is shown already, nothing on every key with a provider that never
  // suggests, or the same words again: publishing it would only rebuild the
  // keyboard view.
  auto* suggestions = std::get_if<std::vector<AutocompleteSuggestion>>(&result);
  const bool unchanged =
      suggestions && !context->lastError.get() && sameSuggestions(*suggestions, context->suggestions.get());
  if (unchanged) {
    // Nothing to redraw, but what is shown (or nothing) belongs here now.
    context->setSuggestionsPlace(autocompletePlace_);
    return;
  }
  if (!autocompletePlace_.isCurrentIn(textDocumentProxy())) return;
  if (suggestions) {
    context->publish(std::move(*suggestions), autocompletePlace_);
    if (context->lastError.get()) context->lastError = nullptr;
  } else {
    context->lastError = std::get<AutocompleteError>(std::move(result));
    if (!context->suggestions.get().empty()) context->suggestions = {};
    context->setSuggestionsPlace(autocompletePlace_);
  }
}

void KeyboardInputViewController::performDictation() {
  auto self = sharedController();
  if (!self) return;
  platform::MainQueue::main().async([self] {
    auto context = self->dictationContext();
    const KeyboardDictationConfiguration config(context->appGroupId().value_or(""),
                                                context->appDeepLink.value_or(""));
    self->dictationService()->startDictationFromKeyboard(config, [self](DictationError error) {
      if (!error) return;
      platform::MainQueue::main().async([self, error] { self->dictationContext()->lastError = error; });
    });
  });
}

void KeyboardInputViewController::resetAutocomplete() { autocompleteContext()->reset(); }

void KeyboardInputViewController::selectNextKeyboard() { keyboardContext()->selectNextLocale(); }

void KeyboardInputViewController::selectNextLocale() { keyboardContext()->selectNextLocale(); }

void KeyboardInputViewController::setKeyboardType(const KeyboardType& type) { keyboardContext()->keyboardType = type; }

void KeyboardInputViewController::openUrl(const std::optional<platform::URL>& url) {
  auto responder = platform::firstResponderAnswering(sharedController(), platform::kOpenURLSelector);
  if (!responder) return;
  responder->perform(platform::kOpenURLSelector, {url ? std::any(*url) : std::any()});
}

// ---- Autocomplete and dictation

std::optional<std::string> KeyboardInputViewController::autocompleteText() {
  return currentWord(*textDocumentProxy(), longestAutocompleteWord);
}

bool KeyboardInputViewController::isAutocompleteEnabled() {
  return autocompleteContext()->isEnabled.get() && !isReadingFullDocumentContext();
}

KeyboardDictationConfiguration KeyboardInputViewController::dictationConfig() {
  auto context = dictationContext();
  return KeyboardDictationConfiguration(context->appGroupId().value_or(""), context->appDeepLink.value_or(""));
}

// ---- The host application

std::optional<std::string> KeyboardInputViewController::hostBundleId() const {
  const platform::PropertyValue bundleId = parentProperty("_hostBundleID");
  if (const auto* text = std::get_if<std::string>(&bundleId); text && *text != "<null>") return *text;
  const platform::PropertyValue pid = parentProperty("_hostPID");
  const auto* processId = std::get_if<std::int64_t>(&pid);
  if (!processId) return std::nullopt;
  return platform::HostProcessLookup::current()->bundleIdentifier(*processId);
}

}  // namespace keyloom
