#include "keyloom/layout/KeyboardLayoutRows.h"

#include "keyloom/state/KeyboardContext.h"

namespace keyloom {

KeyboardActions joinedRow(const KeyboardActions& leading, const KeyboardActions& middle,
                          const KeyboardActions& trailing) {
  KeyboardActions row;
  row.reserve(leading.size() + middle.size() + trailing.size());
  row.insert(row.end(), leading.begin(), leading.end());
  row.insert(row.end(), middle.begin(), middle.end());
  row.insert(row.end(), trailing.begin(), trailing.end());
  return row;
}

HostFieldTraits hostFieldTraits(const KeyboardContext& context) {
  HostFieldTraits traits;
  if (const auto& proxy = context.textDocumentProxy.get()) {
    traits.keyboardType = proxy->keyboardType().value_or(platform::KeyboardType::default_);
    traits.returnKeyType = proxy->returnKeyType().value_or(platform::ReturnKeyType::default_);
  }
  return traits;
}

}  // namespace keyloom
