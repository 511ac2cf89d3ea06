#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Date.h"
#include "platform/foundation/Geometry.h"
#include "platform/foundation/URL.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/input/Device.h"
#include "platform/input/HostTextField.h"
#include "platform/input/InMemoryTextDocumentProxy.h"
#include "platform/input/InputViewController.h"
#include "platform/input/InputViewControllerHost.h"
#include "platform/input/Screen.h"
#include "platform/input/TraitCollection.h"

namespace platform {

struct SimulatedHostConfiguration {
  // Device and screen.
  UserInterfaceIdiom idiom = UserInterfaceIdiom::phone;
  // A device without a home button shows the platform's own switch key (a
  // globe) below the keyboard, so the keyboard needs none of its own.
  bool hasHomeButton = false;
  Size screenSize{390, 844};  // with the device upright
  double screenScale = 3;
  ScreenOrientation orientation = ScreenOrientation::portrait;
  // Made the process's current locale when given.
  std::optional<std::string> localeIdentifier;
  UserInterfaceStyle userInterfaceStyle = UserInterfaceStyle::light;

  // The keyboard's frame: the screen's width unless a narrower (floating)
  // width is given. Its height, unless given, is the one the keyboard's view
  // asks for when offered the platform's standard height for the idiom and
  // orientation; a height given here is kept, and the keyboard fills it.
  std::optional<double> keyboardWidth;
  std::optional<double> keyboardHeight;

  // What the platform grants the keyboard.
  bool hasFullAccess = false;
  bool hasDictationKey = false;
  // Whether the keyboard must offer its own switch key; absent: only on a
  // device with a home button.
  std::optional<bool> needsInputModeSwitchKey;
  std::optional<TextInputMode> inputMode = TextInputMode{"en-US", {}};
  // The app group shared by the keyboard and its containing app; absent when
  // the keyboard has none. Starting an extension replaces it with the
  // extension's own.
  std::optional<std::string> appGroupIdentifier = "group.keyloom.shared";
  // False makes the app-group store fail to open, as it does on a device
  // where the app-group entitlement is missing.
  bool appGroupAvailable = true;

  // Whether the host application's responder chain opens URLs.
  bool opensURLs = true;
  // Properties of the platform object that hosts the keyboard.
  PropertyBag parentProperties;

  // The host application's text field.
  std::string text;
  TextInputTraits fieldTraits;
};

// What the keyboard asked of the platform, in order.
struct SimulatedHostRecords {
  struct InputModeListCall {
    std::shared_ptr<View> from;
    TouchEvent event;
  };
  int dismissals = 0;
  int inputModeAdvances = 0;
  std::vector<InputModeListCall> inputModeListCalls;
  std::vector<std::optional<URL>> openedURLs;  // absent: opened with no URL
  std::vector<std::optional<std::string>> primaryLanguageWrites;
};

// Stands in for the operating system and the application whose text field the
// keyboard types into. It configures the device, screen, locale and the
// keyboard's grants, owns the text field behind the keyboard's document
// proxy, creates the keyboard's controller and runs its lifecycle in the
// platform's order, and records what the keyboard asks of the platform.
//
// Starting a keyboard extension as the platform does:
//
//   // Once: a product module installs its extension in the ExtensionRegistry
//   // (the product keyboard: zandorelle::installKeyboardExtension()).
//   auto host = SimulatedHost::make();
//   host->startExtension("app.example.keyboard");
//   // Its principal controller is made, loaded and shown: viewDidLoad,
//   // viewWillAppear, layout, viewDidAppear. host->keyboard() holds it.
//   host->hideKeyboard();   // the user leaves the text field
//   host->showKeyboard();   // and comes back: the controller appears again
//
// The containing app shares settings with the keyboard through the app-group
// store: write them with appGroupStore()->set(key, value); a keyboard that
// reads its settings when it appears sees them the next time it is shown.
//
// Edits and cursor moves made through the host (the user typing in the app,
// tapping elsewhere in the text) fire the controller's text and selection
// callbacks; the keyboard's own edits through the proxy do not.
class SimulatedHost : public InputViewControllerHost, public std::enable_shared_from_this<SimulatedHost> {
 public:
  using ControllerFactory = std::function<std::shared_ptr<InputViewController>()>;

  // Applies the configuration to the process's device, main screen and
  // locale, and becomes the current host.
  static std::shared_ptr<SimulatedHost> make(SimulatedHostConfiguration configuration = {});
  ~SimulatedHost() override;

  const SimulatedHostConfiguration& configuration() const { return configuration_; }

  // ---- The text field and its proxy
  HostTextField& textField() const { return *field_; }
  std::shared_ptr<InMemoryTextDocumentProxy> hostProxy() const { return proxy_; }

  // ---- Edits made by the host (fire textWillChange / textDidChange)
  void setText(const std::string& text);  // caret at the end
  void insertText(const std::string& text);
  void deleteBackward();
  // The field gets new content and traits as a new document (new identifier):
  // another field takes the input. A keyboard shown disappears and appears
  // again on it, reading its traits; shown or not, it hears of the text.
  void beginNewDocument(const std::string& text, TextInputTraits traits);
  // ---- Cursor moves made by the host (fire selectionWillChange / DidChange)
  void select(std::size_t start, std::size_t length = 0);
  void moveCursor(std::size_t to) { select(to, 0); }

  // ---- The keyboard
  // Starts the keyboard extension installed under `identifier` in the
  // ExtensionRegistry: the keyboard's app group becomes the extension's, and
  // its principal controller, made by the registered factory, is shown as by
  // presentKeyboard(). Throws platform::Error when no extension of that
  // identifier is installed or its factory makes no controller.
  std::shared_ptr<InputViewController> startExtension(const std::string& identifier);
  // Creates a controller with the factory and shows it: view load, will
  // appear, layout, did appear. A keyboard already shown is hidden first.
  std::shared_ptr<InputViewController> presentKeyboard(const ControllerFactory& factory);
  // Shows the current controller again after it was hidden.
  void showKeyboard();
  // Hides the keyboard (will disappear, out of the window, did disappear);
  // the controller stays.
  void hideKeyboard();
  // Hides the keyboard and lets go of its controller.
  void releaseKeyboard();
  std::shared_ptr<InputViewController> keyboard() const { return keyboard_; }
  bool isKeyboardVisible() const { return visible_; }
  std::shared_ptr<Window> window() const { return window_; }
  // The frame of the keyboard's view while it is shown, else the frame it
  // would get on the current screen.
  Rect keyboardFrame() const;

  // ---- The environment
  // Turns the screen (its bounds swap between portrait and landscape), gives
  // the keyboard its new frame and runs a layout pass.
  void rotate(ScreenOrientation orientation);
  void layout();
  void setUserInterfaceStyle(UserInterfaceStyle style);
  void setInputMode(std::optional<TextInputMode> mode);
  void setHasFullAccess(bool value) { configuration_.hasFullAccess = value; }
  void setHasDictationKey(bool value) { configuration_.hasDictationKey = value; }
  void setNeedsInputModeSwitchKey(bool value) { configuration_.needsInputModeSwitchKey = value; }
  void setOpensURLs(bool value) { configuration_.opensURLs = value; }
  const std::optional<std::string>& appGroupIdentifier() const { return configuration_.appGroupIdentifier; }
  void setAppGroupAvailable(bool available);
  // The app-group store as the containing app opens it, to write what the
  // keyboard reads; null without an app group or when it cannot be opened.
  std::shared_ptr<UserDefaults> appGroupStore() const;
  TraitCollection traitCollection() const { return TraitCollection{configuration_.userInterfaceStyle}; }

  // ---- The main queue
  std::size_t runMainQueue();
  void advanceTime(TimeInterval seconds);

  // ---- What the keyboard asked for
  const SimulatedHostRecords& records() const { return records_; }
  void clearRecords() { records_ = {}; }

  // ---- InputViewControllerHost
  std::shared_ptr<TextDocumentProxy> textDocumentProxy() override { return proxy_; }
  bool hasFullAccess() const override { return configuration_.hasFullAccess; }
  bool hasDictationKey() const override { return configuration_.hasDictationKey; }
  bool needsInputModeSwitchKey() const override {
    return configuration_.needsInputModeSwitchKey.value_or(configuration_.hasHomeButton);
  }
  std::optional<TextInputMode> textInputMode() const override { return configuration_.inputMode; }
  bool fixesKeyboardHeight() const override { return configuration_.keyboardHeight.has_value(); }
  void dismissKeyboard(InputViewController& controller) override;
  void advanceToNextInputMode(InputViewController& controller) override;
  void handleInputModeList(InputViewController& controller, const std::shared_ptr<View>& from,
                           const TouchEvent& event) override;
  void primaryLanguageDidChange(InputViewController& controller,
                                const std::optional<std::string>& language) override;
  std::shared_ptr<Responder> nextResponder(const InputViewController& controller) override;
  PropertyBag parentProperties() const override { return configuration_.parentProperties; }

 private:
  class Application;

  explicit SimulatedHost(SimulatedHostConfiguration configuration);
  void applyAppGroupAvailability();
  // The frame the keyboard's view gets on the current screen now.
  Rect fittingKeyboardFrame() const;
  // Gives the shown keyboard the frame it now asks for, laying it out again
  // when that changed.
  void fitKeyboard();
  void editText(const std::function<void()>& edit);

  SimulatedHostConfiguration configuration_;
  std::shared_ptr<HostTextField> field_;
  std::shared_ptr<InMemoryTextDocumentProxy> proxy_;
  std::shared_ptr<Window> window_;
  std::shared_ptr<Application> application_;
  std::shared_ptr<InputViewController> keyboard_;
  bool visible_ = false;
  bool fitScheduled_ = false;
  SimulatedHostRecords records_;
};

}  // namespace platform
