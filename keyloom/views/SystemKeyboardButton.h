#pragma once

#include <functional>
#include <memory>

#include "keyloom/appearance/KeyboardAppearance.h"
#include "keyloom/services/KeyboardActionHandler.h"
#include "keyloom/services/KeyboardCalloutContext.h"
#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/views/SystemKeyboardButtonContent.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/View.h"

namespace keyloom {

// A complete key on its own, for use outside the system keyboard: content,
// look, pressed state and gestures, without size, insets or locale menu. Its
// size is that of its styled content. Every action, `none` included, is
// styled by the appearance.
struct SystemKeyboardButton {
  using ContentConfig = std::function<platform::ui::View(const SystemKeyboardButtonContent&)>;

  KeyboardAction action;
  std::shared_ptr<KeyboardActionHandler> actionHandler;
  std::shared_ptr<KeyboardContext> keyboardContext;
  // Absent: no callouts.
  std::shared_ptr<KeyboardCalloutContext> calloutContext;
  std::shared_ptr<const KeyboardAppearance> appearance;
  // Turns the standard content into the view shown; absent shows it as it is.
  ContentConfig contentConfig;

  SystemKeyboardButton(KeyboardAction action, std::shared_ptr<KeyboardActionHandler> actionHandler,
                       std::shared_ptr<KeyboardContext> keyboardContext,
                       std::shared_ptr<KeyboardCalloutContext> calloutContext,
                       std::shared_ptr<const KeyboardAppearance> appearance,
                       ContentConfig contentConfig = nullptr)
      : action(std::move(action)),
        actionHandler(std::move(actionHandler)),
        keyboardContext(std::move(keyboardContext)),
        calloutContext(std::move(calloutContext)),
        appearance(std::move(appearance)),
        contentConfig(std::move(contentConfig)) {}

  platform::ui::View body(platform::ui::BodyContext& context) const;
};

}  // namespace keyloom
