#pragma once

#include <memory>

#include "platform/ui/View.h"

namespace keyloom {

class KeyboardContext;

// The view with the environment objects a keyboard view expects, for showing
// it on its own: the given context, ActionCalloutContext::preview() and a new
// enabled InputCalloutContext, in that order.
platform::ui::View keyboardPreview(const platform::ui::View& view,
                                   std::shared_ptr<KeyboardContext> keyboardContext);

}  // namespace keyloom
