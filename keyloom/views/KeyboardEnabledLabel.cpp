#include "keyloom/views/KeyboardEnabledLabel.h"

#include <utility>

#include "platform/ui/Primitives.h"

namespace keyloom {

namespace {

// Colour first, then font; absent values are not applied so the inherited
// ones show through.
platform::ui::View styled(platform::ui::View view, const KeyboardEnabledLabelStyle::ComponentStyle& style) {
  if (style.color) view = view.foregroundColor(style.color);
  if (style.font) view = view.font(style.font);
  return view;
}

}  // namespace

KeyboardEnabledLabel::KeyboardEnabledLabel(bool isEnabled, platform::ui::View enabledIcon, std::string enabledText,
                                           platform::ui::View disabledIcon, std::string disabledText,
                                           KeyboardEnabledLabelStyle style)
    : isEnabled_(isEnabled),
      enabledText_(std::move(enabledText)),
      enabledIcon_(std::move(enabledIcon)),
      disabledText_(std::move(disabledText)),
      disabledIcon_(std::move(disabledIcon)),
      style_(std::move(style)) {}

platform::ui::View KeyboardEnabledLabel::body() const {
  const auto& textStyle = isEnabled_ ? style_.enabledText : style_.disabledText;
  const auto& iconStyle = isEnabled_ ? style_.enabledIcon : style_.disabledIcon;
  return platform::ui::Label(styled(platform::ui::Text(isEnabled_ ? enabledText_ : disabledText_), textStyle),
                             styled(isEnabled_ ? enabledIcon_ : disabledIcon_, iconStyle));
}

}  // namespace keyloom
