#include "apps/keyboard-simulator/SimulatorSession.h"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "platform/foundation/Clock.h"
#include "platform/foundation/MainQueue.h"
#include "platform/input/Screen.h"
#include "platform/ui/HostRenderer.h"

namespace keyboard_simulator {

namespace {

// The locales the window's locale key cycles through unless --locales says.
const std::vector<std::string> kWindowLocales{"en", "de", "fr"};

// Runs the main queue up to `target`, each task at its own deadline, and
// reports whether anything ran.
bool advanceClockTo(platform::Date target) {
  auto clock = platform::currentManualClock();
  auto& queue = platform::MainQueue::main();
  std::size_t ran = queue.runUntilIdle();
  platform::Date deadline;
  while (queue.nextDeadline(deadline) && deadline <= target) {
    if (deadline > clock->now()) clock->set(deadline);
    ran += queue.runUntilIdle();
  }
  if (target > clock->now()) clock->set(target);
  return queue.runUntilIdle() + ran > 0;
}

}  // namespace

SimulatorSession::SimulatorSession(SimulatorOptions options, double scale)
    : options_(std::move(options)), scale_(scale), frame_(scale) {
  options_.inputs.clear();
  simulator_ = std::make_unique<Simulator>(options_);
  theme_ = simulator_->report(false).theme.value_or(-1);
}

SimulatorSession::~SimulatorSession() = default;

void SimulatorSession::setScale(double scale) {
  if (scale == scale_) return;
  scale_ = scale;
  frame_.setScale(scale);
  dirty_ = true;
}

platform::Size SimulatorSession::screenSize() const { return platform::Screen::main().bounds().size; }

int SimulatorSession::pixelWidth() const {
  return std::max(1, static_cast<int>(std::ceil(platform::Screen::main().bounds().width() * scale_)));
}

int SimulatorSession::pixelHeight() const {
  return std::max(1, static_cast<int>(std::ceil(platform::Screen::main().bounds().height() * scale_)));
}

template <class F>
void SimulatorSession::attempt(F&& action) {
  try {
    action();
    problem_.clear();
  } catch (const SimulatorKeyError& error) {
    problem_ = error.what();
  }
  dirty_ = true;
}

void SimulatorSession::pointerDown(platform::Point pixel) {
  attempt([&] { simulator_->touchDown({pixel.x / scale_, pixel.y / scale_}); });
}

void SimulatorSession::pointerMove(platform::Point pixel) {
  attempt([&] { simulator_->touchMove({pixel.x / scale_, pixel.y / scale_}); });
}

void SimulatorSession::pointerUp(platform::Point pixel) {
  attempt([&] { simulator_->touchUp({pixel.x / scale_, pixel.y / scale_}); });
}

void SimulatorSession::keyDown(const SimulatorKey& key) {
  keyUp();
  attempt([&] { simulator_->press(key); });
}

void SimulatorSession::characterDown(const std::string& character) {
  keyUp();
  attempt([&] { simulator_->pressCharacter(character); });
}

void SimulatorSession::keyUp() {
  if (simulator_->isFingerDown()) attempt([&] { simulator_->lift(); });
}

void SimulatorSession::cancelPress() {
  if (!simulator_->isFingerDown()) return;
  simulator_->cancelTouch();
  dirty_ = true;
}

void SimulatorSession::perform(Command command) {
  cancelPress();
  switch (command) {
    case Command::nextDevice:
      options_.device = options_.device == keyloom::DeviceType::phone ? keyloom::DeviceType::pad
                                                                      : keyloom::DeviceType::phone;
      rebuild();
      break;
    case Command::rotate:
      options_.orientation = keyloom::isLandscape(options_.orientation) ? keyloom::InterfaceOrientation::portrait
                                                                        : keyloom::InterfaceOrientation::landscape;
      attempt([&] { simulator_->rotate(); });
      break;
    case Command::nextLocale: {
      const auto& locales = options_.locales.empty() ? kWindowLocales : options_.locales;
      auto current = std::find(locales.begin(), locales.end(), locale());
      const std::string next = current == locales.end() || current + 1 == locales.end() ? locales.front()
                                                                                       : *(current + 1);
      attempt([&] { simulator_->setLocale(next); });
      break;
    }
    case Command::nextTheme:
      theme_ = theme_ + 1 >= simulator_->themeCount() ? -1 : theme_ + 1;
      attempt([&] {
        simulator_->setTheme(theme_);
        // The host app stored it; the keyboard shows it when it appears again.
        if (simulator_->host()->isKeyboardVisible()) {
          simulator_->hide();
          simulator_->show();
        }
      });
      break;
    case Command::toggleDark:
      dark_ = !dark_;
      attempt([&] { simulator_->setDark(dark_); });
      break;
    case Command::toggleKeyboard:
      attempt([&] {
        if (simulator_->host()->isKeyboardVisible()) simulator_->hide();
        else simulator_->show();
      });
      break;
  }
  dirty_ = true;
}

void SimulatorSession::rebuild() {
  // The text, cursor and locale stay; the device is new.
  options_.text = simulator_->host()->textField().text();
  options_.locale = locale();
  simulator_.reset();
  simulator_ = std::make_unique<Simulator>(options_);
  if (dark_) simulator_->setDark(true);
  dirty_ = true;
}

void SimulatorSession::advance(platform::TimeInterval seconds) {
  const auto clock = platform::currentManualClock();
  if (advanceClockTo(clock->now().addingTimeInterval(std::max(0.0, seconds))) && screenState() != drawnState_) {
    dirty_ = true;
  }
}

SimulatorSession::ScreenState SimulatorSession::screenState() const {
  ScreenState state;
  for (const auto& shown : simulator_->shownViews()) {
    state.view = shown.host;
    state.viewUpdates = shown.host->updateCount();
  }
  const auto& field = simulator_->host()->textField();
  state.textBytes = field.text().size();
  state.selection = field.selectedTextRange();
  state.keyboardVisible = simulator_->host()->isKeyboardVisible();
  return state;
}

platform::TimeInterval SimulatorSession::timeToNextWork() const {
  platform::Date deadline;
  if (!platform::MainQueue::main().nextDeadline(deadline)) return -1;
  return std::max(0.0, deadline.timeIntervalSince(platform::currentManualClock()->now()));
}

cairo_surface_t* SimulatorSession::frame() {
  if (!frame_.surface()) dirty_ = true;
  repainted_.clear();
  if (!dirty_) return frame_.surface();
  simulator_->host()->runMainQueue();
  frame_.draw(*simulator_->host(), simulator_->shownViews());
  repainted_ = frame_.repainted();
  dirty_ = false;
  drawnState_ = screenState();
  return frame_.surface();
}

std::string SimulatorSession::locale() const {
  return simulator_->controller()->keyboardContext()->locale->identifier();
}

std::string SimulatorSession::status() const {
  std::string status = options_.device == keyloom::DeviceType::pad ? "pad" : "phone";
  status += keyloom::isLandscape(options_.orientation) ? ", landscape" : ", portrait";
  status += ", " + locale();
  status += dark_ ? ", dark" : ", light";
  if (simulator_->themeCount() > 0) status += ", theme " + std::to_string(theme_);
  if (!problem_.empty()) status += " - " + problem_;
  return status;
}

}  // namespace keyboard_simulator
