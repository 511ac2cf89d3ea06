#pragma once

#include <istream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "apps/keyboard-simulator/SimulatorKey.h"
#include "platform/foundation/Date.h"
#include "platform/foundation/Error.h"

namespace keyboard_simulator {

// A script line the simulator cannot read; the message names the line.
class SimulatorScriptError : public platform::Error {
 public:
  using platform::Error::Error;
};

// The steps of a script, one a line.
namespace simulator_step {
struct Tap {
  SimulatorKey key;
  bool operator==(const Tap&) const = default;
};
struct DoubleTap {
  SimulatorKey key;
  bool operator==(const DoubleTap&) const = default;
};
struct Hold {
  SimulatorKey key;
  platform::TimeInterval seconds = 0;
  bool operator==(const Hold&) const = default;
};
struct Wait {
  platform::TimeInterval seconds = 0;
  bool operator==(const Wait&) const = default;
};
struct Type {
  std::string text;
  bool operator==(const Type&) const = default;
};
}  // namespace simulator_step

using SimulatorStep = std::variant<simulator_step::Tap, simulator_step::DoubleTap, simulator_step::Hold,
                                   simulator_step::Wait, simulator_step::Type>;
using SimulatorScript = std::vector<SimulatorStep>;

// Longest hold or wait one step may ask for. Time is simulated, but a held
// key repeats ten times a second, so this bounds the work one line can cause.
inline constexpr platform::TimeInterval kMaximumStepSeconds = 600;

// Reads a script: one step a line; blank lines and lines whose first
// non-blank character is '#' are skipped. Throws SimulatorScriptError naming
// the first bad line ("line 3: ...").
SimulatorScript parseSimulatorScript(std::string_view source);
SimulatorScript parseSimulatorScript(std::istream& input);

// One line without its line break; throws SimulatorScriptError without a line
// number. Absent for a blank or comment line.
std::optional<SimulatorStep> parseSimulatorStep(std::string_view line);

}  // namespace keyboard_simulator
