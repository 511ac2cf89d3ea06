#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/UserDefaults.h"

namespace keyloom {

// Whether `identifier` is the keyboard named by `bundleId`. A bundle id that
// ends with "*" is a prefix pattern: all its stars are dropped and the
// identifier must begin with what remains. Otherwise the two must be equal.
bool keyboardIdentifierMatches(std::string_view identifier, std::string_view bundleId);

// Lookups of the keyboards the user has enabled and the one that is shown.
// Any type may inherit them; nothing needs overriding.
class KeyboardEnabledStateInspector {
 public:
  virtual ~KeyboardEnabledStateInspector() = default;

  // Identifiers of the displayed active input modes, in the system's order.
  // A mode without an integer "isDisplayed" of 1, or without a string
  // "identifier", is skipped.
  std::vector<std::string> activeKeyboardBundleIds() const;

  // The system's list of enabled keyboards in `defaults`; empty unless it is
  // an array of strings.
  std::vector<std::string> enabledKeyboardBundleIds(const platform::UserDefaults& defaults) const;

  // Only the first displayed input mode is the one being shown.
  bool isKeyboardActive(std::string_view withBundleId) const;
  bool isKeyboardEnabled(std::string_view withBundleId, const platform::UserDefaults& defaults) const;

  // Asked of a fresh input view controller on every call.
  bool isFullAccessEnabled() const;
};

}  // namespace keyloom
