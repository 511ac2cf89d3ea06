#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keyloom/layout/KeyboardLayout.h"
#include "keyloom/layout/KeyboardLayoutItemWidth.h"
#include "keyloom/state/KeyboardAction.h"

namespace keyboard_simulator {

// One key of a printed layout row.
struct SimulatorReportKey {
  std::string action;  // character("q"), shift(currentCasing: lowercased), ...
  std::string width;   // input, percentage(0.13), available, ...

  bool operator==(const SimulatorReportKey&) const = default;
};

using SimulatorReportRow = std::vector<SimulatorReportKey>;

// What the simulator prints when it is done.
struct SimulatorReport {
  std::string text;
  std::size_t cursor = 0;  // in characters (grapheme clusters)
  std::string keyboard;    // alphabetic(uppercased), numeric, ...
  std::string locale;
  std::optional<std::vector<SimulatorReportRow>> layout;
  // What the keyboard shows besides the keys: the suggestion bar's texts and
  // the open action callout's entries, in display order.
  std::vector<std::string> suggestions;
  std::vector<std::string> callout;
  // How often the keyboard asked the platform to switch to another keyboard.
  int inputModeSwitches = 0;
  // The product keyboard's theme (-1: none) and font indices.
  std::optional<int> theme;
  std::optional<int> font;
};

// The action as the report shows it; texts in JSON string escapes.
std::string describe(const keyloom::KeyboardAction& action);
std::string describe(const keyloom::KeyboardLayoutItemWidth& width);
std::vector<SimulatorReportRow> reportRows(const keyloom::KeyboardLayout& layout);

// `text` as a JSON string literal, quotes included.
std::string jsonString(std::string_view text);

// One "name: value" line each; the layout one row a line.
std::string formatText(const SimulatorReport& report);
// One JSON object with the keys text, cursor, keyboard, locale, suggestions,
// callout, inputModeSwitches, theme and font (null for a keyboard without
// them) and, when
// present, layout (rows of {"action", "width"}).
std::string formatJson(const SimulatorReport& report);

}  // namespace keyboard_simulator
