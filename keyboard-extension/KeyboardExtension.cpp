#include "keyboard-extension/KeyboardExtension.h"

#include <memory>
#include <string>

#include "keyboard-extension/KeyboardViewController.h"
#include "keyboard-extension/ProductConfiguration.h"
#include "platform/input/ExtensionRegistry.h"

namespace zandorelle {

void installKeyboardExtension() {
  platform::ExtensionRegistry::install({std::string(keyboardExtensionIdentifier), std::string(appGroupIdentifier),
                                        [] { return std::make_shared<KeyboardViewController>(); }});
}

}  // namespace zandorelle
