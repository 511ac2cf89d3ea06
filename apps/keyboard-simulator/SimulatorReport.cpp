#include "apps/keyboard-simulator/SimulatorReport.h"

#include <sstream>

#include <nlohmann/json.hpp>

namespace keyboard_simulator {

namespace ka = keyloom::keyboard_action;

std::string jsonString(std::string_view text) {
  return nlohmann::json(std::string(text)).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string describe(const keyloom::KeyboardAction& action) {
  // Actions that carry text get it escaped, so a row stays one line and a
  // quote or backslash key reads unambiguously.
  if (auto character = action.get<ka::Character>()) return "character(" + jsonString(character->text) + ")";
  if (auto margin = action.get<ka::CharacterMargin>()) return "characterMargin(" + jsonString(margin->text) + ")";
  if (auto custom = action.get<ka::Custom>()) return "custom(named: " + jsonString(custom->named) + ")";
  std::ostringstream out;
  out << action;
  return out.str();
}

std::string describe(const keyloom::KeyboardLayoutItemWidth& width) {
  std::ostringstream out;
  out << width;
  return out.str();
}

std::vector<SimulatorReportRow> reportRows(const keyloom::KeyboardLayout& layout) {
  std::vector<SimulatorReportRow> rows;
  for (const auto& itemRow : layout.itemRows()) {
    SimulatorReportRow row;
    for (const auto& item : itemRow) row.push_back({describe(item.action), describe(item.size.width)});
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string formatText(const SimulatorReport& report) {
  std::ostringstream out;
  out << "text: " << jsonString(report.text) << "\n";
  out << "cursor: " << report.cursor << "\n";
  out << "keyboard: " << report.keyboard << "\n";
  out << "locale: " << report.locale << "\n";
  if (report.layout) {
    out << "layout:\n";
    for (std::size_t index = 0; index < report.layout->size(); ++index) {
      out << "  row " << index << ":";
      const char* separator = " ";
      for (const auto& key : (*report.layout)[index]) {
        out << separator << key.action << " " << key.width;
        separator = " | ";
      }
      out << "\n";
    }
  }
  return out.str();
}

std::string formatJson(const SimulatorReport& report) {
  nlohmann::ordered_json object;
  object["text"] = report.text;
  object["cursor"] = report.cursor;
  object["keyboard"] = report.keyboard;
  object["locale"] = report.locale;
  object["suggestions"] = report.suggestions;
  object["callout"] = report.callout;
  object["inputModeSwitches"] = report.inputModeSwitches;
  object["theme"] = report.theme ? nlohmann::ordered_json(*report.theme) : nlohmann::ordered_json();
  object["font"] = report.font ? nlohmann::ordered_json(*report.font) : nlohmann::ordered_json();
  if (report.layout) {
    auto rows = nlohmann::ordered_json::array();
    for (const auto& row : *report.layout) {
      auto keys = nlohmann::ordered_json::array();
      for (const auto& key : row) keys.push_back({{"action", key.action}, {"width", key.width}});
      rows.push_back(std::move(keys));
    }
    object["layout"] = std::move(rows);
  }
  return object.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace keyboard_simulator
