#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "keyloom/layout/KeyboardLayoutItem.h"
#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardType.h"
#include "platform/foundation/Geometry.h"

namespace keyloom {

using KeyboardLayoutItemRow = std::vector<KeyboardLayoutItem>;
using KeyboardLayoutItemRows = std::vector<KeyboardLayoutItemRow>;

// What the system keyboard view draws: rows of sized keys, top row first,
// left to right. Shared by reference (std::shared_ptr) between the provider
// that builds it and the view that draws it.
class KeyboardLayout {
 public:
  // An absent height or insets is taken from the first item of the rows (the
  // first item of the first non-empty row), else 0 and zero insets.
  explicit KeyboardLayout(KeyboardLayoutItemRows itemRows, std::optional<double> idealItemHeight = std::nullopt,
                          std::optional<platform::EdgeInsets> idealItemInsets = std::nullopt);
  virtual ~KeyboardLayout() = default;

  // A new English layout for a new preview context on every call.
  static std::shared_ptr<KeyboardLayout> preview();

  const KeyboardLayoutItemRows& itemRows() const { return itemRows_; }
  // Replacing or editing the rows forgets every input width computed so far.
  void setItemRows(KeyboardLayoutItemRows itemRows);
  void editItemRows(const std::function<void(KeyboardLayoutItemRows&)>& edit);

  double idealItemHeight() const { return idealItemHeight_; }
  void setIdealItemHeight(double height) { idealItemHeight_ = height; }
  const platform::EdgeInsets& idealItemInsets() const { return idealItemInsets_; }
  void setIdealItemInsets(platform::EdgeInsets insets) { idealItemInsets_ = insets; }

  // The index of the last row; -1 without rows.
  int bottomRowIndex() const;
  // The system keys of the last row, in order.
  std::vector<KeyboardLayoutItem> bottomRowSystemItems() const;
  // Whether the last row has a key to the emoji keyboard. The keyboard type
  // given takes no part in the answer.
  bool hasKeyboardSwitcher(const KeyboardType& type) const;
  // A key for `action` sized and inset like the first system key of the last
  // row; absent when that row has no system key.
  std::optional<KeyboardLayoutItem> tryCreateBottomRowItem(const KeyboardAction& action) const;

  // The width of one input key when the rows are laid out across
  // `totalWidth` points: the narrowest of the rows that hold an `input` key,
  // each row giving what its fixed-width keys leave over divided among its
  // input units; 0 when no row holds an `input` key. Remembered per width.
  //
  // The system keyboard computes it from its whole width, while it lays the
  // rows out in that width less the appearance's edge insets. A row whose
  // fixed-width keys are then wider than that space is centred on it: it
  // overflows both edge insets by the same amount, never only the trailing
  // one.
  double inputWidth(double totalWidth) const;

 private:
  KeyboardLayoutItemRows itemRows_;
  double idealItemHeight_ = 0;
  platform::EdgeInsets idealItemInsets_;
  // Keys compare with <, so 0 and -0 share one entry.
  mutable std::map<double, double> widthCache_;
};

}  // namespace keyloom
