#include "platform/input/TextInputMode.h"

#include "platform/foundation/ProcessState.h"

namespace platform {

namespace {

std::vector<TextInputMode>& activeModesStorage() {
  static std::vector<TextInputMode> modes;
  static const bool registered = [] {
    registerProcessReset([] { modes.clear(); });
    return true;
  }();
  (void)registered;
  return modes;
}

}  // namespace

const char* const TextInputMode::currentInputModeDidChangeNotification = "TextInputCurrentInputModeDidChange";

const std::vector<TextInputMode>& TextInputMode::activeInputModes() { return activeModesStorage(); }

void TextInputMode::setActiveInputModes(std::vector<TextInputMode> modes) { activeModesStorage() = std::move(modes); }

}  // namespace platform
