#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input/InputViewController.h"

namespace platform {

// What a keyboard extension's bundle tells the platform: how to find it, the
// app group it shares with its containing app, and its principal class.
struct KeyboardExtensionInfo {
  // The extension's bundle identifier; the platform starts it by this name.
  std::string identifier;
  // The app group shared with the containing app; none when it has none.
  std::optional<std::string> appGroupIdentifier;
  // Makes the principal view controller, as the platform instantiates the
  // principal class each time it starts the extension.
  std::function<std::shared_ptr<InputViewController>()> makePrincipalController;
};

// The keyboard extensions installed on the (simulated) device. A product
// module installs its extension once, before a host starts it:
//
//   ExtensionRegistry::install({"app.example.keyboard", "group.app.example",
//                               [] { return std::make_shared<MyController>(); }});
//
// Process-wide, main thread only; the process reset uninstalls everything.
class ExtensionRegistry {
 public:
  // Installs `extension`, replacing one with the same identifier. Throws
  // platform::Error for an empty identifier or a missing factory.
  static void install(KeyboardExtensionInfo extension);
  static void uninstall(std::string_view identifier);
  // The extension installed under `identifier`, if any.
  static std::optional<KeyboardExtensionInfo> extension(std::string_view identifier);
  // The installed identifiers, in the order they were first installed.
  static std::vector<std::string> identifiers();
};

}  // namespace platform
