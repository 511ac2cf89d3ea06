#pragma once

namespace platform {

// The platform's user-interface style, with its raw values.
enum class UserInterfaceStyle : int {
  unspecified = 0,
  light = 1,
  dark = 2,
};

// The environment a view controller is shown in. Compared by value.
struct TraitCollection {
  UserInterfaceStyle userInterfaceStyle = UserInterfaceStyle::unspecified;

  bool operator==(const TraitCollection&) const = default;
};

}  // namespace platform
