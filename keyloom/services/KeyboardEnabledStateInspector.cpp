#include "keyloom/services/KeyboardEnabledStateInspector.h"

#include <algorithm>
#include <memory>

#include "platform/input/InputViewController.h"
#include "platform/input/TextInputMode.h"

namespace keyloom {

namespace {

// The system's own defaults key for the keyboards the user added.
const char* const enabledKeyboardsKey = "AppleKeyboards";

// An input view controller with nothing of its own, made only to ask the
// platform about full access.
class FullAccessInspector : public platform::InputViewController {};

}  // namespace

bool keyboardIdentifierMatches(std::string_view identifier, std::string_view bundleId) {
  if (!bundleId.ends_with('*')) return identifier == bundleId;
  std::string prefix;
  std::copy_if(bundleId.begin(), bundleId.end(), std::back_inserter(prefix), [](char c) { return c != '*'; });
  return identifier.starts_with(prefix);
}

std::vector<std::string> KeyboardEnabledStateInspector::activeKeyboardBundleIds() const {
  std::vector<std::string> ids;
  for (const auto& mode : platform::TextInputMode::activeInputModes()) {
    if (mode.properties.integer("isDisplayed") != 1) continue;
    if (auto identifier = mode.properties.string("identifier")) ids.push_back(*identifier);
  }
  return ids;
}

std::vector<std::string> KeyboardEnabledStateInspector::enabledKeyboardBundleIds(
    const platform::UserDefaults& defaults) const {
  return defaults.stringArray(enabledKeyboardsKey).value_or(std::vector<std::string>{});
}

bool KeyboardEnabledStateInspector::isKeyboardActive(std::string_view withBundleId) const {
  auto ids = activeKeyboardBundleIds();
  return !ids.empty() && keyboardIdentifierMatches(ids.front(), withBundleId);
}

bool KeyboardEnabledStateInspector::isKeyboardEnabled(std::string_view withBundleId,
                                                      const platform::UserDefaults& defaults) const {
  auto ids = enabledKeyboardBundleIds(defaults);
  return std::any_of(ids.begin(), ids.end(),
                     [&](const std::string& id) { return keyboardIdentifierMatches(id, withBundleId); });
}

bool KeyboardEnabledStateInspector::isFullAccessEnabled() const {
  auto inspector = std::make_shared<FullAccessInspector>();
  return inspector->hasFullAccess();
}

}  // namespace keyloom
