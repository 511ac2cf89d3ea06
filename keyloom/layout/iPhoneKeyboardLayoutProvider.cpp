#include "keyloom/layout/iPhoneKeyboardLayoutProvider.h"

#include "keyloom/layout/KeyboardLayoutRows.h"
#include "keyloom/state/KeyboardContext.h"

namespace keyloom {

KeyboardActionRows iPhoneKeyboardLayoutProvider::actions(const InputSetRows& rows,
                                                        const KeyboardContext& context) const {
  KeyboardActionRows chars = keyboardActionRowsFromCharacters(actionCharacters(rows, context));
  if (chars.size() != 3) return chars;
  KeyboardActionRows result;
  result.reserve(4);
  result.push_back(joinedRow(topLeadingActions(chars, context), chars[0], topTrailingActions(chars, context)));
  result.push_back(joinedRow(middleLeadingActions(chars, context), chars[1], middleTrailingActions(chars, context)));
  result.push_back(joinedRow(lowerLeadingActions(chars, context), chars[2], lowerTrailingActions(chars, context)));
  result.push_back(bottomActions(context));
  return result;
}

KeyboardActions iPhoneKeyboardLayoutProvider::topLeadingActions(const KeyboardActionRows& chars,
                                                               const KeyboardContext& context) const {
  if (!shouldAddUpperMarginActions(chars, context)) return {};
  return {leadingCharacterMarginAction(chars[0])};
}

KeyboardActions iPhoneKeyboardLayoutProvider::topTrailingActions(const KeyboardActionRows& chars,
                                                                const KeyboardContext& context) const {
  if (!shouldAddUpperMarginActions(chars, context)) return {};
  return {trailingCharacterMarginAction(chars[0])};
}

KeyboardActions iPhoneKeyboardLayoutProvider::middleLeadingActions(const KeyboardActionRows& chars,
                                                                  const KeyboardContext& context) const {
  if (!shouldAddMiddleMarginActions(chars, context)) return {};
  return {leadingCharacterMarginAction(chars[1])};
}

KeyboardActions iPhoneKeyboardLayoutProvider::middleTrailingActions(const KeyboardActionRows& chars,
                                                                   const KeyboardContext& context) const {
  if (!shouldAddMiddleMarginActions(chars, context)) return {};
  return {trailingCharacterMarginAction(chars[1])};
}

KeyboardActions iPhoneKeyboardLayoutProvider::lowerLeadingActions(const KeyboardActionRows& chars,
                                                                 const KeyboardContext& context) const {
  if (chars.size() != 3) return {};
  // Without a switch key the margin goes too, so the row does not start with a gap.
  auto switchAction = keyboardSwitchActionForBottomInputRow(context);
  if (!switchAction) return {};
  return {*switchAction, leadingCharacterMarginAction(chars[2])};
}

KeyboardActions iPhoneKeyboardLayoutProvider::lowerTrailingActions(const KeyboardActionRows& chars,
                                                                  const KeyboardContext& /*context*/) const {
  if (chars.size() != 3) return {};
  return {trailingCharacterMarginAction(chars[2]), KeyboardAction::backspace()};
}

bool iPhoneKeyboardLayoutProvider::shouldAddMiddleMarginActions(const KeyboardActionRows& chars,
                                                               const KeyboardContext& /*context*/) const {
  return chars.size() == 3 && chars[1].size() < chars[0].size();
}

bool iPhoneKeyboardLayoutProvider::shouldAddUpperMarginActions(const KeyboardActionRows& /*chars*/,
                                                              const KeyboardContext& /*context*/) const {
  return false;
}

KeyboardActions iPhoneKeyboardLayoutProvider::bottomActions(const KeyboardContext& context) const {
  KeyboardActions result;
  const bool portrait = isPortrait(context.interfaceOrientation.get());
  const bool needsSwitchKey = context.needsInputModeSwitchKey.get();
  const auto& dictation = context.keyboardDictationReplacement.get();
  if (auto switchAction = keyboardSwitchActionForBottomRow(context)) result.push_back(*switchAction);
  result.push_back(needsSwitchKey ? KeyboardAction::nextKeyboard()
                                  : KeyboardAction::keyboardType(KeyboardType::emojis()));
  if (portrait && needsSwitchKey && dictation) result.push_back(*dictation);
  result.push_back(KeyboardAction::space());
  const HostFieldTraits traits = hostFieldTraits(context);
  if (traits.keyboardType == platform::KeyboardType::emailAddress) {
    result.push_back(KeyboardAction::character("@"));
    result.push_back(KeyboardAction::character("."));
  }
  if (traits.returnKeyType == platform::ReturnKeyType::go) result.push_back(KeyboardAction::character("."));
  result.push_back(keyboardReturnAction(context));
  if (!portrait && needsSwitchKey && dictation) result.push_back(*dictation);
  return result;
}

KeyboardLayoutItemWidth iPhoneKeyboardLayoutProvider::itemSizeWidth(const KeyboardAction& action, int row,
                                                                    int /*index*/,
                                                                    const KeyboardContext& context) const {
  const auto& dictation = context.keyboardDictationReplacement.get();
  if (dictation && action == *dictation) return bottomSystemButtonWidth(context);
  if (action.isCharacterAction()) {
    const KeyboardType& type = context.keyboardType.get();
    const bool numericOrSymbolic = type.is<keyboard_type::Numeric>() || type.is<keyboard_type::Symbolic>();
    return row == 2 && numericOrSymbolic ? KeyboardLayoutItemWidth::percentage(0.14)
                                         : KeyboardLayoutItemWidth::input();
  }
  if (action.is<keyboard_action::KeyboardType>() || action.is<keyboard_action::NextKeyboard>()) {
    return bottomSystemButtonWidth(context);
  }
  if (action.isPrimaryAction()) {
    return KeyboardLayoutItemWidth::percentage(isPortrait(context.interfaceOrientation.get()) ? 0.25 : 0.195);
  }
  if (action.isShiftAction() || action.is<keyboard_action::Backspace>()) return lowerSystemButtonWidth(context);
  return KeyboardLayoutItemWidth::available();
}

KeyboardLayoutItemWidth iPhoneKeyboardLayoutProvider::bottomSystemButtonWidth(const KeyboardContext& context) const {
  return KeyboardLayoutItemWidth::percentage(isPortrait(context.interfaceOrientation.get()) ? 0.123 : 0.095);
}

KeyboardLayoutItemWidth iPhoneKeyboardLayoutProvider::lowerSystemButtonWidth(const KeyboardContext& context) const {
  // The Ukrainian lowest row holds more letters, so shift and backspace shrink to one key.
  if (context.locale->identifier() == "uk" && context.keyboardType->isAlphabetic()) {
    return KeyboardLayoutItemWidth::input();
  }
  return KeyboardLayoutItemWidth::percentage(0.13);
}

}  // namespace keyloom
