#include "keyloom/views/SystemKeyboardButtonRowItem.h"

#include <cmath>

#include "keyloom/layout/LocaleContextMenu.h"
#include "keyloom/views/KeyboardButtonGestures.h"
#include "keyloom/views/SystemKeyboardButtonStyle.h"
#include "platform/ui/State.h"

namespace keyloom {

namespace ui = platform::ui;
namespace width = keyboard_layout_item_width;

std::optional<double> SystemKeyboardButtonRowItem::keyWidth(const KeyboardLayoutItem& item,
                                                            double keyboardWidth, double inputWidth) {
  const double insets = item.insets.leading + item.insets.trailing;
  const auto& size = item.size.width;
  double result = 0;
  if (auto* p = size.get<width::InputPercentage>()) {
    result = p->fraction * inputWidth - insets;
  } else if (auto* p = size.get<width::Percentage>()) {
    result = p->fraction * keyboardWidth - insets;
  } else if (auto* p = size.get<width::Points>()) {
    result = p->width - insets;
  } else if (size.is<width::Input>()) {
    result = inputWidth - insets;
  } else {
    return std::nullopt;
  }
  // A key with no room of its own stretches rather than collapses.
  if (!(result > 0) || !std::isfinite(result)) return std::nullopt;
  return result;
}

KeyboardButtonStyle SystemKeyboardButtonRowItem::keyStyle(const KeyboardAction& action,
                                                          const KeyboardAppearance& appearance,
                                                          bool isPressed) {
  if (action == KeyboardAction::none() || action.is<keyboard_action::CharacterMargin>()) {
    return KeyboardButtonStyle::spacer();
  }
  return appearance.buttonStyle(action, isPressed);
}

bool SystemKeyboardButtonRowItem::hasLocaleMenu() const {
  if (item.action == KeyboardAction::nextLocale()) return true;
  return item.action == KeyboardAction::space() &&
         keyboardContext->spaceLongPressBehavior.get() == SpaceLongPressBehavior::openLocaleContextMenu;
}

struct SystemKeyboardButtonRowItem::Key {
  SystemKeyboardButtonRowItem rowItem;
  ui::View body(ui::BodyContext& context) const { return rowItem.key(context); }
};

ui::View SystemKeyboardButtonRowItem::body(ui::BodyContext& context) const {
  context.observe(keyboardContext);
  if (!hasLocaleMenu()) return key(context);
  // A new locale replaces the key, pressed state and all.
  return ui::View(Key{*this}).id(ui::ViewId(keyboardContext->locale.get().identifier()));
}

ui::View SystemKeyboardButtonRowItem::key(ui::BodyContext& context) const {
  auto isPressed = context.state(false);
  const bool pressed = isPressed.get();

  // As tall as the layout says where nothing else decides; in a keyboard
  // given a height of its own the rows share it, so the keys fill the frame.
  const double height = item.size.height - item.insets.top - item.insets.bottom;
  ui::View key =
      content.frame(ui::FlexibleFrame{.maxWidth = ui::infinity})
          .frame(ui::FlexibleFrame{.minHeight = 0, .idealHeight = height, .maxHeight = ui::infinity});
  if (auto fixed = keyWidth(item, keyboardWidth, inputWidth)) {
    key = std::move(key).frame(*fixed, std::nullopt);
  } else {
    key = std::move(key).frame(ui::FlexibleFrame{.maxWidth = ui::infinity});
  }
  key = systemKeyboardButtonStyle(std::move(key), keyStyle(item.action, *appearance, pressed), pressed)
            .padding(item.insets)
            .contentShape(ui::Rectangle());
  key = keyboardButtonGestures(std::move(key), item.action, actionHandler, calloutContext,
                               isPressed.binding(), false, 1.0);
  if (hasLocaleMenu()) {
    auto handler = actionHandler;
    auto action = item.action;
    key = localeContextMenu(std::move(key), keyboardContext,
                            [handler, action] { handler->handle(KeyboardGesture::release, action); });
  }
  return std::move(key).attach(item.action, "key");
}

}  // namespace keyloom
