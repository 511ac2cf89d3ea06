#include "keyloom/views/KeyboardEnabledLabelStyle.h"

#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

KeyboardEnabledLabelStyle makeStandard() {
  KeyboardEnabledLabelStyle style;
  style.enabledIcon.color = platform::ui::Color::green();
  style.disabledIcon.color = platform::ui::Color::orange();
  return style;
}

}  // namespace

KeyboardEnabledLabelStyle& KeyboardEnabledLabelStyle::standard() {
  static KeyboardEnabledLabelStyle style = [] {
    platform::registerProcessReset([] { style = makeStandard(); });
    return makeStandard();
  }();
  return style;
}

}  // namespace keyloom
