#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zandorelle {

// The letter styles the keyboard can type: plain letters and twelve styles
// made of other Unicode characters. Nothing is drawn in a special typeface;
// the keys carry, and insert, the styled characters themselves.
namespace unicode_font {

inline constexpr int count = 13;

// The styled form of one ASCII letter in `font` (0...count-1), always one
// grapheme cluster. Anything that is not an ASCII letter, and every character
// of a font outside the range, is returned as it is.
std::string styledCharacter(int font, char character);

// Each ASCII letter of `text` styled, everything else kept.
std::string styledText(int font, std::string_view text);

// The font's name in plain words ("plain", "Fraktur", ...); index = font.
std::string_view fontName(int font);

// "Font" written in each font, for the font bar; index = font.
const std::array<std::string, count>& fontBarNames();

}  // namespace unicode_font
}  // namespace zandorelle
