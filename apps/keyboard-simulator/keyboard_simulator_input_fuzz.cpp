// Fuzzes what the simulator reads from outside: the command line, scripts
// and word lists. Input: a script (also read as a word list), then
// NUL-separated arguments.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "apps/keyboard-simulator/SimulatorOptions.h"
#include "apps/keyboard-simulator/SimulatorScript.h"
#include "apps/keyboard-simulator/SimulatorScriptFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t split = input.find('\0');
  try {
    keyboard_simulator::parseSimulatorScript(input.substr(0, split));
  } catch (const keyboard_simulator::SimulatorScriptError&) {
  }
  const auto wordsOf = [](std::string_view source) -> std::optional<std::vector<std::string>> {
    try {
      return keyboard_simulator::parseWordList(source, "fuzz");
    } catch (const keyboard_simulator::SimulatorScriptError&) {
      return std::nullopt;
    }
  };
  const std::string_view source = input.substr(0, split);
  const auto words = wordsOf(source);
  for (const auto& word : words.value_or(std::vector<std::string>{})) {
    if (word.empty()) __builtin_trap();
  }
  // A byte-order mark before the list changes none of its words, nor whether it is read.
  if (!source.starts_with("\xEF\xBB\xBF") && wordsOf("\xEF\xBB\xBF" + std::string(source)) != words) {
    __builtin_trap();
  }
  if (split == std::string_view::npos) return 0;
  std::vector<std::string> arguments;
  std::size_t start = split + 1;
  while (start <= input.size()) {
    const std::size_t end = input.find('\0', start);
    arguments.emplace_back(input.substr(start, end == std::string_view::npos ? input.npos : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  try {
    keyboard_simulator::parseSimulatorOptions(arguments);
  } catch (const keyboard_simulator::SimulatorUsageError&) {
  }
  return 0;
}
