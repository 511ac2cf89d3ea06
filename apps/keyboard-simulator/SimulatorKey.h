#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "keyloom/state/EmojiCategory.h"

namespace keyboard_simulator {

// A key as a script names it: a character key, one of the named system
// keys, or a category key of the emoji keyboard. Which key of the current
// layout it is, is KeyFinder's question.
struct SimulatorKey {
  enum class Kind {
    character,  // `character` holds the one character
    space,
    backspace,
    shift,
    return_,
    globe,          // the next-keyboard key
    numeric,        // "123"
    symbolic,       // "#+="
    alphabetic,     // "ABC"
    emojis,         // the key to the emoji keyboard
    emojiCategory,  // `category` holds which: "smileys", "flags", ...
  };
  Kind kind = Kind::character;
  std::string character;
  keyloom::EmojiCategory category = keyloom::EmojiCategory::frequent;

  static SimulatorKey characterKey(std::string character) { return {Kind::character, std::move(character)}; }
  static SimulatorKey named(Kind kind) { return {kind, {}}; }
  static SimulatorKey emojiCategoryKey(keyloom::EmojiCategory category) {
    return {Kind::emojiCategory, {}, category};
  }

  bool operator==(const SimulatorKey&) const = default;
};

// "space", "123", ..., a category's raw value ("smileys") or a single
// character (one grapheme cluster); absent for anything else. Names win:
// "ABC" is the key back to letters.
std::optional<SimulatorKey> simulatorKeyNamed(std::string_view name);

// The name a script would use.
std::string nameOf(const SimulatorKey& key);

}  // namespace keyboard_simulator
