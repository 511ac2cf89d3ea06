#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "apps/keyboard-simulator/Simulator.h"
#include "apps/keyboard-simulator/SimulatorOptions.h"
#include "apps/keyboard-simulator/SimulatorScript.h"
#include "apps/keyboard-simulator/SimulatorScriptFile.h"
#include "apps/keyboard-simulator/SimulatorSession.h"
#include "apps/keyboard-simulator/SimulatorWindow.h"

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

// Standard output, unless a picture is written there.
std::ostream* resultStream = &std::cout;

void write(const std::string& text) {
  errno = 0;
  *resultStream << text << std::flush;
  if (!*resultStream) {
    const int error = errno;
    const std::string stream = resultStream == &std::cout ? "standard output" : "standard error";
    throw OutputError("cannot write to " + stream + (error ? std::string(": ") + std::strerror(error) : ""));
  }
}

// True when `path` names the file standard output writes to: /dev/stdout, or
// the file a shell redirected it to.
bool isStandardOutput(const std::string& path) {
  struct stat named {}, output {};
  return ::stat(path.c_str(), &named) == 0 && ::fstat(STDOUT_FILENO, &output) == 0 &&
         named.st_dev == output.st_dev && named.st_ino == output.st_ino;
}

bool picturesGoToStandardOutput(const SimulatorOptions& options, const std::vector<SimulatorScript>& scripts) {
  if (options.screenshot && isStandardOutput(*options.screenshot)) return true;
  for (const auto& script : scripts) {
    for (const auto& step : script.steps) {
      const auto* screenshot = std::get_if<simulator_step::Screenshot>(&step);
      if (screenshot && isStandardOutput(screenshot->path)) return true;
    }
  }
  return false;
}

SimulatorScript readScript(const std::string& path) {
  const std::string source = readSimulatorScriptFile(path);
  const std::string name = path == "-" ? std::string("standard input") : path;
  try {
    SimulatorScript script = parseSimulatorScript(source);
    script.name = name;
    return script;
  } catch (const SimulatorScriptError& error) {
    throw SimulatorScriptError(name + ": " + error.what());
  }
}

// The keyboard in a desktop window: the inputs run in it first; with a
// screenshot, the window closes once it is taken, else when the user closes
// it. The result is printed as on the command line.
int runWindow(const SimulatorOptions& options, const std::vector<SimulatorScript>& scripts) {
  if (!SimulatorWindow::displayAvailable()) {
    throw platform::Error("--window: no display to open a window on (DISPLAY is not set or cannot be opened)");
  }
  // The window chooses the scale that fits the display, unless --scale did.
  SimulatorSession session(options, options.scale.value_or(1));
  SimulatorWindow window(session);
  const auto printResult = [&] {
    const SimulatorReport report = session.simulator().report(options.printLayout);
    write(options.json ? formatJson(report) : formatText(report));
  };
  // As when the window is closed: what was typed is not lost with the display.
  window.setDisplayLostHandler(printResult);
  for (const auto& script : scripts) {
    session.simulator().run(script);
    session.setNeedsRedraw();
    window.present();
  }
  if (options.screenshot) {
    window.capture(*options.screenshot);
  } else {
    if (!options.window) {
      write("keyboard-simulator: the keyboard is in a window. Type or click its keys; F1 device, F2 rotate, "
            "F3 locale, F4 theme, F5 dark mode, F6 hide or show; close the window to quit (see --help)\n");
    }
    window.run();
  }
  printResult();
  return 0;
}

int run(const std::vector<std::string>& arguments) {
  SimulatorOptions options = parseSimulatorOptions(arguments);
  if (options.help) {
    write(usageText());
    return 0;
  }
  const bool window = opensWindow(options, SimulatorWindow::displayAvailable);
  if (window) options = windowOptions(std::move(options));
  // Every script is read before the first key is pressed, so a bad line
  // stops the program before it types anything.
  std::vector<SimulatorScript> scripts;
  for (const auto& input : options.inputs) {
    if (input.kind == SimulatorInput::Kind::scriptFile) {
      scripts.push_back(readScript(input.value));
    } else {
      scripts.emplace_back().add(simulator_step::Type{input.value});
    }
  }

  // `--screenshot /dev/stdout > shot.png` asks for the picture in shot.png:
  // the result goes to standard error then, and never into the picture.
  if (picturesGoToStandardOutput(options, scripts)) resultStream = &std::cerr;

  if (window) return runWindow(options, scripts);

  Simulator simulator(options);
  if (options.demonstration) {
    write("demonstration: keyboard-simulator --type " + jsonString(demonstrationText()) +
          " --print-layout  (see --help)\n");
  }
  for (const auto& script : scripts) simulator.run(script);
  if (options.screenshot) simulator.screenshot(*options.screenshot);
  const SimulatorReport report = simulator.report(options.printLayout);
  write(options.json ? formatJson(report) : formatText(report));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // The font set-up runs on a thread of its own, which would otherwise get a
  // heap of its own that stays resident beside the main one. The program
  // draws and types on one thread, so one heap serves it.
  ::mallopt(M_ARENA_MAX, 1);
  // A result past the file-size limit is a failed write to report, not a
  // silent death. (Pictures and the store see to their own files.)
  std::signal(SIGXFSZ, SIG_IGN);
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
