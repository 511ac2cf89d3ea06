#include "platform/foundation/UserDefaultsStore.h"

namespace platform {

std::optional<UserDefaultsValue> MemoryUserDefaultsStore::value(const std::string& key) {
  auto it = values_.find(key);
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void MemoryUserDefaultsStore::setValue(const std::string& key, std::optional<UserDefaultsValue> value) {
  if (value) {
    values_.insert_or_assign(key, std::move(*value));
  } else {
    values_.erase(key);
  }
}

}  // namespace platform
