#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/foundation/URL.h"
#include "platform/ui/Image.h"
#include "platform/ui/View.h"

namespace keyloom {

// The address of this app's page in the system settings; absent if the
// platform's string is not a valid URL.
std::optional<platform::URL> keyboardSettingsURL();

// An openURL action (for the environment) that opens through the keyboard's
// URL opener, for where links cannot open URLs themselves, as in a keyboard.
// Opening fails silently when no keyboard controller is registered.
std::function<void(const std::string&)> openURLThroughKeyboard();

// A settings-screen row that opens a URL, by default the app's settings
// page. The whole row is tappable, including the gap before the arrow.
class KeyboardSettingsLink {
 public:
  KeyboardSettingsLink(std::optional<platform::URL> url, bool addNavigationArrow,
                       std::function<platform::ui::View()> label);
  // A titled row with an icon and no arrow.
  KeyboardSettingsLink(std::string title, platform::ui::Image icon,
                       std::optional<platform::URL> url = keyboardSettingsURL());

  const std::optional<platform::URL>& url() const { return url_; }
  bool addNavigationArrow() const { return addNavigationArrow_; }

  // Nothing without a URL.
  platform::ui::View body() const;

 private:
  std::optional<platform::URL> url_;
  bool addNavigationArrow_;
  std::function<platform::ui::View()> label_;
};

}  // namespace keyloom
