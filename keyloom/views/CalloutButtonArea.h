#pragma once

#include "keyloom/appearance/KeyboardCalloutStyle.h"
#include "platform/foundation/Geometry.h"
#include "platform/ui/View.h"

namespace keyloom {

// The foot of a callout: a key-shaped piece under the bubble that covers the
// pressed key, with a fillet on each side joining it to the bubble. It is
// frame.width + 2 x curveSize.width wide; only the frame's size counts.
struct CalloutButtonArea {
  platform::Rect frame;
  KeyboardCalloutStyle style;

  CalloutButtonArea(platform::Rect frame, KeyboardCalloutStyle style)
      : frame(frame), style(std::move(style)) {}

  platform::ui::View body() const;
};

// Adds the callouts' two shadows: a hairline outline in the border colour,
// then the soft shadow.
platform::ui::View keyboardCalloutShadow(const platform::ui::View& view,
                                         const KeyboardCalloutStyle& style);

}  // namespace keyloom
