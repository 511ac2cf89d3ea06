#pragma once

#include <ostream>

#include "keyloom/layout/KeyboardLayoutItemSize.h"
#include "keyloom/state/KeyboardAction.h"
#include "platform/foundation/Geometry.h"

namespace keyloom {

// One key of a layout row: what it does, how big it is, and the space between
// its visible button and the edge of its frame.
struct KeyboardLayoutItem {
  KeyboardAction action = KeyboardAction::none();
  KeyboardLayoutItemSize size;
  platform::EdgeInsets insets;

  // Two items stand for the same key when their actions are equal.
  const KeyboardAction& rowId() const { return action; }

  bool operator==(const KeyboardLayoutItem&) const = default;
};

std::ostream& operator<<(std::ostream& out, const KeyboardLayoutItem& item);

}  // namespace keyloom
