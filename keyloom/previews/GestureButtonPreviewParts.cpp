#include "keyloom/previews/GestureButtonPreviewParts.h"

#include <cmath>
#include <utility>

#include "keyloom/appearance/KeyboardColor.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/Shape.h"
#include "platform/ui/Transaction.h"

namespace keyloom::gesture_button_preview {

namespace ui = platform::ui;

std::string formatNumber(double value) {
  std::string text = ui::formatNumber(std::round(value));
  if (text.find_first_of(".ein") == std::string::npos) text += ".0";
  return text;
}

std::string formatPoint(platform::Point point) {
  return formatNumber(point.x) + ", " + formatNumber(point.y);
}

ui::View headerRow(const std::string& label, const std::string& value) {
  return ui::HStack({ui::Text(label + ":"), ui::Text(value).bold()}).lineLimit(1);
}

std::vector<ui::View> countRows(const CountingState& state) {
  const int inside = state.releaseInsideCount.get();
  const int outside = state.releaseOutsideCount.get();
  return {headerRow("Pressed", state.isPressed.get() ? "YES" : "NO"),
          headerRow("Presses", std::to_string(state.pressCount.get())),
          headerRow("Releases", std::to_string(inside + outside)),
          headerRow("     Inside", std::to_string(inside)),
          headerRow("     Outside", std::to_string(outside)),
          headerRow("Ended", std::to_string(state.endCount.get())),
          headerRow("Long presses", std::to_string(state.longPressCount.get())),
          headerRow("Double taps", std::to_string(state.doubleTapCount.get())),
          headerRow("Repeats", std::to_string(state.repeatTapCount.get()))};
}

ui::View headerFrame(std::vector<ui::View> rows) {
  return ui::VStack(ui::HorizontalAlignment::leading, std::nullopt, std::move(rows))
      .frame(ui::FlexibleFrame{.maxWidth = ui::infinity, .alignment = ui::Alignment::leading()})
      .padding()
      .background(ui::RoundedRectangle(16, ui::RoundedCornerStyle::continuous)
                      .stroke(ui::Color::blue(), ui::StrokeStyle{.lineWidth = 3}));
}

ui::View buttonLabel(const ui::Color& color, bool isPressed, std::optional<double> width) {
  ui::View tile = ui::View(color).clipShape(ui::RoundedRectangle(10, ui::RoundedCornerStyle::continuous));
  if (width) tile = tile.frame(*width, std::nullopt);
  return tile.opacity(isPressed ? 0.5 : 1)
      .scaleEffect(isPressed ? 0.9 : 1)
      .animation(ui::Animation::default_(), isPressed)
      .padding()
      .background(randomColor(0, 1, false))
      .clipShape(ui::RoundedRectangle(16, ui::RoundedCornerStyle::continuous));
}

}  // namespace keyloom::gesture_button_preview
