#include "keyboard-extension/ThemePalette.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "keyboard-extension/KeyboardSelection.h"
#include "platform/foundation/Text.h"

namespace zandorelle {
namespace {

// Drops what is not a letter, mark or digit from both ends, by Unicode's
// categories: "#" goes, an accented letter stays and spoils the length.
std::string stripNonAlphanumericEnds(std::string_view text) {
  const std::u32string scalars = platform::text::toScalars(text);
  std::size_t first = 0, last = scalars.size();
  while (first < last && !platform::text::isAlphanumeric(scalars[first])) ++first;
  while (last > first && !platform::text::isAlphanumeric(scalars[last - 1])) --last;
  return platform::text::fromScalars(std::u32string_view(scalars).substr(first, last - first));
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Leading hex digits (after an optional "0x"), saturating on overflow; 0
// when there are none.
std::uint64_t scanHex(std::string_view text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') && hexDigit(text[2]) >= 0) {
    text.remove_prefix(2);
  }
  std::uint64_t value = 0;
  for (char c : text) {
    const int digit = hexDigit(c);
    if (digit < 0) break;
    if (value > (std::numeric_limits<std::uint64_t>::max() >> 4))
      return std::numeric_limits<std::uint64_t>::max();
    value = value << 4 | static_cast<std::uint64_t>(digit);
  }
  return value;
}

double component(std::uint64_t value, int shift, std::uint64_t mask = 0xFF) {
  return static_cast<double>(value >> shift & mask);
}

}  // namespace

const std::vector<Theme>& themeTable() {
  static const std::vector<Theme> table{
      {"#EC8321", "#ECBF21", "#8ED21F", "#FA810F", "#80B526", "#FFFFFF", "#FFFFFF"},
      {"#1B1C1F", "#1B1C1F", "#1B1C1F", "#2D2E33", "#56585F", "#FFFFFF", "#FFFFFF"},
      {"#0C2B4F", "#0C2B4F", "#0C2B4F", "#143C6A", "#2D5F99", "#FFFFFF", "#FFFFFF"},
      {"#C046D3", "#9439EF", "#1B37C9", "#C760F5", "#C047D4", "#FFFFFF", "#FFFFFF"},
      {"#17191F", "#17191F", "#17191F", "#2B2E37", "#17191F", "#FFFFFF", "#FFFFFF"},
      {"#38CBB0", "#FFC226", "#FFC226", "#FFD566", "#C047D4", "#C047D4", "#FFFFFF"},
      {"#7E8AA7", "#7E8AA7", "#7E8AA7", "#515C78", "#373F54", "#FFFFFF", "#FFFFFF"},
      {"#187432", "#09901F", "#09901F", "#0E6B28", "#0E5121", "#FFFFFF", "#FFFFFF"},
      {"#1B1C1F", "#333844", "#333844", "#404451", "#5C6171", "#FFFFFF", "#FFFFFF"},
      {"#FF2E9F", "#F9CD2F", "#F9CD2F", "#FFD7B2", "#F05CA9", "#F8538D", "#FFFFFF"},
      {"#5B5EA3", "#5B5EA3", "#5B5EA3", "#6D70B5", "#A76CBB", "#FFFFFF", "#FFFFFF"},
      {"#CB913B", "#CB913B", "#CB913B", "#CCBC91", "#B68B4C", "#5A401A", "#5A401A"},
      {"#4B102D", "#4B102D", "#4B102D", "#741C47", "#36071E", "#FFFFFF", "#FFFFFF"},
      {"#1B1569", "#5856B2", "#5856B2", "#201B73", "#0E0B43", "#FA17FF", "#FFFFFF"},
      {"#071027", "#071027", "#071027", "#162448", "#23CAFF", "#23CAFF", "#071027"},
      {"#17191F", "#17191F", "#17191F", "#2B2E37", "#23CAFF", "#23CAFF", "#17191F"},
      {"#17191F", "#17191F", "#17191F", "#2B2E37", "#FFFFFF", "#FFFFFF", "#17191F"},
  };
  return table;
}

const Theme* themeAt(int index) {
  const auto& table = themeTable();
  if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return nullptr;
  return &table[static_cast<std::size_t>(index)];
}

platform::ui::Color themeColor(const Theme& theme, std::size_t slot) {
  static const std::vector<std::array<platform::ui::Color, 7>> colours = [] {
    std::vector<std::array<platform::ui::Color, 7>> result;
    for (const auto& entry : themeTable()) {
      auto& parsed = result.emplace_back();
      for (std::size_t i = 0; i < entry.size(); ++i) parsed[i] = colorFromHex(entry[i]);
    }
    return result;
  }();
  const auto& table = themeTable();
  if (table.empty() || &theme < table.data() || &theme >= table.data() + table.size()) {
    return colorFromHex(theme.at(slot));
  }
  return colours[static_cast<std::size_t>(&theme - table.data())].at(slot);
}

platform::ui::Color themeLabelColor(const Theme& theme) {
  auto lowestContrast = [&theme](const platform::ui::Color& text) {
    double lowest = 21;
    for (std::size_t background : {0, 1, 2}) {
      lowest = std::min(lowest, platform::ui::contrastRatio(text.resolved(platform::ui::ColorScheme::light),
                                                            themeColor(theme, background).resolved(platform::ui::ColorScheme::light)));
    }
    return lowest;
  };
  const platform::ui::Color c5 = themeColor(theme, 5), c6 = themeColor(theme, 6);
  const platform::ui::Color text = lowestContrast(c5) >= lowestContrast(c6) ? c5 : c6;
  if (lowestContrast(text) >= minimumLabelContrast) return text;
  // No text colour of the theme can be read on all of its gradient (white on
  // the orange-to-green theme, for one): readable wins over matching.
  const platform::ui::Color black = colorFromHex("#000000"), white = colorFromHex("#FFFFFF");
  return lowestContrast(black) >= lowestContrast(white) ? black : white;
}

int themeIndexFromStore(const platform::UserDefaults& store) {
  const auto value = store.object(std::string(themeIndexKey));
  if (!value) return 0;
  const auto index = value->asInteger();
  if (!index || *index < -1 || static_cast<std::size_t>(*index) >= themeTable().size()) return KeyboardSelection::noTheme;
  return static_cast<int>(*index);
}

void storeThemeIndex(platform::UserDefaults& store, int index) {
  store.set(std::string(themeIndexKey), index);
}

platform::ui::Color colorFromHex(std::string_view text) {
  const std::string hex = stripNonAlphanumericEnds(text);
  const std::uint64_t value = scanHex(hex);
  double red = 1, green = 1, blue = 0, alpha = 1;
  switch (platform::text::graphemeCount(hex)) {
    case 8:
      alpha = component(value, 24), red = component(value, 16), green = component(value, 8),
      blue = component(value, 0);
      break;
    case 6:
      alpha = 255, red = component(value, 16), green = component(value, 8), blue = component(value, 0);
      break;
    case 3:
      alpha = 255, red = component(value, 8, 0xF) * 17, green = component(value, 4, 0xF) * 17,
      blue = component(value, 0, 0xF) * 17;
      break;
    default:
      break;
  }
  return platform::ui::Color::rgba(red / 255, green / 255, blue / 255, alpha / 255);
}

}  // namespace zandorelle
