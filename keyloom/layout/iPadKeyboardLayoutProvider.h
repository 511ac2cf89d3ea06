#pragma once

#include "keyloom/layout/SystemKeyboardLayoutProvider.h"

namespace keyloom {

// The pad keyboard: backspace at the end of the top row, a gap and the return
// key around the middle row, the switch key (shift on letters) at both ends of
// the lowest row, and a bottom row with next-keyboard, space and dismiss keys.
// Only input sets of exactly three rows get edges and a bottom row.
class iPadKeyboardLayoutProvider : public SystemKeyboardLayoutProvider {
 public:
  using SystemKeyboardLayoutProvider::SystemKeyboardLayoutProvider;

  KeyboardActionRows actions(const InputSetRows& rows, const KeyboardContext& context) const override;
  KeyboardLayoutItemWidth itemSizeWidth(const KeyboardAction& action, int row, int index,
                                        const KeyboardContext& context) const override;
  // A plain return key becomes a new-line key; any other is kept.
  KeyboardAction keyboardReturnAction(const KeyboardContext& context) const override;

  virtual KeyboardLayoutItemWidth systemButtonWidth(const KeyboardContext& context) const;
  virtual KeyboardActions topLeadingActions(const KeyboardContext& context) const;
  virtual KeyboardActions topTrailingActions(const KeyboardContext& context) const;
  virtual KeyboardActions middleLeadingActions(const KeyboardContext& context) const;
  virtual KeyboardActions middleTrailingActions(const KeyboardContext& context) const;
  virtual KeyboardActions lowerLeadingActions(const KeyboardContext& context) const;
  virtual KeyboardActions lowerTrailingActions(const KeyboardContext& context) const;
  virtual KeyboardActions bottomActions(const KeyboardContext& context) const;
};

}  // namespace keyloom
