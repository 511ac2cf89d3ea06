#pragma once

#include <memory>

#include "keyloom/appearance/KeyboardInputCalloutStyle.h"
#include "keyloom/services/InputCalloutContext.h"
#include "keyloom/state/KeyboardContext.h"
#include "platform/foundation/Geometry.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/View.h"

namespace keyloom {

// The enlarged character over a held key. It draws what its context holds
// and is shown only by its opacity: visible while the context has an input
// and is enabled. Touches pass through it to the keys.
struct InputCallout {
  std::shared_ptr<InputCalloutContext> calloutContext;
  std::shared_ptr<KeyboardContext> keyboardContext;
  KeyboardInputCalloutStyle style;

  InputCallout(std::shared_ptr<InputCalloutContext> calloutContext,
               std::shared_ptr<KeyboardContext> keyboardContext, KeyboardInputCalloutStyle style)
      : calloutContext(std::move(calloutContext)),
        keyboardContext(std::move(keyboardContext)),
        style(std::move(style)) {}

  // The pressed key's frame less the style's inset; zero while there is no
  // key frame to inset.
  platform::Rect keyFrame() const;
  // A phone held sideways: the bubble is as tall as the key.
  bool isPhoneLandscape() const;
  platform::Size bubbleSize() const;
  // Where the callout's centre goes, in the callout's coordinate space.
  platform::Point position() const;

  platform::ui::View body(platform::ui::BodyContext& context) const;
};

// Lays the input callout over `view`, which becomes the coordinate space the
// keys measure their frames in for it.
platform::ui::View keyboardInputCallout(const platform::ui::View& view,
                                        std::shared_ptr<InputCalloutContext> calloutContext,
                                        std::shared_ptr<KeyboardContext> keyboardContext,
                                        const KeyboardInputCalloutStyle& style);

}  // namespace keyloom
