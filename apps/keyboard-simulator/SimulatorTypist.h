#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <vector>
#include <string_view>

#include "keyloom/layout/KeyboardLayout.h"
#include "keyloom/state/KeyboardAction.h"
#include "keyloom/state/KeyboardType.h"

namespace keyboard_simulator {

// Decides, one key at a time, how a person types a character: the key that
// types it when the current layout has one; shift when only the other casing
// of the letters has it; else the keyboard-type key of the current layout
// that starts the shortest way, through the layouts' own keyboard-type keys,
// to a layout that has it. Only when no layout has a key for it, the same
// search looks at the keys' callouts: a key whose long-press callout offers
// the character. The caller presses the key and asks again, so the
// keyboard's own switches (back to letters after a space, automatic
// capitals) are always taken into account.
class SimulatorTypist {
 public:
  // The layout the keyboard would show now for a keyboard type.
  using LayoutSource = std::function<std::shared_ptr<keyloom::KeyboardLayout>(const keyloom::KeyboardType&)>;
  // The entries of the callout a long press on a key opens.
  using CalloutSource = std::function<std::vector<keyloom::KeyboardAction>(const keyloom::KeyboardAction&)>;

  struct Step {
    keyloom::KeyboardAction key;
    // Whether pressing `key` types the character (else it switches).
    bool types = false;
    // The callout entry to pick after a long press on `key`; absent for a
    // plain press.
    std::optional<keyloom::KeyboardAction> calloutEntry;
  };

  explicit SimulatorTypist(LayoutSource layouts, CalloutSource callouts = nullptr)
      : layouts_(std::move(layouts)), callouts_(std::move(callouts)) {}

  // The next key to press on the way to typing `character` on a keyboard of
  // type `current`; absent when no reachable layout has a key for it.
  std::optional<Step> nextStep(std::string_view character, const keyloom::KeyboardType& current) const;

  // The next key to press on the shortest way, through the layouts'
  // keyboard-type keys, from a keyboard of type `current` to one of type
  // `target`; absent when none leads there or the keyboard is there.
  std::optional<keyloom::KeyboardAction> nextKeyToward(const keyloom::KeyboardType& target,
                                                       const keyloom::KeyboardType& current) const;

 private:
  // The key of `layout` that types the character, or with `callouts` the
  // key whose callout offers it (with that entry).
  std::optional<Step> stepOn(const keyloom::KeyboardLayout& layout, std::string_view character, bool callouts) const;
  // Whether a keyboard of this type types the character in some casing.
  bool types(std::string_view character, const keyloom::KeyboardType& type, bool callouts) const;
  std::optional<Step> nextStep(std::string_view character, const keyloom::KeyboardType& current, bool callouts) const;
  // Breadth first over the keyboards the keyboard-type keys lead to from
  // `current`: the first key of the shortest way to one that `arrived` accepts.
  std::optional<keyloom::KeyboardAction> firstKeyToward(
      const std::function<bool(const keyloom::KeyboardType&)>& arrived,
      const keyloom::KeyboardType& current) const;

  LayoutSource layouts_;
  CalloutSource callouts_;
};

}  // namespace keyboard_simulator
