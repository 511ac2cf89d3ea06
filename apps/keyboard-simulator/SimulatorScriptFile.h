#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace keyboard_simulator {

// Scripts are small; anything larger is a mistake (a device, an endless pipe)
// and is refused before it fills the memory.
inline constexpr std::size_t kMaximumScriptBytes = 16 * 1024 * 1024;

// The bytes of a script file, or of standard input for "-". Throws
// SimulatorScriptError naming the file when it cannot be read, is a
// directory, is larger than kMaximumScriptBytes, or is standard input while
// that is closed. `option` starts the messages.
std::string readSimulatorScriptFile(const std::string& path, const std::string& option = "--script");

// The words of a word list file, one a line (a byte-order mark at its start,
// blank lines and blanks around a word skipped). Throws SimulatorScriptError naming the file, and
// the line of a word that is not valid UTF-8.
std::vector<std::string> readWordList(const std::string& path);
// The same for the file's content; `name` starts the messages.
std::vector<std::string> parseWordList(std::string_view source, const std::string& name);

}  // namespace keyboard_simulator
