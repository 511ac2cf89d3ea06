#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardType.h"
#include "keyloom/text/KeyboardLayout.h"

namespace keyboard_simulator {

// Decides, one key at a time, how a person types a character: the key that
// types it when the current layout has one; shift when only the other casing
// of the letters has it; else the keyboard-type key of the current layout
// that starts the shortest way, through the layouts' own keyboard-type keys,
// to a layout that has it. The caller presses the key and asks again, so the
// keyboard's own switches (back to letters after a space, automatic
// capitals) are always taken into account.
class SimulatorTypist {
 public:
  // The layout the keyboard would show now for a keyboard type.
  using LayoutSource = std::function<std::shared_ptr<keyloom::KeyboardLayout>(const keyloom::KeyboardType&)>;

  struct Step {
    keyloom::KeyboardAction key;
    // Whether pressing `key` types the character (else it switches).
    bool types = false;
  };

  explicit SimulatorTypist(LayoutSource layouts) : layouts_(std::move(layouts)) {}

  // The next key to press on the way to typing `character` on a keyboard of
  // type `current`; absent when no reachable layout has a key for it.
  std::optional<Step> nextStep(std::string_view character, const keyloom::KeyboardType& current) const;

 private:
  // Whether a keyboard of this type types the character in some casing.
  bool types(std::string_view character, const keyloom::KeyboardType& type) const;

  LayoutSource layouts_;
};

}  // namespace keyboard_simulator
