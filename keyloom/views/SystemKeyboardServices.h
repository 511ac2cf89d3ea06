#pragma once

#include <memory>
#include <vector>

#include "keyloom/appearance/StandardKeyboardAppearance.h"
#include "keyloom/autocomplete/AutocompleteContext.h"
#include "keyloom/layout/StandardInputSetProvider.h"
#include "keyloom/layout/StandardKeyboardLayoutProvider.h"
#include "keyloom/services/ActionCalloutContext.h"
#include "keyloom/services/InputCalloutContext.h"
#include "keyloom/services/KeyboardActionHandler.h"
#include "keyloom/services/KeyboardCalloutContext.h"
#include "keyloom/services/StandardCalloutActionProvider.h"
#include "keyloom/state/KeyboardContext.h"
#include "keyloom/views/SystemKeyboard.h"

namespace keyloom {

// The standard services a system keyboard is built from, without a
// controller: for tests and benchmarks that host the keyboard on its own.
struct SystemKeyboardServices {
  std::shared_ptr<KeyboardContext> context = std::make_shared<KeyboardContext>();
  std::shared_ptr<KeyboardActionHandler> handler;
  std::shared_ptr<StandardKeyboardAppearance> appearance =
      std::make_shared<StandardKeyboardAppearance>(context);
  std::shared_ptr<StandardKeyboardLayoutProvider> layoutProvider =
      std::make_shared<StandardKeyboardLayoutProvider>(
          context,
          std::make_shared<StandardInputSetProvider>(
              context, std::vector<std::shared_ptr<LocalizedInputSetProvider>>{}),
          std::vector<std::shared_ptr<LocalizedKeyboardLayoutProvider>>{});
  std::shared_ptr<KeyboardCalloutContext> callouts;
  std::shared_ptr<AutocompleteContext> autocomplete = std::make_shared<AutocompleteContext>();

  // The action callout sends its choice to `handler`; the input callout is on.
  explicit SystemKeyboardServices(std::shared_ptr<KeyboardActionHandler> handler)
      : handler(handler),
        callouts(std::make_shared<KeyboardCalloutContext>(
            std::make_shared<ActionCalloutContext>(
                handler, std::make_shared<StandardCalloutActionProvider>(
                             context,
                             std::vector<std::shared_ptr<LocalizedCalloutActionProvider>>{
                                 StandardCalloutActionProvider::standardProvider()})),
            std::make_shared<InputCalloutContext>(true))) {}

  // The keyboard for the context's current layout.
  SystemKeyboard keyboard(
      double width, SystemKeyboard::SuggestionAction suggestionAction = nullptr,
      SystemKeyboard::AutocompleteToolbarMode mode = SystemKeyboard::AutocompleteToolbarMode::automatic,
      bool withCallouts = true) const {
    return SystemKeyboard(layoutProvider->keyboardLayout(*context), appearance, handler, autocomplete, mode,
                          std::move(suggestionAction), context, withCallouts ? callouts : nullptr, width,
                          true);
  }
};

}  // namespace keyloom
