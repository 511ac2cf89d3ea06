#include "keyloom/views/KeyboardSettingsLink.h"

#include <utility>

#include "keyloom/services/KeyboardUrlOpener.h"
#include "keyloom/views/NavigationLinkArrow.h"
#include "platform/ui/Primitives.h"
#include "platform/ui/Shape.h"

namespace keyloom {

std::optional<platform::URL> keyboardSettingsURL() { return platform::URL::fromString(platform::settingsURLString()); }

std::function<void(const std::string&)> openURLThroughKeyboard() {
  return [](const std::string& string) {
    try {
      KeyboardUrlOpener::shared().open(platform::URL::fromString(string));
    } catch (const KeyboardUrlOpener::UrlError&) {
      // A tap has no one to report to; with no keyboard nothing opens.
    }
  };
}

KeyboardSettingsLink::KeyboardSettingsLink(std::optional<platform::URL> url, bool addNavigationArrow,
                                           std::function<platform::ui::View()> label)
    : url_(std::move(url)), addNavigationArrow_(addNavigationArrow), label_(std::move(label)) {}

KeyboardSettingsLink::KeyboardSettingsLink(std::string title, platform::ui::Image icon,
                                           std::optional<platform::URL> url)
    : KeyboardSettingsLink(std::move(url), false, [title = std::move(title), icon = std::move(icon)] {
        return platform::ui::Label(title, icon);
      }) {}

platform::ui::View KeyboardSettingsLink::body() const {
  using namespace platform::ui;
  if (!url_) return EmptyView();
  View content = addNavigationArrow_
                     ? HStack(VerticalAlignment::center, std::nullopt, {label_(), Spacer(), NavigationLinkArrow{}})
                     : label_();
  return Link(content.contentShape(Rectangle()), url_->absoluteString());
}

}  // namespace keyloom
