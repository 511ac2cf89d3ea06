#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "apps/keyboard-simulator/Simulator.h"
#include "apps/keyboard-simulator/SimulatorOptions.h"
#include "apps/keyboard-simulator/SimulatorScript.h"
#include "apps/keyboard-simulator/SimulatorScriptFile.h"

namespace {

using namespace keyboard_simulator;

constexpr int kExitFailure = 1;
constexpr int kExitBadInput = 2;

// The result is the program's point: losing it (a full disk, a closed pipe)
// is a failure, not a success with nothing to show.
class OutputError : public platform::Error {
 public:
  using platform::Error::Error;
};

void write(const std::string& text) {
  errno = 0;
  std::cout << text << std::flush;
  if (!std::cout) {
    const int error = errno;
    throw OutputError("cannot write to standard output" + (error ? std::string(": ") + std::strerror(error) : ""));
  }
}

SimulatorScript readScript(const std::string& path) {
  const std::string source = readSimulatorScriptFile(path);
  try {
    return parseSimulatorScript(source);
  } catch (const SimulatorScriptError& error) {
    throw SimulatorScriptError((path == "-" ? std::string("standard input") : path) + ": " + error.what());
  }
}

int run(const std::vector<std::string>& arguments) {
  const SimulatorOptions options = parseSimulatorOptions(arguments);
  if (options.help) {
    write(usageText());
    return 0;
  }
  // Every script is read before the first key is pressed, so a bad line
  // stops the program before it types anything.
  std::vector<SimulatorScript> scripts;
  for (const auto& input : options.inputs) {
    scripts.push_back(input.kind == SimulatorInput::Kind::scriptFile
                          ? readScript(input.value)
                          : SimulatorScript{simulator_step::Type{input.value}});
  }

  Simulator simulator(options);
  if (options.demonstration) {
    write("demonstration: keyboard-simulator --type " + jsonString(demonstrationText()) +
          " --print-layout  (see --help)\n");
  }
  for (const auto& script : scripts) simulator.run(script);
  const SimulatorReport report = simulator.report(options.printLayout);
  write(options.json ? formatJson(report) : formatText(report));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  // Checked before any file is opened, which could take the free number and
  // receive the result in its place.
  if (::fcntl(STDOUT_FILENO, F_GETFD) == -1) {
    std::cerr << "keyboard-simulator: standard output is closed; the result would be lost\n";
    return kExitFailure;
  }
  try {
    return run(arguments);
  } catch (const SimulatorUsageError& error) {
    std::cerr << "keyboard-simulator: " << error.what() << "\n(see keyboard-simulator --help)\n";
    return kExitBadInput;
  } catch (const SimulatorScriptError& error) {
    std::cerr << "keyboard-simulator: " << error.what() << "\n";
    return kExitBadInput;
  } catch (const SimulatorKeyError& error) {
    std::cerr << "keyboard-simulator: " << error.what() << "\n";
    return kExitBadInput;
  } catch (const std::exception& error) {
    std::cerr << "keyboard-simulator: " << error.what() << "\n";
    return kExitFailure;
  }
}
