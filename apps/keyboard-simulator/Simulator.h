#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "apps/keyboard-simulator/SimulatorActionHandler.h"
#include "apps/keyboard-simulator/SimulatorFinger.h"
#include "apps/keyboard-simulator/SimulatorKey.h"
#include "apps/keyboard-simulator/SimulatorOptions.h"
#include "apps/keyboard-simulator/SimulatorReport.h"
#include "apps/keyboard-simulator/SimulatorScript.h"
#include "apps/keyboard-simulator/SimulatorTypist.h"
#include "keyloom/controller/KeyboardInputViewController.h"
#include "keyloom/text/KeyboardLayout.h"
#include "keyloom/text/KeyboardLayoutProvider.h"
#include "platform/input/SimulatedHost.h"

namespace keyboard_simulator {

// A key the current layout does not have, or a character no layout can type.
// The program reports it and exits with 2.
class SimulatorKeyError : public platform::Error {
 public:
  using platform::Error::Error;
};

// The keyboard in a simulated host app, driven by key presses. It presents
// the keyboard controller over the host's text field, finds the keys on the
// layout the keyboard shows at that moment, and presses them with one
// finger; every gesture runs through the action handler. The process clock
// becomes a manual clock: time passes only through waits, holds and the
// short pause after each key.
class Simulator {
 public:
  // Between two keys of typed text or script steps: quick enough that two
  // spaces count as a double tap to end a sentence.
  static constexpr platform::TimeInterval keyInterval = 0.15;
  // Between the two taps of a double tap.
  static constexpr platform::TimeInterval doubleTapInterval = 0.1;

  explicit Simulator(const SimulatorOptions& options);
  ~Simulator();
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  void run(const SimulatorStep& step);
  void run(const SimulatorScript& script);

  // Throw SimulatorKeyError when the current layout has no such key.
  void tap(const SimulatorKey& key);
  void doubleTap(const SimulatorKey& key);
  void hold(const SimulatorKey& key, platform::TimeInterval seconds);
  void wait(platform::TimeInterval seconds);
  // Types each character with the keys of the layouts; throws
  // SimulatorKeyError naming the first character no layout can type.
  void type(std::string_view text);

  // The layout the keyboard shows now, and the one it would show for
  // another keyboard type in the same state.
  std::shared_ptr<keyloom::KeyboardLayout> currentLayout();
  std::shared_ptr<keyloom::KeyboardLayout> layout(const keyloom::KeyboardType& type);

  SimulatorReport report(bool withLayout);

  const std::shared_ptr<platform::SimulatedHost>& host() const { return host_; }
  const std::shared_ptr<keyloom::KeyboardInputViewController>& controller() const { return controller_; }

 private:
  keyloom::KeyboardAction keyOnLayout(const SimulatorKey& key);
  void typeCharacter(const std::string& character);
  void afterKey(platform::TimeInterval pause);

  std::shared_ptr<platform::SimulatedHost> host_;
  std::shared_ptr<keyloom::KeyboardInputViewController> controller_;
  std::shared_ptr<keyloom::KeyboardLayoutProvider> layoutProvider_;
  SimulatorActionHandler actionHandler_;
  SimulatorFinger finger_;
  SimulatorTypist typist_;
};

}  // namespace keyboard_simulator
