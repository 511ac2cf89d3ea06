#pragma once

#include <functional>
#include <memory>
#include <string>

#include "keyloom/previews/GestureButtonPreviewParts.h"
#include "platform/foundation/Geometry.h"
#include "platform/reactive/Published.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/Color.h"
#include "platform/ui/View.h"

namespace keyloom {

// A design-time view of the scroll-view gesture button: a header that counts
// every event the button reports, over a scrolling row of 101 buttons that
// all write to it.
struct ScrollViewGestureButton_Previews {
  // The counts, and where the drags went.
  class PreviewState : public gesture_button_preview::CountingState {
   public:
    // Drag locations in the button's own coordinates, unrounded.
    platform::Published<platform::Point> dragStartValue{*this, platform::Point{}};
    platform::Published<platform::Point> dragChangeValue{*this, platform::Point{}};
    platform::Published<platform::Point> dragEndValue{*this, platform::Point{}};
  };

  // The state's twelve rows; observes the state.
  struct PreviewHeader {
    std::shared_ptr<PreviewState> state;
    platform::ui::View body(platform::ui::BodyContext& context) const;
  };

  // The button's label, 100 points wide.
  struct PreviewButton {
    platform::ui::Color color;
    bool isPressed = false;
    platform::ui::View body() const;
  };

  // A title over a scrolling row of 101 copies of the button, built by
  // `button` one by one.
  struct PreviewScrollGroup {
    std::string title;
    std::function<platform::ui::View()> button;
    platform::ui::View body() const;
  };

  // The header over the buttons; the state is made at the first showing and
  // kept for the preview's life.
  struct Preview {
    platform::ui::View body(platform::ui::BodyContext& context) const;
  };

  static platform::ui::View previews() { return Preview{}; }
};

}  // namespace keyloom
