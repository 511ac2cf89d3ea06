#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "apps/keyboard-simulator/SimulatorKey.h"
#include "keyloom/layout/KeyboardLayout.h"
#include "keyloom/state/Emoji.h"
#include "keyloom/state/KeyboardAction.h"

namespace keyboard_simulator {

// The action of the first key of `layout` that `key` names: for a character,
// the character key with exactly that text, else the same key in the other
// casing (the key a person would hit); for the named keys, the key of that
// kind whatever its payload (any shift, any return). Absent when the layout
// has no such key.
std::optional<keyloom::KeyboardAction> findKey(const keyloom::KeyboardLayout& layout, const SimulatorKey& key);

// The key of `layout` that types `character` (one grapheme cluster) exactly:
// the space bar for " ", the return key for a line feed, else a character
// key with that text. Absent when the layout has none.
std::optional<keyloom::KeyboardAction> findKeyTyping(const keyloom::KeyboardLayout& layout,
                                                     std::string_view character);

// The emoji of `emojis` that `character` is, written with or without the
// selectors for emoji presentation (U+FE0F): "⚽" finds the listed "⚽️",
// and "🖥️" the listed "🖥". An exact match comes first. Absent when none is.
std::optional<keyloom::Emoji> findEmoji(std::span<const keyloom::Emoji> emojis, std::string_view character);

// Every distinct keyboard-type key of `layout`, in layout order.
std::vector<keyloom::KeyboardAction> keyboardTypeKeys(const keyloom::KeyboardLayout& layout);

}  // namespace keyboard_simulator
