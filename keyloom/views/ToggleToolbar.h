#pragma once

#include <functional>
#include <optional>

#include "keyloom/views/ToggleToolbarAnimation.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/View.h"

namespace keyloom {

// A toolbar row with a toggle button at its leading edge that switches the
// rest of the row between two toolbars, animated. Whether it is toggled is the
// view's own state: it starts untoggled and is lost when the view goes away.
class ToggleToolbar {
 public:
  // Builds the toggle button's label for the current toggle state.
  using ToggleLabel = std::function<platform::ui::View(bool isToggled)>;

  // Where one of the two toolbars is drawn: moved down by `offset` (negative
  // is up), or faded to `opacity`. Never both.
  struct Placement {
    std::optional<double> offset;
    std::optional<double> opacity;

    bool operator==(const Placement&) const = default;
  };

  ToggleToolbar(ToggleToolbarAnimation animation, platform::ui::View toolbar,
                platform::ui::View toggledToolbar, ToggleLabel toggleView);

  ToggleToolbarAnimation animation() const { return animation_; }
  const ToggleLabel& toggle() const { return toggle_; }
  const platform::ui::View& toolbar() const { return toolbar_; }
  const platform::ui::View& toggledToolbar() const { return toggledToolbar_; }

  // The placement of the first toolbar (isToggledToolbar false) or of the
  // toggled one, for the toggle state and the row's height.
  static Placement placement(ToggleToolbarAnimation animation, bool isToggledToolbar, bool isToggled,
                             double height);

  platform::ui::View body(platform::ui::BodyContext& context) const;

 private:
  ToggleToolbarAnimation animation_;
  ToggleLabel toggle_;
  platform::ui::View toolbar_;
  platform::ui::View toggledToolbar_;
};

}  // namespace keyloom
