#pragma once

#include "keyloom/layout/SystemKeyboardLayoutProvider.h"

namespace keyloom {

// The phone keyboard: shift, margins and backspace around the lowest input
// row, a margin at both ends of a middle row that is shorter than the top row,
// and a bottom row of keyboard switches, space and return. Only input sets of
// exactly three rows get edges and a bottom row.
class iPhoneKeyboardLayoutProvider : public SystemKeyboardLayoutProvider {
 public:
  using SystemKeyboardLayoutProvider::SystemKeyboardLayoutProvider;

  KeyboardActionRows actions(const InputSetRows& rows, const KeyboardContext& context) const override;
  KeyboardLayoutItemWidth itemSizeWidth(const KeyboardAction& action, int row, int index,
                                        const KeyboardContext& context) const override;

  // The edges of the three input rows; `chars` are the character rows.
  virtual KeyboardActions topLeadingActions(const KeyboardActionRows& chars, const KeyboardContext& context) const;
  virtual KeyboardActions topTrailingActions(const KeyboardActionRows& chars, const KeyboardContext& context) const;
  virtual KeyboardActions middleLeadingActions(const KeyboardActionRows& chars,
                                               const KeyboardContext& context) const;
  virtual KeyboardActions middleTrailingActions(const KeyboardActionRows& chars,
                                                const KeyboardContext& context) const;
  virtual KeyboardActions lowerLeadingActions(const KeyboardActionRows& chars,
                                              const KeyboardContext& context) const;
  virtual KeyboardActions lowerTrailingActions(const KeyboardActionRows& chars,
                                               const KeyboardContext& context) const;
  // Shift and backspace.
  virtual KeyboardLayoutItemWidth lowerSystemButtonWidth(const KeyboardContext& context) const;
  virtual KeyboardActions bottomActions(const KeyboardContext& context) const;
  // The keyboard switches and the dictation replacement of the bottom row.
  virtual KeyboardLayoutItemWidth bottomSystemButtonWidth(const KeyboardContext& context) const;
  virtual bool shouldAddMiddleMarginActions(const KeyboardActionRows& chars, const KeyboardContext& context) const;
  virtual bool shouldAddUpperMarginActions(const KeyboardActionRows& chars, const KeyboardContext& context) const;
};

}  // namespace keyloom
