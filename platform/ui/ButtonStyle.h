#pragma once

#include <memory>
#include <string>

#include "platform/ui/BodyContext.h"
#include "platform/ui/View.h"

namespace platform::ui {

struct ButtonStyleConfiguration {
  View label;
  bool isPressed = false;
};

// Builds what a button shows from its label and pressed state. The body is
// evaluated like a view's: state asked for through the context belongs to
// the button's identity, and it is evaluated again when the pressed state
// changes.
class ButtonStyle {
 public:
  virtual ~ButtonStyle();
  virtual View makeBody(const ButtonStyleConfiguration& configuration,
                        BodyContext& context) const = 0;
  virtual std::string description() const;

  // The label as it is, never highlighted.
  static std::shared_ptr<const ButtonStyle> plain();
  // The platform's default look: the accent colour, dimmed while pressed.
  static std::shared_ptr<const ButtonStyle> automatic();
};

// The style buttons below use; absent means automatic.
inline const EnvironmentKey<std::shared_ptr<const ButtonStyle>> buttonStyleKey{"buttonStyle",
                                                                               nullptr};

}  // namespace platform::ui
