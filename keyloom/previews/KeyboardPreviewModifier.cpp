#include "keyloom/previews/KeyboardPreviewModifier.h"

#include <utility>

#include "keyloom/services/ActionCalloutContext.h"
#include "keyloom/services/InputCalloutContext.h"
#include "keyloom/state/KeyboardContext.h"

namespace keyloom {

platform::ui::View keyboardPreview(const platform::ui::View& view,
                                   std::shared_ptr<KeyboardContext> keyboardContext) {
  return view.environmentObject(std::move(keyboardContext))
      .environmentObject(ActionCalloutContext::preview())
      .environmentObject(InputCalloutContext::preview());
}

}  // namespace keyloom
