#pragma once

#include <string>

#include "platform/input/InputTraits.h"
#include "platform/input/TextInput.h"

namespace platform {

// The text field of the simulated host application that the keyboard types
// into. It is being edited from the start (first responder, caret at the end
// of its text).
class HostTextField : public TextInput {
 public:
  explicit HostTextField(std::string text = "", TextInputTraits traits = {});
};

}  // namespace platform
