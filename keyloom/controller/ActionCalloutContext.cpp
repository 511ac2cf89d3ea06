#include "keyloom/controller/ActionCalloutContext.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "keyloom/appearance/KeyboardActionCalloutStyle.h"
#include "keyloom/autocomplete/LibraryKeyPrefix.h"
#include "keyloom/controller/DisabledCalloutActionProvider.h"
#include "keyloom/controller/PreviewKeyboardActionHandler.h"
#include "keyloom/gestures/HapticFeedback.h"
#include "platform/input/Screen.h"

namespace keyloom {

using platform::ui::HorizontalAlignment;

ActionCalloutContext::ActionCalloutContext(std::shared_ptr<KeyboardActionHandler> actionHandler,
                                           std::shared_ptr<CalloutActionProvider> actionProvider)
    : actionHandler_(std::move(actionHandler)), actionProvider_(std::move(actionProvider)) {}

std::string ActionCalloutContext::coordinateSpace() {
  return std::string(libraryKeyPrefix) + ".coordinate.ActionCallout";
}

std::shared_ptr<ActionCalloutContext> ActionCalloutContext::disabled() {
  return std::make_shared<ActionCalloutContext>(std::make_shared<PreviewKeyboardActionHandler>(),
                                                std::make_shared<DisabledCalloutActionProvider>());
}

std::optional<KeyboardAction> ActionCalloutContext::selectedAction() const {
  const int index = selectedIndex.get();
  const auto& list = actions.get();
  if (index < 0 || static_cast<std::size_t>(index) >= list.size()) return std::nullopt;
  return list[static_cast<std::size_t>(index)];
}

int ActionCalloutContext::defaultSelectedIndex() const {
  return isTrailing() ? static_cast<int>(actions.get().size()) - 1 : 0;
}

void ActionCalloutContext::updateInputs(const std::optional<KeyboardAction>& action,
                                        const platform::ui::GeometryProxy& geometry,
                                        std::optional<HorizontalAlignment> givenAlignment) {
  if (!action) {
    reset();
    return;
  }
  auto list = actionProvider_->calloutActions(*action);
  buttonFrame.set(geometry.frame(platform::ui::CoordinateSpace::named(coordinateSpace())));
  HorizontalAlignment side = HorizontalAlignment::leading;
  if (givenAlignment) {
    side = *givenAlignment;
  } else {
    const double halfScreenWidth = platform::Screen::main().bounds().width() / 2;
    side = halfScreenWidth < buttonFrame.get().minX() ? HorizontalAlignment::trailing : HorizontalAlignment::leading;
  }
  alignment.set(side);
  if (isTrailing()) std::reverse(list.begin(), list.end());
  actions.set(std::move(list));
  selectedIndex.set(defaultSelectedIndex());
  if (isActive()) triggerHapticFeedbackForSelectionChange();
}

void ActionCalloutContext::updateSelection(const std::optional<platform::Size>& translation) {
  if (!translation) return;
  if (buttonFrame.get() == platform::Rect()) return;
  if (buttonFrame.get().height() < translation->height) {
    reset();
    return;
  }
  const double dx = translation->width;
  if (dx != 0 && (isTrailing() ? dx > 0 : dx < 0)) return;

  const double buttonWidth =
      std::min(KeyboardActionCalloutStyle::standard().maxButtonSize.width, buttonFrame.get().width());
  const double step = buttonWidth * 0.9;
  const auto count = static_cast<double>(actions.get().size());
  // Computed in doubles so a zero or odd width cannot overflow the integer;
  // without a usable step the default index is kept.
  double steps = step > 0 && std::isfinite(step) ? std::trunc(std::abs(dx) / step) : -1;
  if (isTrailing() && steps >= 0) steps = count - steps - 1;
  const int index = (steps >= 0 && steps < count) ? static_cast<int>(steps) : defaultSelectedIndex();

  if (index != selectedIndex.get()) triggerHapticFeedbackForSelectionChange();
  selectedIndex.set(index);
}

void ActionCalloutContext::handleSelectedAction() {
  if (auto action = selectedAction()) actionHandler_->handle(KeyboardGesture::release, *action);
}

void ActionCalloutContext::endDragGesture() {
  handleSelectedAction();
  reset();
}

void ActionCalloutContext::reset() {
  actions.set({});
  selectedIndex.set(-1);
  buttonFrame.set(platform::Rect());
}

void ActionCalloutContext::triggerHapticFeedbackForSelectionChange() { trigger(HapticFeedback::selectionChanged); }

}  // namespace keyloom
