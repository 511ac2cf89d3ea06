#include "keyloom/layout/SystemKeyboardLayoutProvider.h"

#include <algorithm>

#include "keyloom/layout/KeyboardLayoutConfiguration.h"
#include "keyloom/state/KeyboardContext.h"

namespace keyloom {

SystemKeyboardLayoutProvider::SystemKeyboardLayoutProvider(std::shared_ptr<InputSetProvider> inputSetProvider)
    : inputSetProvider_(std::move(inputSetProvider)) {}

void SystemKeyboardLayoutProvider::setInputSetProvider(std::shared_ptr<InputSetProvider> inputSetProvider) {
  inputSetProvider_ = std::move(inputSetProvider);
}

void SystemKeyboardLayoutProvider::register_(std::shared_ptr<InputSetProvider> inputSetProvider) {
  setInputSetProvider(std::move(inputSetProvider));
}

std::shared_ptr<KeyboardLayout> SystemKeyboardLayoutProvider::keyboardLayout(const KeyboardContext& context) {
  const InputSetRows rows = inputRows(context);
  const KeyboardActionRows actionRows = actions(rows, context);
  return std::make_shared<KeyboardLayout>(items(actionRows, context));
}

KeyboardActionRows SystemKeyboardLayoutProvider::actions(const InputSetRows& rows,
                                                        const KeyboardContext& context) const {
  return keyboardActionRowsFromCharacters(actionCharacters(rows, context));
}

std::vector<std::vector<std::string>> SystemKeyboardLayoutProvider::actionCharacters(
    const InputSetRows& rows, const KeyboardContext& context) const {
  const KeyboardType& type = context.keyboardType.get();
  if (auto alphabetic = type.get<keyboard_type::Alphabetic>()) return characters(rows, alphabetic->casing);
  if (type.is<keyboard_type::Numeric>() || type.is<keyboard_type::Symbolic>()) {
    std::vector<std::vector<std::string>> result;
    result.reserve(rows.size());
    for (const auto& row : rows) {
      std::vector<std::string> texts;
      texts.reserve(row.size());
      for (const auto& item : row) texts.push_back(item.lowercased);
      result.push_back(std::move(texts));
    }
    return result;
  }
  return {};
}

InputSetRows SystemKeyboardLayoutProvider::inputRows(const KeyboardContext& context) const {
  const KeyboardType& type = context.keyboardType.get();
  if (!inputSetProvider_) return {};
  if (type.is<keyboard_type::Alphabetic>()) return inputSetProvider_->alphabeticInputSet().rows;
  if (type.is<keyboard_type::Numeric>()) return inputSetProvider_->numericInputSet().rows;
  if (type.is<keyboard_type::Symbolic>()) return inputSetProvider_->symbolicInputSet().rows;
  return {};
}

KeyboardLayoutItemRows SystemKeyboardLayoutProvider::items(const KeyboardActionRows& actions,
                                                          const KeyboardContext& context) const {
  KeyboardLayoutItemRows rows;
  rows.reserve(actions.size());
  for (std::size_t r = 0; r < actions.size(); ++r) {
    KeyboardLayoutItemRow row;
    row.reserve(actions[r].size());
    for (std::size_t i = 0; i < actions[r].size(); ++i) {
      row.push_back(item(actions[r][i], static_cast<int>(r), static_cast<int>(i), context));
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

KeyboardLayoutItem SystemKeyboardLayoutProvider::item(const KeyboardAction& action, int row, int index,
                                                      const KeyboardContext& context) const {
  KeyboardLayoutItemSize size = itemSize(action, row, index, context);
  platform::EdgeInsets insets = itemInsets(action, row, index, context);
  return KeyboardLayoutItem{action, std::move(size), insets};
}

platform::EdgeInsets SystemKeyboardLayoutProvider::itemInsets(const KeyboardAction& action, int /*row*/,
                                                             int /*index*/, const KeyboardContext& context) const {
  if (action.is<keyboard_action::CharacterMargin>() || action.is<keyboard_action::None>()) return {};
  return KeyboardLayoutConfiguration::standard(context).buttonInsets;
}

KeyboardLayoutItemSize SystemKeyboardLayoutProvider::itemSize(const KeyboardAction& action, int row, int index,
                                                             const KeyboardContext& context) const {
  KeyboardLayoutItemWidth width = itemSizeWidth(action, row, index, context);
  const double height = itemSizeHeight(action, row, index, context);
  return KeyboardLayoutItemSize{std::move(width), height};
}

double SystemKeyboardLayoutProvider::itemSizeHeight(const KeyboardAction& /*action*/, int /*row*/, int /*index*/,
                                                    const KeyboardContext& context) const {
  return KeyboardLayoutConfiguration::standard(context).rowHeight;
}

KeyboardLayoutItemWidth SystemKeyboardLayoutProvider::itemSizeWidth(const KeyboardAction& action, int /*row*/,
                                                                    int /*index*/,
                                                                    const KeyboardContext& /*context*/) const {
  if (action.isCharacterAction()) return KeyboardLayoutItemWidth::input();
  return KeyboardLayoutItemWidth::available();
}

KeyboardAction SystemKeyboardLayoutProvider::keyboardReturnAction(const KeyboardContext& context) const {
  const auto& proxy = context.textDocumentProxy.get();
  if (proxy) {
    if (auto type = proxy->returnKeyType()) return keyboardAction(*type);
  }
  return KeyboardAction::primary(KeyboardReturnKeyType::return_());
}

std::optional<KeyboardAction> SystemKeyboardLayoutProvider::keyboardSwitchActionForBottomInputRow(
    const KeyboardContext& context) const {
  const KeyboardType& type = context.keyboardType.get();
  if (auto alphabetic = type.get<keyboard_type::Alphabetic>()) return KeyboardAction::shift(alphabetic->casing);
  if (type.is<keyboard_type::Numeric>()) return KeyboardAction::keyboardType(KeyboardType::symbolic());
  if (type.is<keyboard_type::Symbolic>()) return KeyboardAction::keyboardType(KeyboardType::numeric());
  return std::nullopt;
}

std::optional<KeyboardAction> SystemKeyboardLayoutProvider::keyboardSwitchActionForBottomRow(
    const KeyboardContext& context) const {
  const KeyboardType& type = context.keyboardType.get();
  if (type.is<keyboard_type::Alphabetic>()) return KeyboardAction::keyboardType(KeyboardType::numeric());
  if (type.is<keyboard_type::Numeric>() || type.is<keyboard_type::Symbolic>()) {
    return KeyboardAction::keyboardType(KeyboardType::alphabetic(KeyboardCase::auto_));
  }
  return std::nullopt;
}

std::vector<int> SystemKeyboardLayoutProvider::alphabeticInputCount() const {
  std::vector<int> counts;
  if (!inputSetProvider_) return counts;
  for (const auto& row : inputSetProvider_->alphabeticInputSet().rows) counts.push_back(static_cast<int>(row.size()));
  return counts;
}

bool SystemKeyboardLayoutProvider::hasAlphabeticInputCount(const std::vector<int>& counts) const {
  std::vector<int> actual = alphabeticInputCount();
  if (actual.size() > counts.size()) actual.resize(counts.size());
  return actual == counts;
}

bool SystemKeyboardLayoutProvider::isAlphabeticWithInputCount(const KeyboardContext& context,
                                                              const std::vector<int>& counts) const {
  if (!context.keyboardType->isAlphabetic()) return false;
  return hasAlphabeticInputCount(counts);
}

}  // namespace keyloom
