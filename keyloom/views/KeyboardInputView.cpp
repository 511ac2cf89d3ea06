#include "keyloom/views/KeyboardInputView.h"

#include <optional>
#include <utility>

#include "platform/ui/Primitives.h"

namespace keyloom {

namespace ui = platform::ui;

KeyboardInputView::~KeyboardInputView() = default;

ui::View KeyboardInputView::focused(ui::Binding<bool> focus, ui::View doneButtonLabel) const {
  const bool isFocused = focus.get();
  ui::View input = focusedView(focus).animation(ui::Animation::default_(), isFocused);
  ui::View doneButton = ui::Button([focus] { focus.set(false); }, std::move(doneButtonLabel))
                            .frame(isFocused ? std::nullopt : std::optional<double>(0), std::nullopt)
                            .clipped()
                            .padding(ui::EdgeSet::horizontal(), isFocused ? 3.0 : 0.0)
                            .animation(ui::Animation::default_(), isFocused);
  return ui::HStack(ui::VerticalAlignment::center, 0, {std::move(input), std::move(doneButton)});
}

ui::View tapToFocus(std::shared_ptr<const ui::ViewRepresentable> representable,
                    std::shared_ptr<KeyboardInputSlot> slot) {
  return ui::Representable(std::move(representable)).onTapGesture([slot] {
    auto component = slot ? slot->component.lock() : nullptr;
    if (component && !component->isFirstResponder()) component->becomeFirstResponder();
  });
}

}  // namespace keyloom
