#include "keyloom/services/ActionCalloutContext.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "keyloom/appearance/KeyboardActionCalloutStyle.h"
#include "keyloom/core/LibraryKeyPrefix.h"
#include "keyloom/gestures/HapticFeedback.h"
#include "keyloom/services/DisabledCalloutActionProvider.h"
#include "keyloom/services/PreviewKeyboardActionHandler.h"

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
  const auto space = platform::ui::CoordinateSpace::named(coordinateSpace());
  buttonFrame.set(geometry.frame(space));
  HorizontalAlignment side = HorizontalAlignment::leading;
  if (givenAlignment) {
    side = *givenAlignment;
  } else {
    // Measured against the callout's own space (the keyboard), not the
    // screen, so a floating or narrow keyboard opens towards its middle.
    const double halfWidth = geometry.size(space).width / 2;
    side = halfWidth < buttonFrame.get().minX() ? HorizontalAlignment::trailing : HorizontalAlignment::leading;
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
  // without a usable step the default index is kept. Sliding past the
  // outermost entry keeps it selected: jumping back to the first one would
  // make the lifted finger type a character the user slid away from.
  double steps = step > 0 && std::isfinite(step) ? std::trunc(std::abs(dx) / step) : -1;
  int index = defaultSelectedIndex();
  if (steps >= 0 && count > 0) {
    steps = std::min(steps, count - 1);
    index = static_cast<int>(isTrailing() ? count - steps - 1 : steps);
  }

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
