#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "platform/input/Button.h"
#include "platform/input/InputViewController.h"
#include "platform/ui/BodyContext.h"
#include "platform/ui/View.h"
#include "platform/ui/ViewRepresentable.h"

namespace keyloom {

// A key that switches to the next system keyboard. Its touches go to an
// invisible platform button laid over the content, wired to the controller's
// input-mode handling, because only the platform decides whether a touch
// switches keyboards or opens the list of keyboards.
class NextKeyboardButton {
 public:
  // Without a controller the button stays unwired; with the flag set, that is
  // reported as a development error, except in the design-time preview.
  NextKeyboardButton(const std::shared_ptr<platform::InputViewController>& controller,
                     bool throwAssertionForMissingController, std::function<platform::ui::View()> content);

  // Called with a description when a button is made without a controller
  // while the flag asks for the check. The default asserts in debug builds.
  static void setMissingControllerHandler(std::function<void(std::string_view)> handler);

  const std::shared_ptr<platform::Button>& button() const { return button_; }
  bool throwAssertionForMissingController() const { return throwAssertionForMissingController_; }

  // The content with the button laid over it, centred.
  platform::ui::View body(platform::ui::BodyContext& context) const;

 private:
  std::function<platform::ui::View()> content_;
  std::shared_ptr<platform::Button> button_;
  std::shared_ptr<const platform::ui::ViewRepresentable> overlay_;
  bool throwAssertionForMissingController_;
};

}  // namespace keyloom
