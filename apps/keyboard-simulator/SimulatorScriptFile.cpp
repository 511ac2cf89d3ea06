#include "apps/keyboard-simulator/SimulatorScriptFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "apps/keyboard-simulator/SimulatorScript.h"

namespace keyboard_simulator {

namespace {

std::string displayName(const std::string& path) { return path == "-" ? "standard input" : path; }

[[noreturn]] void fail(const std::string& message) { throw SimulatorScriptError("--script: " + message); }

// Reads to the end of the file or one byte past the limit, whichever is first.
std::string readAll(int descriptor, const std::string& path) {
  std::string content;
  char buffer[65536];
  while (true) {
    const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
    if (count < 0) {
      if (errno == EINTR) continue;
      fail("cannot read " + displayName(path) + ": " + std::strerror(errno));
    }
    if (count == 0) return content;
    content.append(buffer, static_cast<std::size_t>(count));
    if (content.size() > kMaximumScriptBytes) fail(displayName(path) + " is larger than 16 MB, too large for a script");
  }
}

}  // namespace

std::string readSimulatorScriptFile(const std::string& path) {
  if (path == "-") {
    // A closed standard input is not an empty script: nothing was given.
    if (::fcntl(STDIN_FILENO, F_GETFD) == -1) fail("standard input is closed; there is no script to read");
    return readAll(STDIN_FILENO, path);
  }
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) fail("cannot read " + path + ": " + std::strerror(errno));
  struct stat status {};
  if (::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode)) {
    ::close(descriptor);
    fail(path + " is a directory, not a script");
  }
  try {
    std::string content = readAll(descriptor, path);
    ::close(descriptor);
    return content;
  } catch (...) {
    ::close(descriptor);
    throw;
  }
}

}  // namespace keyboard_simulator
