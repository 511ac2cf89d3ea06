#include "platform/input/SimulatedHost.h"

#include <algorithm>

#include "platform/foundation/Error.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/input/ExtensionRegistry.h"

namespace platform {

// The host application at the end of the keyboard's responder chain: it opens
// URLs (by recording them) when the host is configured to.
class SimulatedHost::Application : public Responder {
 public:
  explicit Application(std::weak_ptr<SimulatedHost> host) : host_(std::move(host)) {}

  bool respondsToSelector(std::string_view selector) const override {
    auto host = host_.lock();
    return host && host->configuration_.opensURLs && selector == kOpenURLSelector;
  }

  void perform(std::string_view selector, const std::vector<std::any>& arguments) override {
    auto host = host_.lock();
    if (!host || !respondsToSelector(selector)) return;
    std::optional<URL> url;
    if (!arguments.empty()) {
      if (auto* plain = std::any_cast<URL>(&arguments[0])) {
        url = *plain;
      } else if (auto* optional = std::any_cast<std::optional<URL>>(&arguments[0])) {
        url = *optional;
      }
    }
    host->records_.openedURLs.push_back(std::move(url));
  }

 private:
  std::weak_ptr<SimulatedHost> host_;
};

namespace {

double standardKeyboardHeight(UserInterfaceIdiom idiom, bool landscape) {
  if (idiom == UserInterfaceIdiom::pad) return landscape ? 400 : 320;
  return landscape ? 200 : 260;
}

}  // namespace

std::shared_ptr<SimulatedHost> SimulatedHost::make(SimulatedHostConfiguration configuration) {
  auto host = std::shared_ptr<SimulatedHost>(new SimulatedHost(std::move(configuration)));
  host->application_ = std::make_shared<Application>(host);
  // As the platform, the host answers a view that asks for another size on
  // a later turn of the main queue, once for all that asked meanwhile.
  std::weak_ptr<SimulatedHost> weakHost = host;
  host->window_->setContentSizeDidChange([weakHost] {
    auto host = weakHost.lock();
    if (!host || host->fitScheduled_) return;
    host->fitScheduled_ = true;
    MainQueue::main().async([weakHost] {
      auto host = weakHost.lock();
      if (!host) return;
      host->fitScheduled_ = false;
      host->fitKeyboard();
    });
  });
  InputViewControllerHost::setCurrent(host);
  return host;
}

SimulatedHost::SimulatedHost(SimulatedHostConfiguration configuration) : configuration_(std::move(configuration)) {
  Device::current().setUserInterfaceIdiom(configuration_.idiom);
  Device::current().setHasHomeButton(configuration_.hasHomeButton);
  Screen& screen = Screen::main();
  screen.setPortraitSize(configuration_.screenSize);
  screen.setScale(configuration_.screenScale);
  screen.setOrientation(configuration_.orientation);
  if (configuration_.localeIdentifier) Locale::setCurrent(Locale(*configuration_.localeIdentifier));
  // An available store is left as the process has it.
  if (!configuration_.appGroupAvailable) applyAppGroupAvailability();

  field_ = std::make_shared<HostTextField>(configuration_.text, configuration_.fieldTraits);
  field_->setTextInputMode(configuration_.inputMode);
  proxy_ = std::make_shared<InMemoryTextDocumentProxy>(field_);
  window_ = std::make_shared<Window>(screen);
}

SimulatedHost::~SimulatedHost() {
  // The platform tears the keyboard down with the host.
  if (keyboard_) {
    if (auto view = keyboard_->viewIfLoaded()) view->setWindow(nullptr);
  }
}

// ---- Host edits

void SimulatedHost::editText(const std::function<void()>& edit) {
  // Hold the controller: a callback may make the host let go of it.
  auto controller = keyboard_;
  if (controller) controller->textWillChange(field_.get());
  edit();
  if (controller) controller->textDidChange(field_.get());
}

void SimulatedHost::setText(const std::string& text) {
  editText([&] { field_->setText(text); });
}

void SimulatedHost::insertText(const std::string& text) {
  editText([&] { field_->insertText(text); });
}

void SimulatedHost::deleteBackward() {
  editText([&] { field_->deleteBackward(); });
}

void SimulatedHost::beginNewDocument(const std::string& text, TextInputTraits traits) {
  // Another field takes the input. A keyboard shown leaves the field before
  // and appears on the new one, as the platform shows it again, and reads
  // the new field's traits as it appears; shown or not, it hears of the new
  // text as of any edit.
  const bool shown = visible_;
  hideKeyboard();
  editText([&] {
    field_->setText(text);
    field_->setTraits(std::move(traits));
    proxy_->renewDocumentIdentifier();
  });
  if (shown) showKeyboard();
}

void SimulatedHost::select(std::size_t start, std::size_t length) {
  auto controller = keyboard_;
  if (controller) controller->selectionWillChange(field_.get());
  field_->unmarkText();
  field_->select(start, length);
  if (controller) controller->selectionDidChange(field_.get());
}

// ---- The keyboard

Rect SimulatedHost::keyboardFrame() const {
  if (keyboard_ && visible_) {
    if (auto view = keyboard_->viewIfLoaded()) return view->frame();
  }
  return fittingKeyboardFrame();
}

Rect SimulatedHost::fittingKeyboardFrame() const {
  const Rect screen = Screen::main().bounds();
  const bool landscape = isLandscape(Screen::main().orientation());
  const double width = std::min(configuration_.keyboardWidth.value_or(screen.width()), screen.width());
  double height = configuration_.keyboardHeight.value_or(standardKeyboardHeight(configuration_.idiom, landscape));
  if (!configuration_.keyboardHeight && keyboard_) {
    // Content that stretches takes the standard height; content of a fixed
    // height gets it, taller or shorter.
    if (auto view = keyboard_->viewIfLoaded()) height = view->systemLayoutSizeFitting(Size{width, height}).height;
  }
  height = std::min(height, screen.height());
  return Rect((screen.width() - width) / 2, screen.height() - height, width, height);
}

void SimulatedHost::fitKeyboard() {
  auto controller = keyboard_;
  if (!controller || !visible_) return;
  auto view = controller->view();
  const Rect frame = fittingKeyboardFrame();
  if (frame == view->frame()) return;
  view->setFrame(frame);
  controller->driveLayout();
}

std::shared_ptr<InputViewController> SimulatedHost::startExtension(const std::string& identifier) {
  const auto extension = ExtensionRegistry::extension(identifier);
  if (!extension) throw Error("No keyboard extension is installed as \"" + identifier + "\"");
  auto controller = extension->makePrincipalController();
  if (!controller) throw Error("The keyboard extension \"" + identifier + "\" made no controller");
  releaseKeyboard();
  configuration_.appGroupIdentifier = extension->appGroupIdentifier;
  applyAppGroupAvailability();
  return presentKeyboard([&controller] { return controller; });
}

std::shared_ptr<InputViewController> SimulatedHost::presentKeyboard(const ControllerFactory& factory) {
  releaseKeyboard();
  auto controller = factory ? factory() : nullptr;
  if (!controller) controller = std::make_shared<InputViewController>();
  keyboard_ = controller;
  controller->attachHost(shared_from_this());
  controller->driveTraitCollection(traitCollection());
  controller->view();  // loads: viewDidLoad
  showKeyboard();
  return controller;
}

void SimulatedHost::showKeyboard() {
  auto controller = keyboard_;
  if (!controller || visible_) return;
  visible_ = true;
  auto view = controller->view();
  view->setFrame(fittingKeyboardFrame());
  controller->driveWillAppear(false);
  view->setWindow(window_);
  // The view set up while appearing may ask for another height.
  view->setFrame(fittingKeyboardFrame());
  controller->driveLayout();
  controller->driveDidAppear(false);
}

void SimulatedHost::hideKeyboard() {
  auto controller = keyboard_;
  if (!controller || !visible_) return;
  visible_ = false;
  controller->driveWillDisappear(false);
  if (auto view = controller->viewIfLoaded()) view->setWindow(nullptr);
  controller->driveDidDisappear(false);
}

void SimulatedHost::releaseKeyboard() {
  hideKeyboard();
  keyboard_.reset();
}

// ---- The environment

void SimulatedHost::rotate(ScreenOrientation orientation) {
  Screen& screen = Screen::main();
  if (screen.orientation() == orientation) return;
  Size turned = screen.portraitSize();
  if (isLandscape(orientation)) turned = Size{turned.height, turned.width};
  auto controller = keyboard_;
  if (controller && visible_) controller->viewWillTransitionToSize(turned);
  screen.setOrientation(orientation);
  configuration_.orientation = orientation;
  if (controller && visible_) {
    controller->view()->setFrame(fittingKeyboardFrame());
    controller->driveLayout();
  }
}

void SimulatedHost::layout() {
  if (!keyboard_ || !visible_) return;
  keyboard_->view()->setFrame(fittingKeyboardFrame());
  keyboard_->driveLayout();
}

void SimulatedHost::setUserInterfaceStyle(UserInterfaceStyle style) {
  configuration_.userInterfaceStyle = style;
  if (auto controller = keyboard_) controller->driveTraitCollection(traitCollection());
}

void SimulatedHost::setAppGroupAvailable(bool available) {
  configuration_.appGroupAvailable = available;
  applyAppGroupAvailability();
}

void SimulatedHost::applyAppGroupAvailability() {
  if (configuration_.appGroupIdentifier)
    UserDefaults::setSuiteUnavailable(*configuration_.appGroupIdentifier, !configuration_.appGroupAvailable);
}

std::shared_ptr<UserDefaults> SimulatedHost::appGroupStore() const {
  if (!configuration_.appGroupIdentifier) return nullptr;
  return UserDefaults::suite(*configuration_.appGroupIdentifier);
}

void SimulatedHost::setInputMode(std::optional<TextInputMode> mode) {
  configuration_.inputMode = mode;
  field_->setTextInputMode(std::move(mode));
  NotificationCenter::defaultCenter().post(TextInputMode::currentInputModeDidChangeNotification);
}

// ---- The main queue

std::size_t SimulatedHost::runMainQueue() { return MainQueue::main().runUntilIdle(); }

void SimulatedHost::advanceTime(TimeInterval seconds) { MainQueue::main().advance(seconds); }

// ---- Requests from the keyboard

void SimulatedHost::dismissKeyboard(InputViewController& controller) {
  ++records_.dismissals;
  // The platform hides the keyboard on a later turn, not inside the caller.
  std::weak_ptr<SimulatedHost> weakHost = shared_from_this();
  std::weak_ptr<InputViewController> weakController = controller.weak_from_this();
  MainQueue::main().async([weakHost, weakController] {
    auto host = weakHost.lock();
    auto requester = weakController.lock();
    if (host && requester && host->keyboard_ == requester) host->hideKeyboard();
  });
}

void SimulatedHost::advanceToNextInputMode(InputViewController&) { ++records_.inputModeAdvances; }

void SimulatedHost::handleInputModeList(InputViewController&, const std::shared_ptr<View>& from,
                                        const TouchEvent& event) {
  records_.inputModeListCalls.push_back({from, event});
}

void SimulatedHost::primaryLanguageDidChange(InputViewController&, const std::optional<std::string>& language) {
  records_.primaryLanguageWrites.push_back(language);
}

std::shared_ptr<Responder> SimulatedHost::nextResponder(const InputViewController&) { return application_; }

}  // namespace platform
