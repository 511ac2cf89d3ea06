#include "keyloom/state/KeyboardActions.h"

#include <algorithm>

#include "platform/foundation/Bundle.h"

namespace keyloom {

KeyboardActions keyboardActionsFromCharacters(const std::vector<std::string>& characters) {
  KeyboardActions actions;
  actions.reserve(characters.size());
  for (const auto& character : characters) actions.push_back(KeyboardAction::character(character));
  return actions;
}

KeyboardActionRows keyboardActionRowsFromCharacters(
    const std::vector<std::vector<std::string>>& characterRows) {
  KeyboardActionRows rows;
  rows.reserve(characterRows.size());
  for (const auto& row : characterRows) rows.push_back(keyboardActionsFromCharacters(row));
  return rows;
}

KeyboardActions keyboardActionsFromImageNames(const std::vector<std::string>& imageNames,
                                              std::string_view keyboardImageNamePrefix,
                                              std::string_view keyboardImageNameSuffix,
                                              std::string_view localizationKeyPrefix,
                                              std::string_view localizationKeySuffix) {
  const auto& bundle = platform::Bundle::main();
  KeyboardActions actions;
  actions.reserve(imageNames.size());
  for (const auto& name : imageNames) {
    const std::string key = std::string(localizationKeyPrefix) + name + std::string(localizationKeySuffix);
    const std::string keyboardImageName =
        std::string(keyboardImageNamePrefix) + name + std::string(keyboardImageNameSuffix);
    actions.push_back(KeyboardAction::image(bundle.localizedString(key), keyboardImageName, name));
  }
  return actions;
}

KeyboardActions evened(KeyboardActions actions, int gridSize) {
  if (gridSize < 1) return actions;
  const auto grid = static_cast<std::size_t>(gridSize);
  const std::size_t missing = (grid - actions.size() % grid) % grid;
  actions.insert(actions.end(), missing, KeyboardAction::none());
  return actions;
}

KeyboardAction characterMarginAction(const std::optional<KeyboardAction>& action) {
  if (action) {
    if (auto character = action->get<keyboard_action::Character>()) {
      return KeyboardAction::characterMargin(character->text);
    }
  }
  return KeyboardAction::none();
}

namespace {

bool isInput(const KeyboardAction& action) { return action.isInputAction(); }

template <class Iterator>
std::optional<KeyboardAction> firstInputAction(Iterator begin, Iterator end) {
  auto found = std::find_if(begin, end, isInput);
  if (found == end) return std::nullopt;
  return *found;
}

}  // namespace

KeyboardAction leadingCharacterMarginAction(const KeyboardActions& actions) {
  return characterMarginAction(firstInputAction(actions.begin(), actions.end()));
}

KeyboardAction trailingCharacterMarginAction(const KeyboardActions& actions) {
  return characterMarginAction(firstInputAction(actions.rbegin(), actions.rend()));
}

}  // namespace keyloom
