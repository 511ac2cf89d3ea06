#pragma once
// Runs a program of the project as a person would and reads what it prints;
// for the programs' end-to-end tests.
#include <filesystem>
#include <string>
#include <vector>

namespace keyloom::testing {

struct ProgramRun {
  int exitCode = -1;  // -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Where the program's standard streams go besides the usual files.
struct ProgramStreams {
  bool closedInput = false;
  bool closedOutput = false;
  bool fullOutput = false;   // a device that is always full
  std::string display = {};  // DISPLAY, none when empty
};

std::string readFile(const std::filesystem::path& path);

// Runs argv[0] with these arguments and standard input, never in a window;
// its output goes through files so neither stream can block the other.
ProgramRun runProgram(std::vector<std::string> argv, const std::string& input = "", ProgramStreams streams = {});

}  // namespace keyloom::testing
