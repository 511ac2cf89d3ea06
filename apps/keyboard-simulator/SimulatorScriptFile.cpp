#include "apps/keyboard-simulator/SimulatorScriptFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

#include "apps/keyboard-simulator/SimulatorScript.h"
#include "platform/foundation/Text.h"

namespace keyboard_simulator {

namespace {

std::string displayName(const std::string& path) { return path == "-" ? "standard input" : path; }

[[noreturn]] void fail(const std::string& option, const std::string& message) {
  throw SimulatorScriptError(option + ": " + message);
}

// Reads to the end of the file or one byte past the limit, whichever is first.
std::string readAll(int descriptor, const std::string& path, const std::string& option) {
  std::string content;
  char buffer[65536];
  while (true) {
    const ssize_t count = ::read(descriptor, buffer, sizeof buffer);
    if (count < 0) {
      if (errno == EINTR) continue;
      fail(option, "cannot read " + displayName(path) + ": " + std::strerror(errno));
    }
    if (count == 0) return content;
    content.append(buffer, static_cast<std::size_t>(count));
    if (content.size() > kMaximumScriptBytes) fail(option, displayName(path) + " is larger than 16 MB, too large for a script");
  }
}

}  // namespace

std::string readSimulatorScriptFile(const std::string& path, const std::string& option) {
  if (path == "-") {
    // A closed standard input is not an empty script: nothing was given.
    if (::fcntl(STDIN_FILENO, F_GETFD) == -1) fail(option, "standard input is closed; there is no script to read");
    return readAll(STDIN_FILENO, path, option);
  }
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) fail(option, "cannot read " + path + ": " + std::strerror(errno));
  struct stat status {};
  if (::fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode)) {
    ::close(descriptor);
    fail(option, path + " is a directory, not a file");
  }
  try {
    std::string content = readAll(descriptor, path, option);
    ::close(descriptor);
    return content;
  } catch (...) {
    ::close(descriptor);
    throw;
  }
}

std::vector<std::string> readWordList(const std::string& path) {
  return parseWordList(readSimulatorScriptFile(path, "--word-list"), path);
}

std::vector<std::string> parseWordList(std::string_view source, const std::string& name) {
  source = platform::text::withoutByteOrderMark(source);
  std::vector<std::string> words;
  std::size_t lineNumber = 0;
  std::size_t start = 0;
  while (start < source.size()) {
    ++lineNumber;
    const std::size_t end = std::min(source.find('\n', start), source.size());
    std::string_view word = source.substr(start, end - start);
    while (!word.empty() && std::isspace(static_cast<unsigned char>(word.front()))) word.remove_prefix(1);
    while (!word.empty() && std::isspace(static_cast<unsigned char>(word.back()))) word.remove_suffix(1);
    if (!platform::text::isValidUtf8(word)) {
      throw SimulatorScriptError("--word-list: " + name + ": line " + std::to_string(lineNumber) +
                                 ": the word is not valid UTF-8");
    }
    if (!word.empty()) words.emplace_back(word);
    start = end + 1;
  }
  return words;
}

}  // namespace keyboard_simulator
