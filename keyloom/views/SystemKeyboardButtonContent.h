#pragma once

#include <memory>
#include <string>

#include "keyloom/appearance/KeyboardAppearance.h"
#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/state/KeyboardImage.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/Image.h"
#include "platform/ui/View.h"

namespace keyloom {

// What a key shows: the space bar's content (the locale text giving way to
// the space text, or the space text alone when they are the same), else the
// appearance's image for the action, else its text, else an empty text;
// padded by 3 points. It observes the keyboard context it reads: an equal
// content is kept as it is when the key around it is evaluated again.
struct SystemKeyboardButtonContent {
  KeyboardAction action;
  std::shared_ptr<const KeyboardAppearance> appearance;
  std::shared_ptr<KeyboardContext> keyboardContext;

  SystemKeyboardButtonContent(KeyboardAction action, std::shared_ptr<const KeyboardAppearance> appearance,
                              std::shared_ptr<KeyboardContext> keyboardContext)
      : action(std::move(action)),
        appearance(std::move(appearance)),
        keyboardContext(std::move(keyboardContext)) {}

  // The space bar's first label: with two or more locales, the current
  // language's name in that language; otherwise the space text itself.
  std::string spaceLocaleText() const;

  bool operator==(const SystemKeyboardButtonContent&) const = default;

  platform::ui::View body(platform::ui::BodyContext& context) const;
};

// The picture a key image names, as the renderer finds it: a symbol by
// name, or the library's own picture read from its bundle.
platform::ui::Image platformImage(const KeyboardImage& image);
// The image at its size in points: a symbol follows the font, a picture its
// pixels at three per point.
platform::ui::View keyboardImageView(const KeyboardImage& image);

}  // namespace keyloom
