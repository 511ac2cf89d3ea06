#include "keyloom/previews/ScrollViewGestureButton_Previews.h"

#include <utility>

#include "keyloom/gestures/GestureButtonDefaults.h"
#include "keyloom/gestures/ScrollViewGestureButton.h"
#include "keyloom/previews/GestureButtonPreviewParts.h"
#include "keyloom/state/RepeatGestureTimer.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/State.h"

namespace keyloom {

namespace ui = platform::ui;
namespace parts = gesture_button_preview;
using Previews = ScrollViewGestureButton_Previews;

namespace {

ui::View previewScrollViewGestureButton(const std::shared_ptr<Previews::PreviewState>& state) {
  return ScrollViewGestureButton{
      .isPressedBinding = ui::Binding<bool>([state] { return state->isPressed.get(); },
                                            [state](bool value) { state->isPressed = value; }),
      .pressAction = [state] { parts::increment(state->pressCount); },
      .releaseInsideAction = [state] { parts::increment(state->releaseInsideCount); },
      .releaseOutsideAction = [state] { parts::increment(state->releaseOutsideCount); },
      .longPressDelay = 0.8,
      .longPressAction = [state] { parts::increment(state->longPressCount); },
      .doubleTapTimeout = GestureButtonDefaults::doubleTapTimeout(),
      .doubleTapAction = [state] { parts::increment(state->doubleTapCount); },
      .repeatTimer = RepeatGestureTimer::shared(),
      .repeatAction = [state] { parts::increment(state->repeatTapCount); },
      .dragStartAction = [state](const ui::DragValue& value) { state->dragStartValue = value.location; },
      .dragAction = [state](const ui::DragValue& value) { state->dragChangeValue = value.location; },
      .dragEndAction = [state](const ui::DragValue& value) { state->dragEndValue = value.location; },
      .endAction = [state] { parts::increment(state->endCount); },
      .label = [](bool isPressed) -> ui::View {
        return Previews::PreviewButton{ui::Color::blue(), isPressed};
      },
  };
}

}  // namespace

ui::View Previews::PreviewHeader::body(ui::BodyContext& context) const {
  context.observe(state);
  auto rows = parts::countRows(*state);
  rows.push_back(parts::headerRow("Drag start", parts::formatPoint(state->dragStartValue.get())));
  rows.push_back(parts::headerRow("Drag change", parts::formatPoint(state->dragChangeValue.get())));
  rows.push_back(parts::headerRow("Drag end", parts::formatPoint(state->dragEndValue.get())));
  return parts::headerFrame(std::move(rows));
}

ui::View Previews::PreviewButton::body() const { return parts::buttonLabel(color, isPressed, 100); }

ui::View Previews::PreviewScrollGroup::body() const {
  const auto build = button;
  return ui::VStack(
      ui::HorizontalAlignment::leading, 0,
      {ui::Text(title).padding(ui::EdgeSet::horizontal()),
       ui::ScrollView(ui::Axis::horizontal, true,
                      ui::LazyHStack(ui::VerticalAlignment::center, std::nullopt,
                                     {ui::ForEachIndex(101, [build](std::size_t) { return build(); })})
                          .padding(ui::EdgeSet::horizontal()))});
}

ui::View Previews::Preview::body(ui::BodyContext& context) const {
  auto state = context.stateObject<PreviewState>([] { return std::make_shared<PreviewState>(); });
  return ui::VStack(
      ui::HorizontalAlignment::center, 20,
      {ui::View(PreviewHeader{state}).padding(ui::EdgeSet::horizontal()),
       PreviewScrollGroup{"Buttons", [state] { return previewScrollViewGestureButton(state); }}});
}

}  // namespace keyloom
