#include "keyloom/services/EnglishCalloutActionProvider.h"

#include <array>
#include <string_view>

namespace keyloom {

namespace {

struct Row {
  std::string_view key;
  std::string_view alternatives;
};

// First match wins. The curly-quote rows start with the straight mark.
constexpr std::array<Row, 25> englishRows{{
    {"0", "0\u00B0"},
    {"a", "a\u00E0\u00E1\u00E2\u00E4\u00E6\u00E3\u00E5\u0101"},
    {"c", "c\u00E7\u0107\u010D"},
    {"e", "e\u00E8\u00E9\u00EA\u00EB\u0113\u0117\u0119"},
    {"i", "i\u00EE\u00EF\u00ED\u012B\u012F\u00EC"},
    {"l", "l\u0142"},
    {"n", "n\u00F1\u0144"},
    {"o", "o\u00F4\u00F6\u00F2\u00F3\u0153\u00F8\u014D\u00F5"},
    {"s", "s\u00DF\u015B\u0161"},
    {"u", "u\u00FB\u00FC\u00F9\u00FA\u016B"},
    {"y", "y\u00FF"},
    {"z", "z\u017E\u017A\u017C"},
    {"-", "-\u2013\u2014\u2022"},
    {"/", "/\\"},
    {"$", "$\u20AC\u00A3\u00A5\u20A9\u20BD\u00A2"},
    {"&", "&\u00A7"},
    {"\u201D", "\"\u201D\u201C\u201E\u00BB\u00AB"},
    {"\u201C", "\"\u201D\u201C\u201E\u00BB\u00AB"},
    {".", ".\u2026"},
    {"?", "?\u00BF"},
    {"!", "!\u00A1"},
    {"'", "'\u2019\u2018`"},
    {"\u2019", "'\u2019\u2018`"},
    {"%", "%\u2030"},
    {"=", "=\u2260\u2248"},
}};

}  // namespace

std::string EnglishCalloutActionProvider::calloutActionString(const std::string& character) {
  for (const auto& row : englishRows)
    if (row.key == character) return std::string(row.alternatives);
  return "";
}

}  // namespace keyloom
