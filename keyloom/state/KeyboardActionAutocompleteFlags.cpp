#include "keyloom/state/KeyboardActionAutocompleteFlags.h"

#include "keyloom/text/KeyboardCharacters.h"

namespace keyloom {

namespace {

bool isWordDelimiterCharacter(const KeyboardAction& action) {
  const auto* character = action.get<keyboard_action::Character>();
  return character && isWordDelimiter(character->text);
}

}  // namespace

bool shouldApplyAutocompleteSuggestion(const KeyboardAction& action) {
  if (action.is<keyboard_action::Space>()) return true;
  if (const auto* primary = action.get<keyboard_action::Primary>())
    return primary->returnKeyType.isSystemAction();
  return isWordDelimiterCharacter(action);
}

bool shouldRemoveAutocompleteInsertedSpace(const KeyboardAction& action) {
  return isWordDelimiterCharacter(action);
}

bool shouldReinsertAutocompleteInsertedSpace(const KeyboardAction& action) {
  return shouldRemoveAutocompleteInsertedSpace(action);
}

}  // namespace keyloom
