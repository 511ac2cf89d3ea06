#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/UserDefaults.h"
#include "platform/ui/Color.h"

namespace zandorelle {

// The colour themes the user picks in the host app. Each theme is seven
// "#RRGGBB" strings:
//   c0, c1, c2  the keyboard background gradient, top to bottom (c0 also
//               colours the font bar)
//   c3, c5      background and text of input keys and of the input callout
//   c4, c6      background and text of every other key
using Theme = std::array<std::string, 7>;

// The 17 themes, index 0...16; built on first use, never changed.
const std::vector<Theme>& themeTable();

// The theme at `index`, or null for -1 (no theme) and any index the table
// doesn't have, so a bad index means the standard look instead of a crash.
const Theme* themeAt(int index);

// The app-group key under which the host app stores the chosen theme index.
inline constexpr std::string_view themeIndexKey = "keyboard";

// The theme index the host app stored: an absent key is theme 0 (the host
// app has not chosen yet); -1 and 0...16 are taken as they are. Anything
// else (another number, a value of another kind) is no theme, since the
// store is written by another program.
int themeIndexFromStore(const platform::UserDefaults& store);
// What the host app writes when the user picks a theme (-1 for none).
void storeThemeIndex(platform::UserDefaults& store, int index);

// A colour from "#RRGGBB", "AARRGGBB" or "RGB" (characters other than
// letters and digits, by Unicode's categories, are stripped from both ends;
// an optional "0x" is accepted).
// Any other length gives red 1/255, green 1/255, blue 0, opacity 1/255.
platform::ui::Color colorFromHex(std::string_view hex);

// Colour `slot` (0...6) of a theme of the table, read once and kept: every key
// is painted with these at every rendering.
platform::ui::Color themeColor(const Theme& theme, std::size_t slot);

// The least contrast a label drawn straight on the keyboard's background must
// have against every colour of the gradient behind it.
inline constexpr double minimumLabelContrast = 3;

// The colour of text drawn straight on the keyboard's background rather than
// on a key: the theme's text colour (c5 or c6) whose lowest contrast against
// the three colours of the background gradient is the higher, or, where
// neither reaches `minimumLabelContrast`, black or white, whichever does.
platform::ui::Color themeLabelColor(const Theme& theme);

}  // namespace zandorelle
