#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "keyloom/appearance/KeyboardAppearance.h"
#include "keyloom/autocomplete/AutocompleteContext.h"
#include "keyloom/autocomplete/AutocompleteProvider.h"
#include "keyloom/autocomplete/DictationContext.h"
#include "keyloom/autocomplete/KeyboardDictationConfiguration.h"
#include "keyloom/autocomplete/KeyboardDictationService.h"
#include "keyloom/controller/KeyboardRootView.h"
#include "keyloom/gestures/KeyboardFeedbackHandler.h"
#include "keyloom/gestures/KeyboardFeedbackSettings.h"
#include "keyloom/layout/InputSetProvider.h"
#include "keyloom/layout/KeyboardLayoutProvider.h"
#include "keyloom/services/CalloutActionProvider.h"
#include "keyloom/services/KeyboardActionHandler.h"
#include "keyloom/services/KeyboardCalloutContext.h"
#include "keyloom/services/KeyboardServicesController.h"
#include "keyloom/state/KeyboardBehavior.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/KeyboardController.h"
#include "keyloom/state/KeyboardTextContext.h"
#include "keyloom/text/CursorPlace.h"
#include "keyloom/text/TextInputProxy.h"
#include "platform/input/InputViewController.h"
#include "platform/reactive/Cancellable.h"
#include "platform/ui/View.h"

namespace keyloom {

class KeyboardHostingController;

// The keyboard extension's controller: the one owner of the keyboard's
// contexts and services, each made on first read and kept for the
// controller's life unless replaced; it follows the host through the
// lifecycle, keeps the contexts in step with the platform, carries out the
// key actions on the current text document proxy, and hosts the keyboard's
// view.
//
// Subclass it for a product keyboard: override viewDidLoad() to replace
// services, viewWillSetupKeyboard() to install another view (setup() may be
// called any number of times, each call replaces the last).
//
// Always owned by std::shared_ptr (the platform creates it so).
class KeyboardInputViewController : public KeyboardServicesController {
 public:
  // Given the controller while it lives; see setup().
  using ControllerViewBuilder =
      std::function<platform::ui::View(const std::shared_ptr<KeyboardInputViewController>& controller)>;

  KeyboardInputViewController();
  ~KeyboardInputViewController() override;

  // A new controller for previews on every call, never loaded or shown.
  // Defined with the other preview factories.
  static std::shared_ptr<KeyboardInputViewController> preview();

  // ---- Lifecycle

  // Widens the view to the screen, follows the context's locale (the
  // platform's primary language first, then the autocomplete provider's
  // locale, once now and at every change), and registers this controller as
  // the next-keyboard controller and the URL opener's controller.
  void viewDidLoad() override;
  // viewWillSetupKeyboard(), then viewWillSyncWithContext().
  void viewWillAppear(bool animated) override;
  // Then viewWillHandleDictationResult().
  void viewDidAppear(bool animated) override;
  // Then the keyboard context's after-layout sync, also while context sync is
  // otherwise disabled.
  void viewDidLayoutSubviews() override;
  // viewWillSyncWithContext() first, then the platform's handling.
  void traitCollectionDidChange(const platform::TraitCollection& previous) override;

  // ---- Hooks

  // Takes over a dictation result, if any; run after every appearance.
  virtual void viewWillHandleDictationResult();
  // Installs the keyboard's view on every appearance, before the context
  // sync: by default makeDefaultRootView(), rebuilt at every evaluation.
  virtual void viewWillSetupKeyboard();
  // Syncs the keyboard context, then the text context, on a later turn of the
  // main queue, unless context sync is disabled.
  virtual void viewWillSyncWithContext();
  // The view the default viewWillSetupKeyboard() installs.
  virtual platform::ui::View makeDefaultRootView();

  // ---- View setup. Each call replaces what an earlier one installed.

  virtual void setup(platform::ui::View view);
  virtual void setup(std::function<platform::ui::View()> builder);
  // The builder is given this controller at every evaluation; the installed
  // view never keeps the controller alive, and builds an empty view once it
  // is gone.
  virtual void setup(ControllerViewBuilder builder);
  // Removes every child controller and subview, gives the root view the six
  // contexts as environment objects and hosts it in a new hosting controller
  // pinned to this controller's view.
  virtual void setupWithRootView(KeyboardRootView rootView);
  // The hosting controller of the last setup; none before the first.
  std::shared_ptr<KeyboardHostingController> hostingController() const;

  // ---- Subscriptions this controller owns (the locale subscription)

  virtual std::vector<platform::Cancellable>& cancellables() { return cancellables_; }
  virtual void setCancellables(std::vector<platform::Cancellable> cancellables);

  // ---- Text document proxies

  // The host application's proxy.
  std::shared_ptr<platform::TextDocumentProxy> mainTextDocumentProxy() override;
  // The proxy of a text field inside the keyboard while it takes the typing;
  // absent while the host's text is the target. Every write, to a proxy or
  // to absent, then runs viewWillSyncWithContext(). A write that changes the
  // target also forgets the space autocomplete inserted in the old one.
  std::shared_ptr<TextInputProxy> textInputProxy() const override { return textInputProxy_; }
  void setTextInputProxy(std::shared_ptr<TextInputProxy> proxy) override;
  // The text input proxy when one is set, else the host's. Every text
  // operation and context sync goes through it.
  std::shared_ptr<platform::TextDocumentProxy> textDocumentProxy() override;

  // ---- Contexts, made on first read. Replacing one does not reach the
  // services made earlier: they keep the context they were made with.

  std::shared_ptr<AutocompleteContext> autocompleteContext() override;
  virtual void setAutocompleteContext(std::shared_ptr<AutocompleteContext> context);
  // Its action callout works with the current action handler and callout
  // action provider; its input callout is enabled on phones only.
  std::shared_ptr<KeyboardCalloutContext> calloutContext() override;
  virtual void setCalloutContext(std::shared_ptr<KeyboardCalloutContext> context);
  virtual std::shared_ptr<DictationContext> dictationContext();
  virtual void setDictationContext(std::shared_ptr<DictationContext> context);
  // Synced with this controller when made.
  std::shared_ptr<KeyboardContext> keyboardContext() override;
  virtual void setKeyboardContext(std::shared_ptr<KeyboardContext> context);
  // The standard audio and haptic configurations.
  virtual std::shared_ptr<KeyboardFeedbackSettings> keyboardFeedbackSettings();
  virtual void setKeyboardFeedbackSettings(std::shared_ptr<KeyboardFeedbackSettings> settings);
  virtual std::shared_ptr<KeyboardTextContext> keyboardTextContext();
  virtual void setKeyboardTextContext(std::shared_ptr<KeyboardTextContext> context);

  // ---- Services, made on first read. Replacing the input set provider, the
  // action handler or the callout action provider re-registers the input set
  // provider with the layout provider and rebuilds the action callout.

  // A provider that suggests nothing.
  virtual std::shared_ptr<AutocompleteProvider> autocompleteProvider();
  virtual void setAutocompleteProvider(std::shared_ptr<AutocompleteProvider> provider);
  // The standard provider with the English callout actions.
  virtual std::shared_ptr<CalloutActionProvider> calloutActionProvider();
  virtual void setCalloutActionProvider(std::shared_ptr<CalloutActionProvider> provider);
  // The disabled service over the dictation context.
  virtual std::shared_ptr<KeyboardDictationService> dictationService();
  virtual void setDictationService(std::shared_ptr<KeyboardDictationService> service);
  // The standard provider with English input sets ("$" and "£").
  virtual std::shared_ptr<InputSetProvider> inputSetProvider();
  virtual void setInputSetProvider(std::shared_ptr<InputSetProvider> provider);
  // The standard action handler on this controller.
  std::shared_ptr<KeyboardActionHandler> keyboardActionHandler() override;
  virtual void setKeyboardActionHandler(std::shared_ptr<KeyboardActionHandler> handler);
  std::shared_ptr<KeyboardAppearance> keyboardAppearance() override;
  virtual void setKeyboardAppearance(std::shared_ptr<KeyboardAppearance> appearance);
  // A StandardKeyboardBehavior on the keyboard context, with a double-tap
  // threshold of 0.5 s, an end-sentence threshold of 3 s and the shared
  // repeat timer.
  std::shared_ptr<KeyboardBehavior> keyboardBehavior() override;
  virtual void setKeyboardBehavior(std::shared_ptr<KeyboardBehavior> behavior);
  std::shared_ptr<KeyboardFeedbackHandler> keyboardFeedbackHandler() override;
  virtual void setKeyboardFeedbackHandler(std::shared_ptr<KeyboardFeedbackHandler> handler);
  // The standard provider on the current input set provider.
  std::shared_ptr<KeyboardLayoutProvider> keyboardLayoutProvider() override;
  virtual void setKeyboardLayoutProvider(std::shared_ptr<KeyboardLayoutProvider> provider);

  // ---- KeyboardController
  void adjustTextPosition(int byCharacterOffset) override;
  // Deletes what the behaviour's backspace range says at this moment.
  void deleteBackward() override;
  void deleteBackward(int times) override;
  void dismissKeyboard() override;
  // Replaces the current word and adds a space unless one stands next to the
  // cursor, then sends a release of an empty character through the action
  // handler, which runs the after-action steps once more. Does nothing where
  // the shown suggestions do not apply (see AutocompleteContext).
  void insertAutocompleteSuggestion(const AutocompleteSuggestion& suggestion) override;
  void insertText(const std::string& text) override;
  // Asks the provider for the current word and publishes its answer on a
  // later turn of the main queue, only while it answers the newest request
  // and the cursor stands where it was asked. Suggestions shown for another
  // place are taken down at once. No current word resets the suggestions;
  // with autocomplete disabled this does nothing.
  void performAutocomplete() override;
  // Hands dictation to the dictation service; a failure lands in the
  // dictation context's lastError.
  void performDictation() override;
  void performTextContextSync() override;
  void resetAutocomplete() override;
  // Both make the context's next locale current.
  void selectNextKeyboard() override;
  void selectNextLocale() override;
  void setKeyboardType(const KeyboardType& type) override;
  // Sends the platform's URL-opening message to the first responder from
  // this controller on that answers it; nothing when none does.
  void openUrl(const std::optional<platform::URL>& url) override;

  // ---- Autocomplete and dictation

  // The longest word autocomplete looks up, in characters: no suggestion
  // completes a longer one, and looking no further keeps each key's cost flat
  // however long a word is typed.
  static constexpr std::size_t longestAutocompleteWord = 100;
  // The word at the cursor; none when it is longer than the longest looked up.
  virtual std::optional<std::string> autocompleteText();
  // The context allows it and the whole document is not being read.
  virtual bool isAutocompleteEnabled();
  // The dictation context's app group and deep link ("" for either absent).
  virtual KeyboardDictationConfiguration dictationConfig();

  // ---- Context sync

  // False while the whole document is being read through the proxy, so its
  // intermediate states are never published.
  virtual bool isContextSyncEnabled() const;

  // ---- Platform callbacks
  // A moved selection resets autocomplete.
  void selectionWillChange(platform::TextInput* textInput) override;
  void selectionDidChange(platform::TextInput* textInput) override;
  // Publishes the current proxy at once when the context holds another.
  void textWillChange(platform::TextInput* textInput) override;
  // Autocomplete, text sync, then the preferred keyboard type when the
  // behaviour asks for it.
  void textDidChange(platform::TextInput* textInput) override;

  // ---- The host application

  // The bundle identifier of the application whose text the keyboard serves:
  // the hosting object's "_hostBundleID" unless absent or "<null>", else the
  // platform's lookup by the host's "_hostPID". Absent when every step fails.
  std::optional<std::string> hostBundleId() const;

 protected:
  // This controller as an owning pointer; null when it is not shared-owned.
  std::shared_ptr<KeyboardInputViewController> sharedController();
  // Re-registers the input set provider with the layout provider and gives
  // the callout context a new action callout on the current services.
  virtual void refreshLayoutAndCalloutContext();

 private:
  void publishAutocompleteResult(std::uint64_t request, AutocompleteResult result);
  // Clears suggestions computed anywhere but at the cursor now.
  void takeDownSuggestionsFromElsewhere();

  std::vector<platform::Cancellable> cancellables_;
  std::shared_ptr<TextInputProxy> textInputProxy_;
  std::weak_ptr<KeyboardHostingController> hostingController_;
  std::uint64_t autocompleteRequest_ = 0;
  // Where the cursor stood at the newest request.
  CursorPlace autocompletePlace_;

  std::shared_ptr<AutocompleteContext> autocompleteContext_;
  std::shared_ptr<KeyboardCalloutContext> calloutContext_;
  std::shared_ptr<DictationContext> dictationContext_;
  std::shared_ptr<KeyboardContext> keyboardContext_;
  std::shared_ptr<KeyboardFeedbackSettings> keyboardFeedbackSettings_;
  std::shared_ptr<KeyboardTextContext> keyboardTextContext_;

  std::shared_ptr<AutocompleteProvider> autocompleteProvider_;
  std::shared_ptr<CalloutActionProvider> calloutActionProvider_;
  std::shared_ptr<KeyboardDictationService> dictationService_;
  std::shared_ptr<InputSetProvider> inputSetProvider_;
  std::shared_ptr<KeyboardActionHandler> keyboardActionHandler_;
  std::shared_ptr<KeyboardAppearance> keyboardAppearance_;
  std::shared_ptr<KeyboardBehavior> keyboardBehavior_;
  std::shared_ptr<KeyboardFeedbackHandler> keyboardFeedbackHandler_;
  std::shared_ptr<KeyboardLayoutProvider> keyboardLayoutProvider_;
};

}  // namespace keyloom
