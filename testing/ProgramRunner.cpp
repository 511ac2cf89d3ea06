#include "testing/ProgramRunner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace keyloom::testing {

std::string readFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

ProgramRun runProgram(std::vector<std::string> argv, const std::string& input, ProgramStreams streams) {
  char pattern[] = "/tmp/keyloom-program-test-XXXXXX";
  const char* made = mkdtemp(pattern);
  if (!made) throw std::runtime_error("mkdtemp failed");
  const std::filesystem::path directory(made);
  const auto inPath = directory / "in", outPath = directory / "out", errPath = directory / "err";
  std::ofstream(inPath, std::ios::binary) << input;

  std::vector<char*> pointers;
  for (auto& argument : argv) pointers.push_back(argument.data());
  pointers.push_back(nullptr);

  const pid_t child = fork();
  if (child == 0) {
    const int in = open(inPath.c_str(), O_RDONLY);
    const int out = streams.fullOutput ? open("/dev/full", O_WRONLY)
                                       : open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (in < 0 || out < 0 || err < 0) _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    // No window: the program runs on the command line whatever the desktop.
    unsetenv("WAYLAND_DISPLAY");
    if (streams.display.empty()) {
      unsetenv("DISPLAY");
    } else {
      setenv("DISPLAY", streams.display.c_str(), 1);
    }
    // Under the leak checker: its list of suppressed leaks is no error output.
    const char* leakOptions = std::getenv("LSAN_OPTIONS");
    const std::string quiet = std::string(leakOptions ? leakOptions : "") + ":print_suppressions=0";
    setenv("LSAN_OPTIONS", quiet.c_str(), 1);
    if (streams.closedInput) close(0);
    if (streams.closedOutput) close(1);
    execv(pointers[0], pointers.data());
    _exit(127);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ProgramRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = readFile(outPath);
  run.err = readFile(errPath);
  std::filesystem::remove_all(directory);
  return run;
}

}  // namespace keyloom::testing
