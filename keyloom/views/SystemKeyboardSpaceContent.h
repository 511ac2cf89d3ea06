#pragma once

#include <optional>
#include <string>

#include "platform/ui/BodyContext.h"
#include "platform/ui/View.h"

namespace keyloom {

// The space bar's label: the current locale's name for one second, fading
// over to the normal label. The name shows only when a space bar appears with
// a locale text other than the last one shown by any space bar.
struct SystemKeyboardSpaceContent {
  std::string localeText;
  platform::ui::View spaceView;

  SystemKeyboardSpaceContent(std::string localeText, platform::ui::View spaceView)
      : localeText(std::move(localeText)), spaceView(std::move(spaceView)) {}

  // How long the locale name shows before the label takes over.
  static constexpr double localeDuration = 1.0;

  // The locale text a space bar last started to show, shared by all of them.
  static std::optional<std::string> lastShownLocaleText();

  platform::ui::View body(platform::ui::BodyContext& context) const;
};

}  // namespace keyloom
