#include "keyloom/controller/KeyboardRootView.h"

#include "keyloom/autocomplete/AutocompleteContext.h"
#include "keyloom/controller/KeyboardCalloutContext.h"
#include "keyloom/state/KeyboardContext.h"
#include "platform/ui/Primitives.h"

namespace keyloom {

platform::ui::View KeyboardRootView::body(platform::ui::BodyContext& context) const {
  context.environmentObject<AutocompleteContext>();
  context.environmentObject<KeyboardCalloutContext>();
  context.environmentObject<KeyboardContext>();
  return view_ ? view_() : platform::ui::EmptyView();
}

}  // namespace keyloom
