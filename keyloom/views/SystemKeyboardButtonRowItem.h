#pragma once

#include <memory>
#include <optional>

#include "keyloom/appearance/KeyboardAppearance.h"
#include "keyloom/appearance/KeyboardButtonStyle.h"
#include "keyloom/layout/KeyboardLayoutItem.h"
#include "keyloom/services/KeyboardActionHandler.h"
#include "keyloom/services/KeyboardCalloutContext.h"
#include "keyloom/state/KeyboardContext.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/View.h"

namespace keyloom {

// One key in its place in a row of the system keyboard: sizes the content
// by the item, styles it for its pressed state, makes the item's insets part
// of its touch area, binds its gestures to the action handler and the
// callouts, and gives the locale key (and the space bar, when asked) the
// locale menu. It observes the keyboard context.
struct SystemKeyboardButtonRowItem {
  platform::ui::View content;
  KeyboardLayoutItem item;
  std::shared_ptr<KeyboardActionHandler> actionHandler;
  std::shared_ptr<KeyboardContext> keyboardContext;
  // Absent: no callouts.
  std::shared_ptr<KeyboardCalloutContext> calloutContext;
  double keyboardWidth = 0;
  double inputWidth = 0;
  std::shared_ptr<const KeyboardAppearance> appearance;

  SystemKeyboardButtonRowItem(platform::ui::View content, KeyboardLayoutItem item,
                              std::shared_ptr<KeyboardActionHandler> actionHandler,
                              std::shared_ptr<KeyboardContext> keyboardContext,
                              std::shared_ptr<KeyboardCalloutContext> calloutContext, double keyboardWidth,
                              double inputWidth, std::shared_ptr<const KeyboardAppearance> appearance)
      : content(std::move(content)),
        item(std::move(item)),
        actionHandler(std::move(actionHandler)),
        keyboardContext(std::move(keyboardContext)),
        calloutContext(std::move(calloutContext)),
        keyboardWidth(keyboardWidth),
        inputWidth(inputWidth),
        appearance(std::move(appearance)) {}

  // The width of the styled key (the item's width less its horizontal
  // insets); absent when the key stretches: `available`, or a width that is
  // not above 0.
  static std::optional<double> keyWidth(const KeyboardLayoutItem& item, double keyboardWidth,
                                        double inputWidth);
  // The spacer style for `none` and margin keys, pressed or not; the
  // appearance's style for every other action.
  static KeyboardButtonStyle keyStyle(const KeyboardAction& action, const KeyboardAppearance& appearance,
                                      bool isPressed);
  // Whether the key carries the locale menu now.
  bool hasLocaleMenu() const;

  // An equal key is kept as it is when the keyboard is evaluated again.
  bool operator==(const SystemKeyboardButtonRowItem&) const = default;

  platform::ui::View body(platform::ui::BodyContext& context) const;

 private:
  // The key with its pressed state, so that the identity given to a key
  // with the locale menu covers that state too.
  struct Key;
  platform::ui::View key(platform::ui::BodyContext& context) const;
};

}  // namespace keyloom
