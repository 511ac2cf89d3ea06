#include "apps/keyboard-simulator/SimulatorScript.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <sstream>
#include <utility>

#include <nlohmann/json.hpp>

#include "keyboard-extension/ThemePalette.h"
#include "platform/foundation/Text.h"
#include "platform/ui/PngFile.h"

namespace keyboard_simulator {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

SimulatorKey keyArgument(std::string_view step, std::string_view argument) {
  const std::string_view name = trimmed(argument);
  if (name.empty()) throw SimulatorScriptError(std::string(step) + " needs a key");
  auto key = simulatorKeyNamed(name);
  if (!key) {
    throw SimulatorScriptError(quoted(name) +
                               " is not a key (a character, or space, backspace, shift, return, emoji, globe, 123, "
                               "#+=, ABC, or an emoji category: frequent, smileys, animals, foods, activities, "
                               "travels, objects, symbols, flags)");
  }
  return *key;
}

platform::TimeInterval secondsArgument(std::string_view step, std::string_view argument) {
  const std::string_view text = trimmed(argument);
  if (text.empty()) throw SimulatorScriptError(std::string(step) + " needs a number of seconds");
  double seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(seconds)) {
    throw SimulatorScriptError(quoted(text) + " is not a number of seconds");
  }
  if (seconds < 0 || seconds > kMaximumStepSeconds) {
    std::ostringstream message;
    message << std::string(step) << ": seconds must be from 0 to " << kMaximumStepSeconds;
    throw SimulatorScriptError(message.str());
  }
  return seconds;
}

double pointsArgument(std::string_view step, std::string_view argument) {
  const std::string_view text = trimmed(argument);
  if (text.empty()) throw SimulatorScriptError(std::string(step) + " needs a number of points");
  double points = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), points);
  if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(points)) {
    throw SimulatorScriptError(quoted(text) + " is not a number of points");
  }
  if (std::abs(points) > kMaximumStepPoints) {
    std::ostringstream message;
    message << std::string(step) << ": points must be from -" << kMaximumStepPoints << " to " << kMaximumStepPoints;
    throw SimulatorScriptError(message.str());
  }
  return points;
}

int integerArgument(std::string_view step, std::string_view argument) {
  const std::string_view text = trimmed(argument);
  if (text.empty()) throw SimulatorScriptError(std::string(step) + " needs an index");
  int index = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
  if (error != std::errc() || end != text.data() + text.size()) {
    throw SimulatorScriptError(quoted(text) + " is not an index");
  }
  return index;
}

int indexArgument(std::string_view step, std::string_view argument, int lowest) {
  const int index = integerArgument(step, argument);
  if (index < lowest || index > kMaximumStepIndex) {
    throw SimulatorScriptError(std::string(step) + ": the index must be from " + std::to_string(lowest) + " to " +
                               std::to_string(kMaximumStepIndex));
  }
  return index;
}

void noArgument(std::string_view step, std::string_view argument) {
  if (!trimmed(argument).empty()) throw SimulatorScriptError(std::string(step) + " takes no argument");
}

// The argument split at its last blank: "KEY SECONDS", "DX DY".
std::pair<std::string_view, std::string_view> splitLast(std::string_view step, std::string_view argument,
                                                        const std::string& usage) {
  const std::string_view arguments = trimmed(argument);
  std::size_t last = arguments.size();
  while (last > 0 && !isBlank(arguments[last - 1])) --last;
  if (last == 0) throw SimulatorScriptError(std::string(step) + " needs " + usage);
  return {arguments.substr(0, last), arguments.substr(last)};
}

// Verbatim to the end of the line, or one JSON string when it starts with '"'.
std::string textArgument(std::string_view argument) {
  if (!argument.empty() && argument.front() == '"') {
    const auto value = nlohmann::json::parse(argument, nullptr, false);
    if (!value.is_string()) throw SimulatorScriptError("type: the quoted text is not one JSON string");
    return value.get<std::string>();
  }
  return std::string(argument);
}

}  // namespace

std::optional<std::string> themeProblem(int index) {
  const int last = static_cast<int>(zandorelle::themeTable().size()) - 1;
  if (index >= -1 && index <= last) return std::nullopt;
  return "set-theme: there is no theme " + std::to_string(index) + " (-1 to " + std::to_string(last) + ")";
}

std::optional<SimulatorStep> parseSimulatorStep(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (!platform::text::isValidUtf8(line)) throw SimulatorScriptError("the line is not valid UTF-8");
  while (!line.empty() && isBlank(line.front())) line.remove_prefix(1);
  if (trimmed(line).empty() || line.front() == '#') return std::nullopt;

  std::size_t split = 0;
  while (split < line.size() && !isBlank(line[split])) ++split;
  const std::string_view step = line.substr(0, split);
  // Everything after the one blank that ends the step's name.
  const std::string_view rest = split < line.size() ? line.substr(split + 1) : std::string_view();

  if (step == "tap") return simulator_step::Tap{keyArgument(step, rest)};
  if (step == "double-tap") return simulator_step::DoubleTap{keyArgument(step, rest)};
  if (step == "wait") return simulator_step::Wait{secondsArgument(step, rest)};
  if (step == "hold" || step == "long-press") {
    const auto [key, seconds] = splitLast(step, rest, "a key and a number of seconds");
    if (step == "hold") return simulator_step::Hold{keyArgument(step, key), secondsArgument(step, seconds)};
    return simulator_step::LongPress{keyArgument(step, key), secondsArgument(step, seconds)};
  }
  if (step == "type") {
    std::string text = textArgument(rest);
    if (text.empty()) throw SimulatorScriptError("type needs text");
    if (!platform::text::isValidUtf8(text)) throw SimulatorScriptError("type: the text is not valid UTF-8");
    return simulator_step::Type{std::move(text)};
  }
  if (step == "slide") {
    const auto [dx, dy] = splitLast(step, rest, "two numbers of points, DX DY");
    return simulator_step::Slide{pointsArgument(step, dx), pointsArgument(step, dy)};
  }
  if (step == "tap-menu") {
    const std::string_view entry = trimmed(rest);
    if (entry.empty()) throw SimulatorScriptError("tap-menu needs the text of an entry");
    return simulator_step::TapMenu{std::string(entry)};
  }
  if (step == "drag-space") return simulator_step::DragSpace{pointsArgument(step, rest)};
  if (step == "tap-suggestion") return simulator_step::TapSuggestion{indexArgument(step, rest, 0)};
  if (step == "tap-font") return simulator_step::TapFont{indexArgument(step, rest, 0)};
  if (step == "set-theme") {
    const int index = integerArgument(step, rest);
    if (auto problem = themeProblem(index)) throw SimulatorScriptError(*problem);
    return simulator_step::SetTheme{index};
  }
  if (step == "full-access") {
    const std::string_view value = trimmed(rest);
    if (value == "on") return simulator_step::FullAccess{true};
    if (value == "off") return simulator_step::FullAccess{false};
    throw SimulatorScriptError("full-access needs on or off");
  }
  if (step == "screenshot") {
    const std::string_view path = trimmed(rest);
    if (path.empty()) throw SimulatorScriptError("screenshot needs a file name");
    if (auto problem = platform::ui::pictureNameProblem(path)) {
      throw SimulatorScriptError("screenshot " + std::string(path) + ": " + *problem);
    }
    return simulator_step::Screenshot{std::string(path)};
  }
  if (step == "lift" || step == "hide" || step == "show" || step == "rotate" || step == "dark" || step == "light") {
    noArgument(step, rest);
    if (step == "lift") return simulator_step::Lift{};
    if (step == "hide") return simulator_step::Hide{};
    if (step == "show") return simulator_step::Show{};
    if (step == "rotate") return simulator_step::Rotate{};
    return simulator_step::Appearance{step == "dark"};
  }
  throw SimulatorScriptError("unknown step " + quoted(step) + " (see keyboard-simulator --help)");
}

SimulatorScript parseSimulatorScript(std::string_view source) {
  source = platform::text::withoutByteOrderMark(source);
  SimulatorScript script;
  std::size_t lineNumber = 0;
  std::size_t start = 0;
  while (start < source.size()) {
    ++lineNumber;
    // Lines end with "\n", "\r\n" or a lone "\r".
    const std::size_t end = source.find_first_of("\r\n", start);
    const std::string_view line = source.substr(start, end == std::string_view::npos ? source.npos : end - start);
    try {
      if (auto step = parseSimulatorStep(line)) script.add(std::move(*step), lineNumber);
    } catch (const SimulatorScriptError& error) {
      throw SimulatorScriptError("line " + std::to_string(lineNumber) + ": " + error.what());
    }
    if (end == std::string_view::npos) break;
    start = end + 1;
    if (source[end] == '\r' && start < source.size() && source[start] == '\n') ++start;
  }
  return script;
}

SimulatorScript parseSimulatorScript(std::istream& input) {
  const std::string source{std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
  return parseSimulatorScript(std::string_view(source));
}

}  // namespace keyboard_simulator
