#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "apps/keyboard-simulator/Simulator.h"
#include "apps/keyboard-simulator/SimulatorOptions.h"
#include "apps/keyboard-simulator/SimulatorScript.h"

namespace {

using namespace keyboard_simulator;

constexpr int kExitFailure = 1;
constexpr int kExitBadInput = 2;

SimulatorScript readScript(const std::string& path) {
  if (path == "-") return parseSimulatorScript(std::cin);
  std::ifstream file(path, std::ios::binary);
  if (!file) throw SimulatorUsageError("--script: cannot read " + path);
  try {
    return parseSimulatorScript(file);
  } catch (const SimulatorScriptError& error) {
    throw SimulatorScriptError(path + ": " + error.what());
  }
}

int run(const std::vector<std::string>& arguments) {
  const SimulatorOptions options = parseSimulatorOptions(arguments);
  if (options.help) {
    std::cout << usageText();
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
    std::cout << "demonstration: keyboard-simulator --type " << jsonString(demonstrationText())
              << " --print-layout  (see --help)\n";
  }
  for (const auto& script : scripts) simulator.run(script);
  const SimulatorReport report = simulator.report(options.printLayout);
  std::cout << (options.json ? formatJson(report) : formatText(report));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
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
