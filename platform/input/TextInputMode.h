#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/input/PropertyBag.h"

namespace platform {

// One keyboard (input mode) of the system. Two modes are equal when they have
// the same language and the same properties.
struct TextInputMode {
  // BCP 47 tag such as "en-US"; "dictation" for the dictation mode; absent
  // when the mode has no language.
  std::optional<std::string> primaryLanguage;
  // Further properties read by key ("identifier", "isDisplayed").
  PropertyBag properties;

  bool operator==(const TextInputMode&) const = default;

  // The input modes the user has enabled, in the system's order. Settable by a
  // host or a test; empty until set, and emptied by the process reset.
  static const std::vector<TextInputMode>& activeInputModes();
  static void setActiveInputModes(std::vector<TextInputMode> modes);

  // Posted on NotificationCenter::defaultCenter() when the current input mode
  // changes.
  static const char* const currentInputModeDidChangeNotification;
};

}  // namespace platform
