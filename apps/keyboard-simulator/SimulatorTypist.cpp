#include "apps/keyboard-simulator/SimulatorTypist.h"

#include <algorithm>
#include <deque>
#include <vector>

#include "apps/keyboard-simulator/KeyFinder.h"

namespace keyboard_simulator {

using keyloom::KeyboardCase;
using keyloom::KeyboardType;

namespace {

// Letters in any casing are one keyboard for the search: shift moves between
// the casings.
bool sameKeyboard(const KeyboardType& a, const KeyboardType& b) {
  return a == b || (a.isAlphabetic() && b.isAlphabetic());
}

// The casing shift leads to from this one.
KeyboardType otherCasing(const KeyboardType& type) {
  return KeyboardType::alphabetic(type.isAlphabeticUppercased() ? KeyboardCase::lowercased : KeyboardCase::uppercased);
}

}  // namespace

std::optional<SimulatorTypist::Step> SimulatorTypist::stepOn(const keyloom::KeyboardLayout& layout,
                                                             std::string_view character, bool callouts) const {
  if (!callouts) {
    if (auto key = findKeyTyping(layout, character)) return Step{*key, true, std::nullopt};
    return std::nullopt;
  }
  if (!callouts_) return std::nullopt;
  const auto wanted = keyloom::KeyboardAction::character(std::string(character));
  for (const auto& row : layout.itemRows()) {
    for (const auto& item : row) {
      const auto entries = callouts_(item.action);
      if (std::find(entries.begin(), entries.end(), wanted) != entries.end()) return Step{item.action, true, wanted};
    }
  }
  return std::nullopt;
}

bool SimulatorTypist::types(std::string_view character, const KeyboardType& type, bool callouts) const {
  if (stepOn(*layouts_(type), character, callouts)) return true;
  return type.isAlphabetic() && stepOn(*layouts_(otherCasing(type)), character, callouts);
}

std::optional<SimulatorTypist::Step> SimulatorTypist::nextStep(std::string_view character,
                                                               const KeyboardType& current) const {
  // A key for the character anywhere comes before any callout.
  if (auto step = nextStep(character, current, false)) return step;
  return nextStep(character, current, true);
}

std::optional<SimulatorTypist::Step> SimulatorTypist::nextStep(std::string_view character,
                                                               const KeyboardType& current, bool callouts) const {
  const auto layout = layouts_(current);
  if (auto step = stepOn(*layout, character, callouts)) return step;

  if (current.isAlphabetic() && stepOn(*layouts_(otherCasing(current)), character, callouts)) {
    if (auto shift = findKey(*layout, SimulatorKey::named(SimulatorKey::Kind::shift))) {
      return Step{*shift, false, std::nullopt};
    }
  }

  auto key =
      firstKeyToward([&](const KeyboardType& type) { return types(character, type, callouts); }, current);
  if (key) return Step{*key, false, std::nullopt};
  return std::nullopt;
}

std::optional<keyloom::KeyboardAction> SimulatorTypist::nextKeyToward(const KeyboardType& target,
                                                                      const KeyboardType& current) const {
  if (sameKeyboard(target, current)) return std::nullopt;
  return firstKeyToward([&](const KeyboardType& type) { return sameKeyboard(type, target); }, current);
}

std::optional<keyloom::KeyboardAction> SimulatorTypist::firstKeyToward(
    const std::function<bool(const KeyboardType&)>& arrived, const KeyboardType& current) const {
  // Remembers the first key of each way.
  struct Way {
    KeyboardType keyboard;
    keyloom::KeyboardAction firstKey;
  };
  std::vector<KeyboardType> seen{current};
  std::deque<Way> ways;
  auto follow = [&](const keyloom::KeyboardLayout& from, const std::optional<keyloom::KeyboardAction>& firstKey) {
    for (const auto& key : keyboardTypeKeys(from)) {
      const KeyboardType& target = key.get<keyloom::keyboard_action::KeyboardType>()->type;
      bool known = false;
      for (const auto& type : seen) known = known || sameKeyboard(type, target);
      if (known) continue;
      seen.push_back(target);
      ways.push_back({target, firstKey.value_or(key)});
    }
  };
  follow(*layouts_(current), std::nullopt);
  while (!ways.empty()) {
    const Way way = ways.front();
    ways.pop_front();
    if (arrived(way.keyboard)) return way.firstKey;
    follow(*layouts_(way.keyboard), way.firstKey);
  }
  return std::nullopt;
}

}  // namespace keyboard_simulator
