#include "keyloom/views/ToggleToolbar.h"

#include <utility>

#include "platform/ui/GeometryProxy.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/State.h"
#include "platform/ui/Transaction.h"

namespace keyloom {

namespace ui = platform::ui;

namespace {

ui::View placed(const ui::View& toolbar, const ToggleToolbar::Placement& placement) {
  if (placement.opacity) return toolbar.opacity(*placement.opacity);
  return toolbar.offset(0, placement.offset.value_or(0));
}

}  // namespace

ToggleToolbar::ToggleToolbar(ToggleToolbarAnimation animation, ui::View toolbar, ui::View toggledToolbar,
                             ToggleLabel toggleView)
    : animation_(animation),
      toggle_(std::move(toggleView)),
      toolbar_(std::move(toolbar)),
      toggledToolbar_(std::move(toggledToolbar)) {}

ToggleToolbar::Placement ToggleToolbar::placement(ToggleToolbarAnimation animation, bool isToggledToolbar,
                                                  bool isToggled, double height) {
  const bool isShown = isToggledToolbar == isToggled;
  if (animation == ToggleToolbarAnimation::opacity)
    return {.offset = std::nullopt, .opacity = isShown ? 1 : 0};
  if (isShown) return {.offset = 0, .opacity = std::nullopt};
  // Where the hidden toolbar waits, in row heights (downwards positive): a
  // flip brings the new toolbar in from the side the old one leaves by, a
  // slide from the opposite side.
  double away = 0;
  switch (animation) {
    case ToggleToolbarAnimation::flipUp:
      away = -1;
      break;
    case ToggleToolbarAnimation::flipDown:
      away = 1;
      break;
    case ToggleToolbarAnimation::slideUp:
      away = isToggledToolbar ? 1 : -1;
      break;
    case ToggleToolbarAnimation::slideDown:
      away = isToggledToolbar ? -1 : 1;
      break;
    case ToggleToolbarAnimation::opacity:
      break;
  }
  return {.offset = away * height, .opacity = std::nullopt};
}

ui::View ToggleToolbar::body(ui::BodyContext& context) const {
  const ui::State<bool> isToggled = context.state(false);
  const ToggleToolbar self = *this;
  return ui::GeometryReader([self, isToggled](const ui::GeometryProxy& geometry) {
    const double height = geometry.size().height;
    const bool toggled = isToggled.get();
    auto toggleAction = [isToggled] { ui::withAnimation([&isToggled] { isToggled.set(!isToggled.get()); }); };
    return ui::HStack(
        ui::VerticalAlignment::center, std::nullopt,
        {ui::Button(toggleAction, self.toggle_(toggled)),
         ui::ZStack(ui::Alignment::center(),
                    {placed(self.toolbar_, placement(self.animation_, false, toggled, height)),
                     placed(self.toggledToolbar_, placement(self.animation_, true, toggled, height))})
             .clipped(false)});
  });
}

}  // namespace keyloom
