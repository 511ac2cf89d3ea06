#pragma once

#include <optional>
#include <ostream>
#include <string_view>
#include <variant>

#include "keyloom/core/CaseValue.h"

namespace keyloom {

// The cases of KeyboardLayoutItemWidth, in declaration order.
namespace keyboard_layout_item_width {
// A fraction of one input key's width.
struct InputPercentage {
  static constexpr std::string_view name = "inputPercentage";
  double fraction = 0;
  bool operator==(const InputPercentage&) const = default;
};
// A fraction of the whole keyboard's width.
struct Percentage {
  static constexpr std::string_view name = "percentage";
  double fraction = 0;
  bool operator==(const Percentage&) const = default;
};
// A fixed width.
struct Points {
  static constexpr std::string_view name = "points";
  double width = 0;
  bool operator==(const Points&) const = default;
};
// Whatever the row leaves over after its other keys.
struct Available {
  static constexpr std::string_view name = "available";
  bool operator==(const Available&) const = default;
};
// The width of one input key.
struct Input {
  static constexpr std::string_view name = "input";
  bool operator==(const Input&) const = default;
};
}  // namespace keyboard_layout_item_width

// How wide a key of a layout row is.
class KeyboardLayoutItemWidth
    : public CaseValue<
          std::variant<keyboard_layout_item_width::InputPercentage, keyboard_layout_item_width::Percentage,
                       keyboard_layout_item_width::Points, keyboard_layout_item_width::Available,
                       keyboard_layout_item_width::Input>> {
 public:
  static KeyboardLayoutItemWidth inputPercentage(double fraction) {
    return KeyboardLayoutItemWidth(keyboard_layout_item_width::InputPercentage{fraction});
  }
  static KeyboardLayoutItemWidth percentage(double fraction) {
    return KeyboardLayoutItemWidth(keyboard_layout_item_width::Percentage{fraction});
  }
  static KeyboardLayoutItemWidth points(double width) {
    return KeyboardLayoutItemWidth(keyboard_layout_item_width::Points{width});
  }
  static KeyboardLayoutItemWidth available() {
    return KeyboardLayoutItemWidth(keyboard_layout_item_width::Available{});
  }
  static KeyboardLayoutItemWidth input() {
    return KeyboardLayoutItemWidth(keyboard_layout_item_width::Input{});
  }

  bool operator==(const KeyboardLayoutItemWidth&) const = default;

 private:
  explicit KeyboardLayoutItemWidth(Value value) : CaseValue(std::move(value)) {}
};

// The width of a key's frame in a row of `keyboardWidth` points whose input
// keys are `inputWidth` wide, less the key's leading and trailing insets
// (`horizontalInsets`). Absent for `available`: such a key takes what the row
// leaves over.
std::optional<double> frameWidth(const KeyboardLayoutItemWidth& width, double keyboardWidth,
                                 double inputWidth, double horizontalInsets);

std::ostream& operator<<(std::ostream& out, const KeyboardLayoutItemWidth& width);

}  // namespace keyloom
