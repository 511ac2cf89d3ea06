#pragma once

#include <string>

#include "keyloom/views/KeyboardEnabledLabelStyle.h"
#include "platform/ui/View.h"

namespace keyloom {

// Shows one text and icon when a keyboard is enabled and another when not.
class KeyboardEnabledLabel {
 public:
  KeyboardEnabledLabel(bool isEnabled, platform::ui::View enabledIcon, std::string enabledText,
                       platform::ui::View disabledIcon, std::string disabledText,
                       KeyboardEnabledLabelStyle style = KeyboardEnabledLabelStyle::standard());

  bool isEnabled() const { return isEnabled_; }
  const std::string& enabledText() const { return enabledText_; }
  const platform::ui::View& enabledIcon() const { return enabledIcon_; }
  const std::string& disabledText() const { return disabledText_; }
  const platform::ui::View& disabledIcon() const { return disabledIcon_; }
  const KeyboardEnabledLabelStyle& style() const { return style_; }

  platform::ui::View body() const;

 private:
  bool isEnabled_;
  std::string enabledText_;
  platform::ui::View enabledIcon_;
  std::string disabledText_;
  platform::ui::View disabledIcon_;
  KeyboardEnabledLabelStyle style_;
};

}  // namespace keyloom
