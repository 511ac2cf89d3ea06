#include "keyloom/layout/iPadKeyboardLayoutProvider.h"

#include "keyloom/layout/KeyboardLayoutRows.h"
#include "keyloom/state/KeyboardContext.h"

namespace keyloom {

KeyboardActionRows iPadKeyboardLayoutProvider::actions(const InputSetRows& rows,
                                                      const KeyboardContext& context) const {
  KeyboardActionRows chars = keyboardActionRowsFromCharacters(actionCharacters(rows, context));
  if (chars.size() != 3) return chars;
  KeyboardActionRows result;
  result.reserve(4);
  result.push_back(joinedRow(topLeadingActions(context), chars[0], topTrailingActions(context)));
  result.push_back(joinedRow(middleLeadingActions(context), chars[1], middleTrailingActions(context)));
  result.push_back(joinedRow(lowerLeadingActions(context), chars[2], lowerTrailingActions(context)));
  result.push_back(bottomActions(context));
  return result;
}

KeyboardActions iPadKeyboardLayoutProvider::topLeadingActions(const KeyboardContext& /*context*/) const {
  return {};
}

KeyboardActions iPadKeyboardLayoutProvider::topTrailingActions(const KeyboardContext& /*context*/) const {
  return {KeyboardAction::backspace()};
}

KeyboardActions iPadKeyboardLayoutProvider::middleLeadingActions(const KeyboardContext& /*context*/) const {
  return {KeyboardAction::none()};
}

KeyboardActions iPadKeyboardLayoutProvider::middleTrailingActions(const KeyboardContext& context) const {
  return {keyboardReturnAction(context)};
}

KeyboardActions iPadKeyboardLayoutProvider::lowerLeadingActions(const KeyboardContext& context) const {
  if (auto switchAction = keyboardSwitchActionForBottomInputRow(context)) return {*switchAction};
  return {};
}

KeyboardActions iPadKeyboardLayoutProvider::lowerTrailingActions(const KeyboardContext& context) const {
  return lowerLeadingActions(context);
}

KeyboardActions iPadKeyboardLayoutProvider::bottomActions(const KeyboardContext& context) const {
  KeyboardActions result;
  const auto switchAction = keyboardSwitchActionForBottomRow(context);
  const auto& dictation = context.keyboardDictationReplacement.get();
  if (switchAction) result.push_back(*switchAction);
  result.push_back(KeyboardAction::nextKeyboard());
  if (context.needsInputModeSwitchKey.get() && dictation) result.push_back(*dictation);
  result.push_back(KeyboardAction::space());
  if (switchAction) result.push_back(*switchAction);
  result.push_back(KeyboardAction::dismissKeyboard());
  return result;
}

KeyboardAction iPadKeyboardLayoutProvider::keyboardReturnAction(const KeyboardContext& context) const {
  KeyboardAction action = SystemKeyboardLayoutProvider::keyboardReturnAction(context);
  if (action == KeyboardAction::primary(KeyboardReturnKeyType::return_())) {
    return KeyboardAction::primary(KeyboardReturnKeyType::newLine());
  }
  return action;
}

KeyboardLayoutItemWidth iPadKeyboardLayoutProvider::itemSizeWidth(const KeyboardAction& action, int row, int index,
                                                                  const KeyboardContext& context) const {
  // The trailing switch key of the lowest row fills what the row leaves.
  const bool isSwitch = action.isShiftAction() || action.is<keyboard_action::KeyboardType>();
  if (isSwitch && row == 2 && index > 0) return KeyboardLayoutItemWidth::available();
  const auto& dictation = context.keyboardDictationReplacement.get();
  if (dictation && action == *dictation) return KeyboardLayoutItemWidth::input();
  if (action.isPrimaryAction()) return KeyboardLayoutItemWidth::available();
  if (action.is<keyboard_action::None>()) return KeyboardLayoutItemWidth::inputPercentage(0.4);
  if (action.isSystemAction()) return systemButtonWidth(context);
  if (action.isCharacterAction()) return KeyboardLayoutItemWidth::input();
  return KeyboardLayoutItemWidth::available();
}

KeyboardLayoutItemWidth iPadKeyboardLayoutProvider::systemButtonWidth(const KeyboardContext& /*context*/) const {
  return KeyboardLayoutItemWidth::input();
}

}  // namespace keyloom
