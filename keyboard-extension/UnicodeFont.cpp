#include "keyboard-extension/UnicodeFont.h"

#include <map>

#include "platform/foundation/Text.h"

namespace zandorelle::unicode_font {
namespace {

// A style is a run of code points per case starting at `a` or `A`, with the
// capitals Unicode already had in its letterlike-symbols block kept there,
// and optional combining marks after each letter.
struct Style {
  char32_t lowerBase;
  char32_t upperBase;
  std::map<char, char32_t> upperExceptions;
  std::u32string marks;
};

const std::array<Style, count>& styles() {
  static const std::array<Style, count> table{{
      // plain
      {U'a', U'A', {}, U""},
      // Fraktur
      {0x1D51E, 0x1D504, {{'C', 0x212D}, {'H', 0x210C}, {'I', 0x2111}, {'R', 0x211C}, {'Z', 0x2128}}, U""},
      // bold script
      {0x1D4EA, 0x1D4D0, {}, U""},
      // double-struck
      {0x1D552,
       0x1D538,
       {{'C', 0x2102},
        {'H', 0x210D},
        {'N', 0x2115},
        {'P', 0x2119},
        {'Q', 0x211A},
        {'R', 0x211D},
        {'Z', 0x2124}},
       U""},
      // monospace
      {0x1D68A, 0x1D670, {}, U""},
      // circled
      {0x24D0, 0x24B6, {}, U""},
      // negative squared, capitals only
      {0x1F170, 0x1F170, {}, U""},
      // bold
      {0x1D41A, 0x1D400, {}, U""},
      // squared, capitals only
      {0x1F130, 0x1F130, {}, U""},
      // monospace, slashed
      {0x1D68A, 0x1D670, {}, U"\u0337"},
      // struck through
      {U'a', U'A', {}, U"\u0336"},
      // vertical tilde above
      {U'a', U'A', {}, U"\u033E"},
      // x above and below
      {U'a', U'A', {}, U"\u033D\u0353"},
  }};
  return table;
}

bool isLower(char c) { return c >= 'a' && c <= 'z'; }
bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }

}  // namespace

std::string styledCharacter(int font, char character) {
  const bool lower = isLower(character);
  if (font < 0 || font >= count || !(lower || isUpper(character))) return std::string(1, character);
  const Style& style = styles()[static_cast<std::size_t>(font)];
  std::u32string scalars;
  if (lower) {
    scalars += style.lowerBase + static_cast<char32_t>(character - 'a');
  } else if (auto exception = style.upperExceptions.find(character);
             exception != style.upperExceptions.end()) {
    scalars += exception->second;
  } else {
    scalars += style.upperBase + static_cast<char32_t>(character - 'A');
  }
  scalars += style.marks;
  return platform::text::fromScalars(scalars);
}

std::string styledText(int font, std::string_view text) {
  std::string result;
  for (char c : text) result += styledCharacter(font, c);
  return result;
}

const std::array<std::string, count>& fontBarNames() {
  static const std::array<std::string, count> names = [] {
    std::array<std::string, count> built;
    for (int font = 0; font < count; ++font) built[static_cast<std::size_t>(font)] = styledText(font, "Font");
    return built;
  }();
  return names;
}

std::string_view fontName(int font) {
  // In the order of the styles above.
  static constexpr std::array<std::string_view, count> names{"plain",
                                                             "Fraktur",
                                                             "bold script",
                                                             "double-struck",
                                                             "monospace",
                                                             "circled",
                                                             "negative squared",
                                                             "bold",
                                                             "squared",
                                                             "slashed monospace",
                                                             "struck-through",
                                                             "vertical tilde",
                                                             "x above and below"};
  if (font < 0 || font >= count) return {};
  return names[static_cast<std::size_t>(font)];
}

}  // namespace zandorelle::unicode_font
