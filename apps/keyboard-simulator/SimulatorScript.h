#pragma once

#include <istream>
#include <optional>
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
// Presses the key and keeps the finger down for `seconds`.
struct LongPress {
  SimulatorKey key;
  platform::TimeInterval seconds = 0;
  bool operator==(const LongPress&) const = default;
};
// Moves the finger that is down by (dx, dy) points.
struct Slide {
  double dx = 0;
  double dy = 0;
  bool operator==(const Slide&) const = default;
};
struct Lift {
  bool operator==(const Lift&) const = default;
};
// Presses the space bar, drags it sideways by `points` and lifts.
struct DragSpace {
  double points = 0;
  bool operator==(const DragSpace&) const = default;
};
// Indices count from 0, as the report shows them.
struct TapSuggestion {
  int index = 0;
  bool operator==(const TapSuggestion&) const = default;
};
struct TapFont {
  int index = 0;
  bool operator==(const TapFont&) const = default;
};
// Taps the entry of the open menu whose text is `entry`, lifting the finger
// that opened the menu first.
struct TapMenu {
  std::string entry;
  bool operator==(const TapMenu&) const = default;
};
// The host app stores a theme index; -1 is the default theme.
struct SetTheme {
  int index = 0;
  bool operator==(const SetTheme&) const = default;
};
struct Hide {
  bool operator==(const Hide&) const = default;
};
struct Show {
  bool operator==(const Show&) const = default;
};
// Turns the device between portrait and landscape.
struct Rotate {
  bool operator==(const Rotate&) const = default;
};
struct Appearance {
  bool dark = false;
  bool operator==(const Appearance&) const = default;
};
struct FullAccess {
  bool granted = false;
  bool operator==(const FullAccess&) const = default;
};
struct Screenshot {
  std::string path;
  bool operator==(const Screenshot&) const = default;
};
}  // namespace simulator_step

using SimulatorStep =
    std::variant<simulator_step::Tap, simulator_step::DoubleTap, simulator_step::Hold, simulator_step::Wait,
                 simulator_step::Type, simulator_step::LongPress, simulator_step::Slide, simulator_step::Lift,
                 simulator_step::DragSpace, simulator_step::TapSuggestion, simulator_step::TapFont,
                 simulator_step::TapMenu, simulator_step::SetTheme, simulator_step::Hide, simulator_step::Show, simulator_step::Rotate,
                 simulator_step::Appearance, simulator_step::FullAccess, simulator_step::Screenshot>;

// The steps of a script with the numbers of their lines, for messages about
// steps that fail when they run.
struct SimulatorScript {
  std::string name;  // the file, for messages; empty for typed text
  std::vector<SimulatorStep> steps;
  std::vector<std::size_t> lineNumbers;  // 0 when the step came from no line

  void add(SimulatorStep step, std::size_t lineNumber = 0) {
    steps.push_back(std::move(step));
    lineNumbers.push_back(lineNumber);
  }
  bool empty() const { return steps.empty(); }
};

// Longest hold or wait one step may ask for. Time is simulated, but a held
// key repeats ten times a second, so this bounds the work one line can cause.
inline constexpr platform::TimeInterval kMaximumStepSeconds = 600;
// Farthest a slide or a space drag may move, in points: far beyond any screen.
inline constexpr double kMaximumStepPoints = 10000;
// Largest index of a suggestion, font or theme a step may name.
inline constexpr int kMaximumStepIndex = 1000;

// Why set-theme cannot choose theme `index`; nothing when it can. The
// product keyboard's themes run from -1 (none) to its last; the script is
// checked against them before it runs.
std::optional<std::string> themeProblem(int index);

// Reads a script: one step a line; blank lines and lines whose first
// non-blank character is '#' are skipped. Throws SimulatorScriptError naming
// the first bad line ("line 3: ...").
SimulatorScript parseSimulatorScript(std::string_view source);
SimulatorScript parseSimulatorScript(std::istream& input);

// One line without its line break; throws SimulatorScriptError without a line
// number. Absent for a blank or comment line.
std::optional<SimulatorStep> parseSimulatorStep(std::string_view line);

}  // namespace keyboard_simulator
