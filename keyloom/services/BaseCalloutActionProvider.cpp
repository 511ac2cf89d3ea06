#include "keyloom/services/BaseCalloutActionProvider.h"

#include "platform/foundation/Text.h"

namespace keyloom {

std::vector<KeyboardAction> BaseCalloutActionProvider::calloutActions(const KeyboardAction& action) {
  if (const auto* character = action.get<keyboard_action::Character>()) return calloutActions(character->text);
  return {};
}

std::vector<KeyboardAction> BaseCalloutActionProvider::calloutActions(const std::string& character) {
  const std::string lower = platform::text::lowercased(character);
  std::string alternatives = calloutActionString(lower);
  const bool isUppercase = character == platform::text::uppercased(character) && character != lower;
  if (isUppercase) alternatives = platform::text::uppercased(alternatives);
  std::vector<KeyboardAction> actions;
  for (auto& cluster : platform::text::graphemes(alternatives)) actions.push_back(KeyboardAction::character(cluster));
  return actions;
}

std::string BaseCalloutActionProvider::calloutActionString(const std::string&) { return ""; }

}  // namespace keyloom
