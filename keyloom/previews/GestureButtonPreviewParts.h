#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/reactive/Published.h"
#include "platform/ui/Color.h"
#include "platform/ui/View.h"

// The parts the two gesture-button previews share: how the header writes its
// values, its rows and frame, and the button's label.
namespace keyloom::gesture_button_preview {

// A point as "x, y", each rounded to a whole number (halves away from zero)
// and written as a floating-point number: "12.0, -3.0". Negative values that
// round to zero keep their sign ("-0.0").
std::string formatPoint(platform::Point point);
std::string formatNumber(double value);

// The header rows every preview shows first: the pressed flag and the counts.
struct Counts {
  bool isPressed = false;
  int presses = 0;
  int releasesInside = 0;
  int releasesOutside = 0;
  int ends = 0;
  int longPresses = 0;
  int doubleTaps = 0;
  int repeats = 0;
};
std::vector<platform::ui::View> countRows(const Counts& counts);

// One header row: "Label:" then the value in bold, on one line.
platform::ui::View headerRow(const std::string& label, const std::string& value);
// The rows full width, padded, on a rounded blue border.
platform::ui::View headerFrame(std::vector<platform::ui::View> rows);

// Adds one to a published count (one change notification).
inline void increment(platform::Published<int>& count) { count = count.get() + 1; }

// A coloured tile that fades and shrinks while pressed, on a random opaque
// background drawn anew at every evaluation. `width` fixes the tile's width.
platform::ui::View buttonLabel(const platform::ui::Color& color, bool isPressed,
                               std::optional<double> width = std::nullopt);

}  // namespace keyloom::gesture_button_preview
