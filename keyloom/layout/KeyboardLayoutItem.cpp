#include "keyloom/layout/KeyboardLayoutItem.h"

namespace keyloom {

std::ostream& operator<<(std::ostream& out, const KeyboardLayoutItem& item) {
  const auto& i = item.insets;
  return out << "{" << item.action << ", " << item.size << ", insets {" << i.top << ", " << i.leading << ", "
             << i.bottom << ", " << i.trailing << "}}";
}

}  // namespace keyloom
