#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "keyloom/state/KeyboardAction.h"

namespace keyloom {

using KeyboardActions = std::vector<KeyboardAction>;
using KeyboardActionRows = std::vector<KeyboardActions>;

// One character action per string, in order.
KeyboardActions keyboardActionsFromCharacters(const std::vector<std::string>& characters);
// One row of character actions per row of strings; empty rows stay empty.
KeyboardActionRows keyboardActionRowsFromCharacters(
    const std::vector<std::vector<std::string>>& characterRows);

// One image action per name n, in order: the key shows the asset
// keyboardImageNamePrefix + n + keyboardImageNameSuffix, and its description is
// the main bundle's localized text for localizationKeyPrefix + n +
// localizationKeySuffix (the key itself when the bundle has no such text).
KeyboardActions keyboardActionsFromImageNames(const std::vector<std::string>& imageNames,
                                              std::string_view keyboardImageNamePrefix = "",
                                              std::string_view keyboardImageNameSuffix = "",
                                              std::string_view localizationKeyPrefix = "",
                                              std::string_view localizationKeySuffix = "");

// The list padded at its end with `none` actions up to a multiple of
// `gridSize`. A grid size below 1 leaves the list unchanged.
KeyboardActions evened(KeyboardActions actions, int gridSize);

// The margin key beside a character key types that character; beside anything
// else (or nothing) it is an inert gap.
KeyboardAction characterMarginAction(const std::optional<KeyboardAction>& action);
// The margin for the row's first input action. Only a character there gives a
// margin that types: a row starting with space, emoji or image gets `none`.
KeyboardAction leadingCharacterMarginAction(const KeyboardActions& actions);
// The same for the row's last input action.
KeyboardAction trailingCharacterMarginAction(const KeyboardActions& actions);

}  // namespace keyloom
