#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "keyloom/layout/InputSetItem.h"
#include "keyloom/layout/KeyboardLayout.h"
#include "keyloom/layout/KeyboardLayoutProvider.h"
#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardActions.h"

namespace keyloom {

// Turns the input set of the current keyboard type into a layout: input rows,
// then action rows, then sized items, then the layout. Every step is virtual,
// so the phone and pad providers change only the steps that differ. On its
// own it gives rows of input keys only, without system keys or a bottom row.
// Nothing is cached: every layout is built from the context of the moment.
class SystemKeyboardLayoutProvider : public virtual KeyboardLayoutProvider {
 public:
  explicit SystemKeyboardLayoutProvider(std::shared_ptr<InputSetProvider> inputSetProvider);

  const std::shared_ptr<InputSetProvider>& inputSetProvider() const { return inputSetProvider_; }
  virtual void setInputSetProvider(std::shared_ptr<InputSetProvider> inputSetProvider);

  std::shared_ptr<KeyboardLayout> keyboardLayout(const KeyboardContext& context) override;
  // The next layout is built from the new provider's input sets.
  void register_(std::shared_ptr<InputSetProvider> inputSetProvider) override;

  // The pipeline, in the order the layout is built.
  virtual KeyboardActionRows actions(const InputSetRows& rows, const KeyboardContext& context) const;
  // Alphabetic rows in the keyboard's casing; numeric and symbolic rows in
  // their lower-cased text; no rows for any other keyboard type.
  virtual std::vector<std::vector<std::string>> actionCharacters(const InputSetRows& rows,
                                                                 const KeyboardContext& context) const;
  virtual InputSetRows inputRows(const KeyboardContext& context) const;
  virtual KeyboardLayoutItemRows items(const KeyboardActionRows& actions, const KeyboardContext& context) const;
  virtual KeyboardLayoutItem item(const KeyboardAction& action, int row, int index,
                                  const KeyboardContext& context) const;
  virtual platform::EdgeInsets itemInsets(const KeyboardAction& action, int row, int index,
                                          const KeyboardContext& context) const;
  virtual KeyboardLayoutItemSize itemSize(const KeyboardAction& action, int row, int index,
                                          const KeyboardContext& context) const;
  virtual double itemSizeHeight(const KeyboardAction& action, int row, int index,
                                const KeyboardContext& context) const;
  virtual KeyboardLayoutItemWidth itemSizeWidth(const KeyboardAction& action, int row, int index,
                                                const KeyboardContext& context) const;
  // The return key of the host field: `primary` of its return key type, or
  // `primary(return)` when the field does not say.
  virtual KeyboardAction keyboardReturnAction(const KeyboardContext& context) const;
  // The key at the end of the lowest input row: shift on letters, the other
  // of numeric and symbolic on those; absent on other keyboards.
  virtual std::optional<KeyboardAction> keyboardSwitchActionForBottomInputRow(const KeyboardContext& context) const;
  // The key of the bottom row that leaves the current keyboard type.
  virtual std::optional<KeyboardAction> keyboardSwitchActionForBottomRow(const KeyboardContext& context) const;

  // The number of keys in each alphabetic row, top row first.
  std::vector<int> alphabeticInputCount() const;
  // Whether the alphabetic rows start with exactly these counts.
  bool hasAlphabeticInputCount(const std::vector<int>& counts) const;
  // The same, and the context shows an alphabetic keyboard.
  bool isAlphabeticWithInputCount(const KeyboardContext& context, const std::vector<int>& counts) const;

 private:
  std::shared_ptr<InputSetProvider> inputSetProvider_;
};

}  // namespace keyloom
