#include "apps/keyboard-simulator/SimulatorTypist.h"

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

bool SimulatorTypist::types(std::string_view character, const KeyboardType& type) const {
  if (findKeyTyping(*layouts_(type), character)) return true;
  return type.isAlphabetic() && findKeyTyping(*layouts_(otherCasing(type)), character);
}

std::optional<SimulatorTypist::Step> SimulatorTypist::nextStep(std::string_view character,
                                                               const KeyboardType& current) const {
  const auto layout = layouts_(current);
  if (auto key = findKeyTyping(*layout, character)) return Step{*key, true};

  if (current.isAlphabetic() && findKeyTyping(*layouts_(otherCasing(current)), character)) {
    if (auto shift = findKey(*layout, SimulatorKey::named(SimulatorKey::Kind::shift))) return Step{*shift, false};
  }

  // Breadth first over the keyboards the keyboard-type keys lead to,
  // remembering the first key of each way.
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
  follow(*layout, std::nullopt);
  while (!ways.empty()) {
    const Way way = ways.front();
    ways.pop_front();
    if (types(character, way.keyboard)) return Step{way.firstKey, false};
    follow(*layouts_(way.keyboard), way.firstKey);
  }
  return std::nullopt;
}

}  // namespace keyboard_simulator
