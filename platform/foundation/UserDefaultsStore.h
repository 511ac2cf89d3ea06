#pragma once

#include <optional>
#include <string>

#include "platform/foundation/UserDefaultsValue.h"

namespace platform {

// Where a UserDefaults keeps its values: in memory, or in a file shared with
// other processes.
class UserDefaultsStore {
 public:
  virtual ~UserDefaultsStore() = default;
  virtual std::optional<UserDefaultsValue> value(const std::string& key) = 0;
  virtual UserDefaultsValue::Dictionary allValues() = 0;
  // Stores `value` under `key`, or removes the key when `value` is empty.
  virtual void setValue(const std::string& key, std::optional<UserDefaultsValue> value) = 0;
};

class MemoryUserDefaultsStore : public UserDefaultsStore {
 public:
  std::optional<UserDefaultsValue> value(const std::string& key) override;
  UserDefaultsValue::Dictionary allValues() override { return values_; }
  void setValue(const std::string& key, std::optional<UserDefaultsValue> value) override;

 private:
  UserDefaultsValue::Dictionary values_;
};

}  // namespace platform
