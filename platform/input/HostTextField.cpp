#include "platform/input/HostTextField.h"

namespace platform {

HostTextField::HostTextField(std::string text, TextInputTraits traits) {
  setText(std::move(text));
  setTraits(std::move(traits));
  becomeFirstResponder();
}

}  // namespace platform
