#include "keyloom/controller/KeyboardRootView.h"

#include "keyloom/autocomplete/AutocompleteContext.h"
#include "keyloom/services/KeyboardCalloutContext.h"
#include "keyloom/state/KeyboardContext.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

platform::ui::View KeyboardRootView::body(platform::ui::BodyContext& context) const {
  context.environmentObject<AutocompleteContext>();
  context.environmentObject<KeyboardCalloutContext>();
  auto keyboardContext = context.environmentObject<KeyboardContext>();
  // Every view of the keyboard resolves its colours in the scheme the context
  // reports, so the keys the appearance styles and the views that take the
  // platform's colours never disagree.
  return platform::ui::View(view_ ? view_() : platform::ui::EmptyView())
      .colorScheme(keyboardContext->colorScheme());
}

}  // namespace keyloom
