#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/UserDefaultsStore.h"
#include "platform/foundation/UserDefaultsValue.h"

namespace platform {

// A key-value store of small settings: the standard store of the process, or a
// named suite (the app-group store shared by the host app and the keyboard).
//
// Process-wide backing: in memory (the default, and what the process reset
// restores) or files, one JSON file per suite in a folder, safe to share
// between processes. Main thread only.
class UserDefaults {
 public:
  using Value = UserDefaultsValue;

  // A private store in memory, for code that is handed a store explicitly.
  UserDefaults();
  explicit UserDefaults(std::shared_ptr<UserDefaultsStore> store, std::string suiteName = {});
  UserDefaults(const UserDefaults&) = delete;
  UserDefaults& operator=(const UserDefaults&) = delete;

  // The standard store. The object lives for the whole process; the process
  // reset and a change of backing give it a fresh store.
  static UserDefaults& standard();
  static std::shared_ptr<UserDefaults> standardShared();

  // The suite of that name, the same object for the same name until the backing
  // changes; null when the suite cannot be opened (empty name, unavailable, or
  // its file cannot be placed).
  static std::shared_ptr<UserDefaults> suite(const std::string& suiteName);

  // Makes a suite fail to open, as a missing app-group entitlement would.
  static void setSuiteUnavailable(const std::string& suiteName, bool unavailable);

  // Keeps the standard store and every suite opened from now on in files in
  // `folder` (created when missing; throws platform::Error when it cannot be).
  static void useFileBacking(const std::filesystem::path& folder);
  static void useMemoryBacking();
  // The file of a suite under file backing (an empty name is the standard store).
  static std::filesystem::path fileForSuite(const std::filesystem::path& folder, const std::string& suiteName);

  const std::string& suiteName() const { return suiteName_; }

  std::optional<Value> object(const std::string& key) const;
  std::int64_t integer(const std::string& key) const;
  bool boolean(const std::string& key) const;
  double doubleValue(const std::string& key) const;
  std::optional<std::string> string(const std::string& key) const;
  std::optional<std::vector<std::string>> stringArray(const std::string& key) const;
  std::optional<Value::Array> array(const std::string& key) const;
  std::optional<Value::Dictionary> dictionary(const std::string& key) const;
  Value::Dictionary dictionaryRepresentation() const;

  // Setting null removes the key, as removeObject does.
  void set(const std::string& key, Value value);
  void removeObject(const std::string& key);

 private:
  friend struct UserDefaultsRegistry;

  std::shared_ptr<UserDefaultsStore> store_;
  std::string suiteName_;
};

}  // namespace platform
