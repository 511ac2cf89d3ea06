#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Geometry.h"
#include "platform/reactive/ObservableObject.h"
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

// What both previews count; each preview's state adds its drag locations.
// Every field is published, so every event redraws the header.
class CountingState : public platform::ObservableObject {
 public:
  platform::Published<bool> isPressed{*this, false};
  platform::Published<int> pressCount{*this, 0};
  platform::Published<int> releaseInsideCount{*this, 0};
  platform::Published<int> releaseOutsideCount{*this, 0};
  platform::Published<int> endCount{*this, 0};
  platform::Published<int> longPressCount{*this, 0};
  platform::Published<int> doubleTapCount{*this, 0};
  platform::Published<int> repeatTapCount{*this, 0};
};

// The header rows both previews show first: the pressed flag and the counts.
std::vector<platform::ui::View> countRows(const CountingState& state);

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
