#include "apps/keyboard-simulator/Simulator.h"

#include <cstdint>
#include <iomanip>
#include <sstream>
#include <variant>

#include "apps/keyboard-simulator/KeyFinder.h"
#include "apps/keyboard-simulator/SimulatorKeyboardController.h"
#include "keyloom/text/EnglishInputSetProvider.h"
#include "keyloom/text/StandardInputSetProvider.h"
#include "keyloom/text/StandardKeyboardLayoutProvider.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/Locale.h"
#include "platform/foundation/MainQueue.h"
#include "platform/foundation/Text.h"
#include "platform/input/Screen.h"
#include "platform/ui/HostRenderer.h"

namespace keyboard_simulator {

using keyloom::KeyboardAction;
using keyloom::KeyboardContext;
using keyloom::KeyboardType;

namespace {

// Attempts at one character: a switch of keyboard, a shift and the key
// itself are the most a layout ever needs; the rest is headroom.
constexpr int kMaximumKeysPerCharacter = 8;

platform::TextInputTraits fieldTraits(const SimulatorOptions& options) {
  platform::TextInputTraits traits;
  traits.autocapitalizationType = options.autocapitalization;
  traits.keyboardType = options.keyboardType;
  traits.returnKeyType = options.returnKeyType;
  return traits;
}

std::shared_ptr<platform::SimulatedHost> makeHost(const SimulatorOptions& options) {
  if (!platform::currentManualClock()) platform::Clock::setCurrent(std::make_shared<platform::ManualClock>());
  platform::SimulatedHostConfiguration configuration;
  const bool pad = options.device == keyloom::DeviceType::pad;
  configuration.idiom = pad ? platform::UserInterfaceIdiom::pad : platform::UserInterfaceIdiom::phone;
  configuration.screenSize = pad ? platform::Size{820, 1180} : platform::Size{390, 844};
  configuration.screenScale = pad ? 2 : 3;
  configuration.orientation = keyloom::isLandscape(options.orientation) ? platform::ScreenOrientation::landscapeRight
                                                                        : platform::ScreenOrientation::portrait;
  configuration.localeIdentifier = options.locale;
  configuration.text = options.text;
  configuration.fieldTraits = fieldTraits(options);
  return platform::SimulatedHost::make(std::move(configuration));
}

std::shared_ptr<keyloom::KeyboardInputViewController> presentKeyboard(platform::SimulatedHost& host) {
  auto controller = std::make_shared<SimulatorKeyboardController>();
  host.presentKeyboard([controller] { return controller; });
  return controller;
}

std::shared_ptr<keyloom::KeyboardLayoutProvider> makeLayoutProvider(
    const std::shared_ptr<keyloom::KeyboardInputViewController>& controller) {
  auto context = controller->keyboardContext();
  auto inputSets = std::make_shared<keyloom::StandardInputSetProvider>(
      context, std::vector<std::shared_ptr<keyloom::LocalizedInputSetProvider>>{
                   std::make_shared<keyloom::EnglishInputSetProvider>()});
  return std::make_shared<keyloom::StandardKeyboardLayoutProvider>(
      context, inputSets, std::vector<std::shared_ptr<keyloom::LocalizedKeyboardLayoutProvider>>{});
}

// "'" (U+0027), so invisible and look-alike characters can be told apart.
std::string describeCharacter(const std::string& character) {
  std::ostringstream out;
  out << jsonString(character) << " (";
  const char* separator = "";
  for (char32_t scalar : platform::text::toScalars(character)) {
    out << separator << "U+" << std::uppercase << std::hex << std::setw(4) << std::setfill('0')
        << static_cast<std::uint32_t>(scalar);
    separator = " ";
  }
  out << ")";
  return out.str();
}

std::string describeKeyboard(const KeyboardType& type) {
  std::ostringstream out;
  out << type;
  return out.str();
}

}  // namespace

Simulator::Simulator(const SimulatorOptions& options)
    : host_(makeHost(options)),
      controller_(presentKeyboard(*host_)),
      layoutProvider_(makeLayoutProvider(controller_)),
      actionHandler_(controller_),
      finger_([this](keyloom::KeyboardGesture gesture, const KeyboardAction& action) {
        actionHandler_.handle(gesture, action);
      }),
      typist_([this](const KeyboardType& type) { return layout(type); }),
      scale_(options.scale) {
  auto context = controller_->keyboardContext();
  context->setLocale(platform::Locale(options.locale));
  if (!options.locales.empty()) {
    std::vector<platform::Locale> locales;
    for (const auto& identifier : options.locales) locales.emplace_back(identifier);
    context->setLocales(locales);
  }
  host_->runMainQueue();
  // The host's field takes the focus as a new document; the keyboard hears
  // of the change and shows the keyboard type the text at the cursor
  // prefers (capitals at the start of a sentence).
  host_->beginNewDocument(options.text, fieldTraits(options));
  host_->runMainQueue();
}

Simulator::~Simulator() {
  host_->releaseKeyboard();
  platform::MainQueue::main().clear();
}

void Simulator::run(const SimulatorStep& step) {
  namespace steps = simulator_step;
  std::visit(
      [this](const auto& kase) {
        using Step = std::decay_t<decltype(kase)>;
        if constexpr (std::is_same_v<Step, steps::Tap>) {
          tap(kase.key);
        } else if constexpr (std::is_same_v<Step, steps::DoubleTap>) {
          doubleTap(kase.key);
        } else if constexpr (std::is_same_v<Step, steps::Hold>) {
          hold(kase.key, kase.seconds);
        } else if constexpr (std::is_same_v<Step, steps::Wait>) {
          wait(kase.seconds);
        } else if constexpr (std::is_same_v<Step, steps::Type>) {
          type(kase.text);
        } else if constexpr (std::is_same_v<Step, steps::LongPress>) {
          longPress(kase.key, kase.seconds);
        } else if constexpr (std::is_same_v<Step, steps::Slide>) {
          slide(kase.dx, kase.dy);
        } else if constexpr (std::is_same_v<Step, steps::Lift>) {
          lift();
        } else if constexpr (std::is_same_v<Step, steps::DragSpace>) {
          dragSpace(kase.points);
        } else if constexpr (std::is_same_v<Step, steps::TapSuggestion>) {
          tapSuggestion(kase.index);
        } else if constexpr (std::is_same_v<Step, steps::TapFont>) {
          tapFont(kase.index);
        } else if constexpr (std::is_same_v<Step, steps::SetTheme>) {
          setTheme(kase.index);
        } else if constexpr (std::is_same_v<Step, steps::Hide>) {
          hide();
        } else if constexpr (std::is_same_v<Step, steps::Show>) {
          show();
        } else if constexpr (std::is_same_v<Step, steps::Rotate>) {
          rotate();
        } else if constexpr (std::is_same_v<Step, steps::Appearance>) {
          setDark(kase.dark);
        } else if constexpr (std::is_same_v<Step, steps::FullAccess>) {
          setFullAccess(kase.granted);
        } else {
          static_assert(std::is_same_v<Step, steps::Screenshot>);
          screenshot(kase.path);
        }
      },
      step);
}

void Simulator::run(const SimulatorScript& script) {
  for (std::size_t index = 0; index < script.steps.size(); ++index) {
    try {
      run(script.steps[index]);
    } catch (const SimulatorKeyError& error) {
      const std::size_t line = index < script.lineNumbers.size() ? script.lineNumbers[index] : 0;
      if (line == 0) throw;
      throw SimulatorKeyError((script.name.empty() ? std::string() : script.name + ": ") + "line " +
                              std::to_string(line) + ": " + error.what());
    }
  }
}

void Simulator::requireVisibleKeyboard(std::string_view step) const {
  if (!host_->isKeyboardVisible()) throw SimulatorKeyError(std::string(step) + ": the keyboard is hidden");
}

void Simulator::requireFingerUp(std::string_view step) const {
  if (fingerDown_) throw SimulatorKeyError(std::string(step) + ": a finger is still down (lift it first)");
}

void Simulator::requireFingerDown(std::string_view step) const {
  if (!fingerDown_) throw SimulatorKeyError(std::string(step) + ": no finger is down (long-press a key first)");
}

KeyboardAction Simulator::keyOnLayout(const SimulatorKey& key) {
  if (auto action = findKey(*currentLayout(), key)) return *action;
  throw SimulatorKeyError("the " + describeKeyboard(controller_->keyboardContext()->keyboardType.get()) +
                          " keyboard has no key " + jsonString(nameOf(key)));
}

void Simulator::afterKey(platform::TimeInterval pause) {
  host_->runMainQueue();
  platform::MainQueue::main().advance(pause);
}

void Simulator::tap(const SimulatorKey& key) {
  requireVisibleKeyboard("tap");
  requireFingerUp("tap");
  finger_.tap(keyOnLayout(key));
  afterKey(keyInterval);
}

void Simulator::doubleTap(const SimulatorKey& key) {
  requireVisibleKeyboard("double-tap");
  requireFingerUp("double-tap");
  finger_.tap(keyOnLayout(key));
  afterKey(doubleTapInterval);
  // The same key again: the first tap may have changed the layout under it.
  finger_.tap(keyOnLayout(key));
  afterKey(keyInterval);
}

void Simulator::hold(const SimulatorKey& key, platform::TimeInterval seconds) {
  requireVisibleKeyboard("hold");
  requireFingerUp("hold");
  finger_.hold(keyOnLayout(key), seconds);
  afterKey(keyInterval);
}

void Simulator::wait(platform::TimeInterval seconds) {
  host_->runMainQueue();
  platform::MainQueue::main().advance(seconds);
}

void Simulator::longPress(const SimulatorKey& key, platform::TimeInterval seconds) {
  requireVisibleKeyboard("long-press");
  requireFingerUp("long-press");
  finger_.press(keyOnLayout(key));
  fingerDown_ = true;
  wait(seconds);
}

void Simulator::slide(double, double) {
  requireFingerDown("slide");
  host_->runMainQueue();
}

void Simulator::lift() {
  requireFingerDown("lift");
  finger_.lift();
  fingerDown_ = false;
  afterKey(keyInterval);
}

void Simulator::dragSpace(double) {
  requireVisibleKeyboard("drag-space");
  requireFingerUp("drag-space");
  throw SimulatorKeyError("drag-space: this keyboard does not move the cursor with the space bar");
}

void Simulator::tapSuggestion(int index) {
  requireVisibleKeyboard("tap-suggestion");
  throw SimulatorKeyError("tap-suggestion: the keyboard shows no suggestion " + std::to_string(index));
}

void Simulator::tapFont(int index) {
  requireVisibleKeyboard("tap-font");
  throw SimulatorKeyError("tap-font: the keyboard shows no font " + std::to_string(index));
}

void Simulator::setTheme(int) { throw SimulatorKeyError("set-theme: this keyboard has no themes"); }

void Simulator::hide() {
  requireFingerUp("hide");
  if (!host_->isKeyboardVisible()) throw SimulatorKeyError("hide: the keyboard is already hidden");
  host_->hideKeyboard();
  host_->runMainQueue();
}

void Simulator::show() {
  if (host_->isKeyboardVisible()) throw SimulatorKeyError("show: the keyboard is already shown");
  host_->showKeyboard();
  host_->runMainQueue();
}

void Simulator::rotate() {
  requireFingerUp("rotate");
  const bool landscape = platform::Screen::main().bounds().width() > platform::Screen::main().bounds().height();
  host_->rotate(landscape ? platform::ScreenOrientation::portrait : platform::ScreenOrientation::landscapeRight);
  host_->runMainQueue();
}

void Simulator::setDark(bool dark) {
  host_->setUserInterfaceStyle(dark ? platform::UserInterfaceStyle::dark : platform::UserInterfaceStyle::light);
  host_->runMainQueue();
}

void Simulator::setFullAccess(bool granted) {
  host_->setHasFullAccess(granted);
  host_->runMainQueue();
}

void Simulator::press(const SimulatorKey& key) {
  requireVisibleKeyboard("press");
  requireFingerUp("press");
  finger_.press(keyOnLayout(key));
  fingerDown_ = true;
  host_->runMainQueue();
}

void Simulator::pressCharacter(const std::string& character) {
  requireVisibleKeyboard("press");
  requireFingerUp("press");
  // A small letter is the letter's key, whatever casing the keyboard shows:
  // at the start of a sentence it types a capital, as a finger would.
  const bool small = platform::text::lowercased(character) == character &&
                     platform::text::uppercased(character) != character;
  if (small) {
    if (auto key = findKey(*currentLayout(), SimulatorKey::characterKey(character))) {
      finger_.press(*key);
      fingerDown_ = true;
      host_->runMainQueue();
      return;
    }
  }
  for (int attempt = 0; attempt < kMaximumKeysPerCharacter; ++attempt) {
    auto step = typist_.nextStep(character, controller_->keyboardContext()->keyboardType.get());
    if (!step) throw SimulatorKeyError("cannot type " + describeCharacter(character) + ": no layout has a key for it");
    if (step->types) {
      finger_.press(step->key);
      fingerDown_ = true;
      host_->runMainQueue();
      return;
    }
    finger_.tap(step->key);
    afterKey(keyInterval);
  }
  throw SimulatorKeyError("cannot type " + describeCharacter(character) + ": its key was never reached");
}

void Simulator::touchDown(platform::Point) { host_->runMainQueue(); }

void Simulator::touchMove(platform::Point) { host_->runMainQueue(); }

void Simulator::touchUp(platform::Point) { host_->runMainQueue(); }

std::vector<platform::ui::ShownViewHost> Simulator::shownViews() const { return {}; }

void Simulator::setLocale(const std::string& identifier) {
  controller_->keyboardContext()->setLocale(platform::Locale(identifier));
  host_->runMainQueue();
}

void Simulator::screenshot(const std::string& path) {
  host_->runMainQueue();
  try {
    platform::ui::renderHost(*host_, shownViews(), path, scale_);
  } catch (const platform::ui::MissingFontError&) {
    throw;
  } catch (const platform::Error& error) {
    throw SimulatorKeyError(std::string("screenshot: ") + error.what());
  }
}

void Simulator::type(std::string_view text) {
  requireVisibleKeyboard("type");
  requireFingerUp("type");
  for (const auto& character : platform::text::graphemes(text)) typeCharacter(character);
}

void Simulator::typeCharacter(const std::string& character) {
  for (int attempt = 0; attempt < kMaximumKeysPerCharacter; ++attempt) {
    auto step = typist_.nextStep(character, controller_->keyboardContext()->keyboardType.get());
    if (!step) throw SimulatorKeyError("cannot type " + describeCharacter(character) + ": no layout has a key for it");
    finger_.tap(step->key);
    afterKey(keyInterval);
    if (step->types) return;
  }
  throw SimulatorKeyError("cannot type " + describeCharacter(character) + ": its key was never reached");
}

std::shared_ptr<keyloom::KeyboardLayout> Simulator::currentLayout() {
  return layoutProvider_->keyboardLayout(*controller_->keyboardContext());
}

std::shared_ptr<keyloom::KeyboardLayout> Simulator::layout(const KeyboardType& type) {
  // A copy of the keyboard's state in another keyboard type, so looking
  // ahead publishes nothing on the keyboard's own context.
  const auto& context = *controller_->keyboardContext();
  auto probeContext = std::make_shared<KeyboardContext>();
  KeyboardContext& probe = *probeContext;
  probe.deviceType = context.deviceType.get();
  probe.interfaceOrientation = context.interfaceOrientation.get();
  probe.screenSize = context.screenSize.get();
  probe.locale = context.locale.get();
  probe.locales = context.locales.get();
  probe.needsInputModeSwitchKey = context.needsInputModeSwitchKey.get();
  probe.keyboardDictationReplacement = context.keyboardDictationReplacement.get();
  probe.mainTextDocumentProxy = context.mainTextDocumentProxy.get();
  probe.textDocumentProxy = context.textDocumentProxy.get();
  probe.keyboardType = type;
  return layoutProvider_->keyboardLayout(probe);
}

SimulatorReport Simulator::report(bool withLayout) {
  host_->runMainQueue();
  const auto& context = *controller_->keyboardContext();
  SimulatorReport report;
  report.text = host_->textField().text();
  report.cursor = host_->textField().cursorOffset();
  report.keyboard = describeKeyboard(context.keyboardType.get());
  report.locale = context.locale->identifier();
  if (withLayout) report.layout = reportRows(*currentLayout());
  return report;
}

}  // namespace keyboard_simulator
