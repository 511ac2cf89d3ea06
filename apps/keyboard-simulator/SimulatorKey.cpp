#include "apps/keyboard-simulator/SimulatorKey.h"

#include <array>
#include <utility>

#include "platform/foundation/Text.h"

namespace keyboard_simulator {

namespace {

constexpr std::array<std::pair<std::string_view, SimulatorKey::Kind>, 9> kNamedKeys{{
    {"space", SimulatorKey::Kind::space},
    {"backspace", SimulatorKey::Kind::backspace},
    {"shift", SimulatorKey::Kind::shift},
    {"return", SimulatorKey::Kind::return_},
    {"globe", SimulatorKey::Kind::globe},
    {"123", SimulatorKey::Kind::numeric},
    {"#+=", SimulatorKey::Kind::symbolic},
    {"ABC", SimulatorKey::Kind::alphabetic},
    {"emoji", SimulatorKey::Kind::emojis},
}};

}  // namespace

std::optional<SimulatorKey> simulatorKeyNamed(std::string_view name) {
  for (const auto& [keyName, kind] : kNamedKeys) {
    if (name == keyName) return SimulatorKey::named(kind);
  }
  if (auto category = keyloom::fromRawValue<keyloom::EmojiCategory>(name)) {
    return SimulatorKey::emojiCategoryKey(*category);
  }
  if (!platform::text::isValidUtf8(name) || platform::text::graphemeCount(name) != 1) return std::nullopt;
  return SimulatorKey::characterKey(std::string(name));
}

std::string nameOf(const SimulatorKey& key) {
  if (key.kind == SimulatorKey::Kind::character) return key.character;
  if (key.kind == SimulatorKey::Kind::emojiCategory) return std::string(keyloom::rawValue(key.category));
  for (const auto& [keyName, kind] : kNamedKeys) {
    if (kind == key.kind) return std::string(keyName);
  }
  return {};
}

}  // namespace keyboard_simulator
