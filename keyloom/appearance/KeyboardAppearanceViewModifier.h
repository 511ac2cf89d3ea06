#pragma once

#include "platform/ui/BodyContext.h"
#include "platform/ui/ColorScheme.h"
#include "platform/ui/View.h"

namespace keyloom {

// Forces a colour scheme on a view tree, so that keyboard views shown outside
// a keyboard get its light or dark look whatever the scheme around them. The
// foreground colour follows the surrounding scheme (white in dark, black
// otherwise); everything inside sees the forced scheme.
class KeyboardAppearanceViewModifier {
 public:
  explicit KeyboardAppearanceViewModifier(platform::ui::ColorScheme appearance) : appearance_(appearance) {}

  platform::ui::ColorScheme appearance() const { return appearance_; }

  platform::ui::View body(platform::ui::BodyContext& context, platform::ui::View content) const;

 private:
  platform::ui::ColorScheme appearance_;
};

// The view with KeyboardAppearanceViewModifier(appearance) applied.
platform::ui::View keyboardAppearance(const platform::ui::View& view, platform::ui::ColorScheme appearance);

}  // namespace keyloom
