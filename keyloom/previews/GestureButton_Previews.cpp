#include "keyloom/previews/GestureButton_Previews.h"

#include <utility>

#include "keyloom/gestures/GestureButton.h"
#include "keyloom/gestures/GestureButtonDefaults.h"
#include "keyloom/previews/GestureButtonPreviewParts.h"
#include "keyloom/state/RepeatGestureTimer.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/State.h"

namespace keyloom {

namespace ui = platform::ui;
namespace parts = gesture_button_preview;
using Previews = GestureButton_Previews;

namespace {

ui::View previewGestureButton(const std::shared_ptr<Previews::PreviewState>& state) {
  return GestureButton{
      .isPressedBinding = ui::Binding<bool>([state] { return state->isPressed.get(); },
                                            [state](bool value) { state->isPressed = value; }),
      .pressAction = [state] { parts::increment(state->pressCount); },
      .releaseInsideAction = [state] { parts::increment(state->releaseInsideCount); },
      .releaseOutsideAction = [state] { parts::increment(state->releaseOutsideCount); },
      .longPressDelay = 0.8,
      .longPressAction = [state] { parts::increment(state->longPressCount); },
      .doubleTapTimeout = GestureButtonDefaults::doubleTapTimeout(),
      .doubleTapAction = [state] { parts::increment(state->doubleTapCount); },
      .repeatDelay = GestureButtonDefaults::repeatDelay(),
      .repeatTimer = RepeatGestureTimer::shared(),
      .repeatAction = [state] { parts::increment(state->repeatTapCount); },
      .dragStartAction = [state](const ui::DragValue& value) { state->dragStartedValue = value.location; },
      .dragAction = [state](const ui::DragValue& value) { state->dragChangedValue = value.location; },
      .dragEndAction = [state](const ui::DragValue& value) { state->dragEndedValue = value.location; },
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
  rows.push_back(parts::headerRow("Drag started", parts::formatPoint(state->dragStartedValue.get())));
  rows.push_back(parts::headerRow("Drag changed", parts::formatPoint(state->dragChangedValue.get())));
  rows.push_back(parts::headerRow("Drag ended", parts::formatPoint(state->dragEndedValue.get())));
  return parts::headerFrame(std::move(rows));
}

ui::View Previews::PreviewButton::body() const { return parts::buttonLabel(color, isPressed); }

ui::View Previews::PreviewButtonGroup::body() const {
  const auto build = button;
  return ui::VStack(
             ui::HorizontalAlignment::leading, 5,
             {ui::Text(title), ui::HStack({ui::ForEachIndex(4, [build](std::size_t) { return build(); })})
                                   .frame(ui::FlexibleFrame{.maxWidth = ui::infinity})})
      .padding(ui::EdgeSet::horizontal());
}

ui::View Previews::Preview::body(ui::BodyContext& context) const {
  auto state = context.stateObject<PreviewState>([] { return std::make_shared<PreviewState>(); });
  return ui::VStack(ui::HorizontalAlignment::center, 20,
                    {ui::View(PreviewHeader{state}).padding(ui::EdgeSet::horizontal()),
                     PreviewButtonGroup{"Buttons:", [state] { return previewGestureButton(state); }}});
}

}  // namespace keyloom
