#include "apps/keyboard-simulator/KeyFinder.h"

#include <algorithm>
#include <functional>

#include "platform/foundation/Text.h"

namespace keyboard_simulator {

namespace ka = keyloom::keyboard_action;
using keyloom::KeyboardAction;

namespace {

std::optional<KeyboardAction> firstKey(const keyloom::KeyboardLayout& layout,
                                       const std::function<bool(const KeyboardAction&)>& matches) {
  for (const auto& row : layout.itemRows()) {
    for (const auto& item : row) {
      if (matches(item.action)) return item.action;
    }
  }
  return std::nullopt;
}

std::optional<KeyboardAction> characterKey(const keyloom::KeyboardLayout& layout, std::string_view character) {
  return firstKey(layout, [character](const KeyboardAction& action) {
    auto key = action.get<ka::Character>();
    return key && key->text == character;
  });
}

std::u32string withoutEmojiSelectors(std::string_view text) {
  std::u32string scalars = platform::text::toScalars(text);
  std::erase(scalars, U'\uFE0F');
  return scalars;
}

}  // namespace

std::optional<KeyboardAction> findKey(const keyloom::KeyboardLayout& layout, const SimulatorKey& key) {
  using Kind = SimulatorKey::Kind;
  switch (key.kind) {
    case Kind::character: {
      if (auto exact = characterKey(layout, key.character)) return exact;
      const std::string lower = platform::text::lowercased(key.character);
      return firstKey(layout, [&lower](const KeyboardAction& action) {
        auto character = action.get<ka::Character>();
        return character && platform::text::lowercased(character->text) == lower;
      });
    }
    case Kind::space:
      return firstKey(layout, [](const KeyboardAction& action) { return action.is<ka::Space>(); });
    case Kind::backspace:
      return firstKey(layout, [](const KeyboardAction& action) { return action.is<ka::Backspace>(); });
    case Kind::shift:
      return firstKey(layout, [](const KeyboardAction& action) { return action.isShiftAction(); });
    case Kind::return_:
      return firstKey(layout, [](const KeyboardAction& action) { return action.isPrimaryAction(); });
    case Kind::globe:
      return firstKey(layout, [](const KeyboardAction& action) { return action.is<ka::NextKeyboard>(); });
    case Kind::numeric:
      return firstKey(layout, [](const KeyboardAction& action) {
        return action.isKeyboardTypeAction(keyloom::KeyboardType::numeric());
      });
    case Kind::symbolic:
      return firstKey(layout, [](const KeyboardAction& action) {
        return action.isKeyboardTypeAction(keyloom::KeyboardType::symbolic());
      });
    case Kind::alphabetic:
      return firstKey(layout, [](const KeyboardAction& action) { return action.isAlphabeticKeyboardTypeAction(); });
    case Kind::emojis:
      return firstKey(layout, [](const KeyboardAction& action) {
        return action.isKeyboardTypeAction(keyloom::KeyboardType::emojis());
      });
    case Kind::emojiCategory:
      // Only the emoji keyboard has them, and it has no layout of keys.
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<KeyboardAction> findKeyTyping(const keyloom::KeyboardLayout& layout, std::string_view character) {
  if (character == " ") return findKey(layout, SimulatorKey::named(SimulatorKey::Kind::space));
  if (character == "\n") return findKey(layout, SimulatorKey::named(SimulatorKey::Kind::return_));
  return characterKey(layout, character);
}

std::optional<keyloom::Emoji> findEmoji(std::span<const keyloom::Emoji> emojis, std::string_view character) {
  for (const auto& emoji : emojis) {
    if (emoji.char_() == character) return emoji;
  }
  const std::u32string wanted = withoutEmojiSelectors(character);
  for (const auto& emoji : emojis) {
    if (withoutEmojiSelectors(emoji.char_()) == wanted) return emoji;
  }
  return std::nullopt;
}

std::vector<KeyboardAction> keyboardTypeKeys(const keyloom::KeyboardLayout& layout) {
  std::vector<KeyboardAction> keys;
  for (const auto& row : layout.itemRows()) {
    for (const auto& item : row) {
      if (item.action.is<ka::KeyboardType>() && std::find(keys.begin(), keys.end(), item.action) == keys.end()) {
        keys.push_back(item.action);
      }
    }
  }
  return keys;
}

}  // namespace keyboard_simulator
