#pragma once
// Runs the keyboard-simulator program as a person would and reads what it
// prints; for the end-to-end tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "testing/ProgramRunner.h"

namespace keyboard_simulator::program_test {

using keyloom::testing::ProgramRun;
using keyloom::testing::ProgramStreams;
using keyloom::testing::readFile;
using keyloom::testing::runProgram;

inline ProgramRun runSimulator(const std::vector<std::string>& arguments, const std::string& input = "",
                        ProgramStreams streams = {}) {
  std::vector<std::string> argv{KEYBOARD_SIMULATOR_PROGRAM};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return runProgram(argv, input, streams);
}

// The JSON report of a run that must succeed.
inline nlohmann::json report(std::vector<std::string> arguments, const std::string& input = "") {
  arguments.push_back("--json");
  const ProgramRun run = runSimulator(arguments, input);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  return nlohmann::json::parse(run.out);
}

}  // namespace keyboard_simulator::program_test
