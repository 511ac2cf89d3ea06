#pragma once

// Shared by the layout provider tests: contexts for a device and host field,
// and whole layouts written as rows of actions with their width rules.

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "keyloom/layout/KeyboardLayout.h"
#include "keyloom/state/KeyboardContext.h"
#include "platform/foundation/Text.h"
#include "platform/input/InMemoryTextDocumentProxy.h"

namespace keyloom::testing {

using W = KeyboardLayoutItemWidth;

struct Key {
  KeyboardAction action;
  W width;
  bool operator==(const Key&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Key& key) {
  return out << key.action << " " << key.width;
}

using LayoutKeys = std::vector<std::vector<Key>>;

inline LayoutKeys keysOf(const KeyboardLayout& layout) {
  LayoutKeys rows;
  for (const auto& row : layout.itemRows()) {
    std::vector<Key> keys;
    for (const auto& item : row) keys.push_back({item.action, item.size.width});
    rows.push_back(std::move(keys));
  }
  return rows;
}

// One character key per character of `text`.
inline std::vector<Key> chars(const std::string& text, W width = W::input()) {
  std::vector<Key> keys;
  for (const auto& c : platform::text::graphemes(text)) keys.push_back({KeyboardAction::character(c), width});
  return keys;
}

// Rows of keys joined into one row.
inline std::vector<Key> row(std::initializer_list<std::vector<Key>> parts) {
  std::vector<Key> keys;
  for (const auto& part : parts) keys.insert(keys.end(), part.begin(), part.end());
  return keys;
}

inline std::vector<Key> key(KeyboardAction action, W width) { return {Key{std::move(action), width}}; }

// The host field and keyboard state a layout is built for.
struct LayoutSetup {
  DeviceType device = DeviceType::phone;
  InterfaceOrientation orientation = InterfaceOrientation::portrait;
  KeyboardType keyboardType = KeyboardType::alphabetic(KeyboardCase::lowercased);
  bool needsInputModeSwitchKey = true;
  std::optional<KeyboardAction> dictationReplacement = std::nullopt;
  std::optional<platform::KeyboardType> fieldKeyboardType = std::nullopt;
  std::optional<platform::ReturnKeyType> returnKeyType = std::nullopt;
  std::string locale = "en";
};

inline std::shared_ptr<KeyboardContext> makeContext(const LayoutSetup& setup) {
  auto context = std::make_shared<KeyboardContext>();
  context->deviceType = setup.device;
  context->interfaceOrientation = setup.orientation;
  context->keyboardType = setup.keyboardType;
  context->needsInputModeSwitchKey = setup.needsInputModeSwitchKey;
  context->keyboardDictationReplacement = setup.dictationReplacement;
  context->locale = platform::Locale(setup.locale);
  auto proxy = std::make_shared<platform::InMemoryTextDocumentProxy>();
  platform::TextInputTraits traits;
  traits.keyboardType = setup.fieldKeyboardType;
  traits.returnKeyType = setup.returnKeyType;
  proxy->input().setTraits(traits);
  context->textDocumentProxy = proxy;
  return context;
}

}  // namespace keyloom::testing
