#include "platform/foundation/UserDefaults.h"

#include <map>
#include <set>
#include <system_error>

#include "platform/foundation/Error.h"
#include "platform/foundation/FileUserDefaultsStore.h"
#include "platform/foundation/ProcessState.h"

namespace platform {

struct UserDefaultsRegistry {
  std::optional<std::filesystem::path> folder;  // none: memory backing
  std::shared_ptr<UserDefaults> standard = std::make_shared<UserDefaults>();
  std::map<std::string, std::shared_ptr<UserDefaults>> suites;
  std::set<std::string> unavailable;

  std::shared_ptr<UserDefaultsStore> makeStore(const std::string& suiteName) const {
    if (!folder) return std::make_shared<MemoryUserDefaultsStore>();
    return FileUserDefaultsStore::open(UserDefaults::fileForSuite(*folder, suiteName));
  }

  void setBacking(std::optional<std::filesystem::path> newFolder) {
    folder = std::move(newFolder);
    suites.clear();
    auto store = makeStore("");
    standard->store_ = store ? store : std::make_shared<MemoryUserDefaultsStore>();
  }
};

namespace {

UserDefaultsRegistry& registry() {
  static UserDefaultsRegistry* instance = [] {
    auto* r = new UserDefaultsRegistry;  // lives for the whole process, like the objects it hands out
    registerProcessReset([r] {
      r->unavailable.clear();
      r->setBacking(std::nullopt);
    });
    return r;
  }();
  return *instance;
}

// Suite names become file names: keep the safe characters, percent-encode the
// rest (and a leading dot), so distinct names never share a file.
std::string fileNameComponent(const std::string& suiteName) {
  static const char* hex = "0123456789ABCDEF";
  std::string result;
  for (std::size_t i = 0; i < suiteName.size(); ++i) {
    auto c = static_cast<unsigned char>(suiteName[i]);
    bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                c == '_' || (c == '.' && i > 0);
    if (safe) {
      result += static_cast<char>(c);
    } else {
      result += '%';
      result += hex[c >> 4];
      result += hex[c & 15];
    }
  }
  return result;
}

// Longer file names are refused by common file systems.
constexpr std::size_t maximumFileNameLength = 240;

}  // namespace

UserDefaults::UserDefaults() : store_(std::make_shared<MemoryUserDefaultsStore>()) {}

UserDefaults::UserDefaults(std::shared_ptr<UserDefaultsStore> store, std::string suiteName)
    : store_(std::move(store)), suiteName_(std::move(suiteName)) {}

UserDefaults& UserDefaults::standard() { return *registry().standard; }

std::shared_ptr<UserDefaults> UserDefaults::standardShared() { return registry().standard; }

std::shared_ptr<UserDefaults> UserDefaults::suite(const std::string& suiteName) {
  auto& r = registry();
  if (suiteName.empty() || r.unavailable.count(suiteName)) return nullptr;
  if (auto it = r.suites.find(suiteName); it != r.suites.end()) return it->second;
  if (r.folder && fileNameComponent(suiteName).size() > maximumFileNameLength) return nullptr;
  auto store = r.makeStore(suiteName);
  if (!store) return nullptr;
  auto defaults = std::make_shared<UserDefaults>(std::move(store), suiteName);
  r.suites.emplace(suiteName, defaults);
  return defaults;
}

void UserDefaults::setSuiteUnavailable(const std::string& suiteName, bool unavailable) {
  if (unavailable) {
    registry().unavailable.insert(suiteName);
  } else {
    registry().unavailable.erase(suiteName);
  }
}

void UserDefaults::useFileBacking(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error || !std::filesystem::is_directory(folder, error)) {
    throw Error("The user defaults folder \"" + folder.string() + "\" cannot be created.");
  }
  registry().setBacking(folder);
}

void UserDefaults::useMemoryBacking() { registry().setBacking(std::nullopt); }

std::filesystem::path UserDefaults::fileForSuite(const std::filesystem::path& folder, const std::string& suiteName) {
  // A leading dot is always encoded in suite names, so the standard store's name is free.
  if (suiteName.empty()) return folder / ".standard.json";
  return folder / (fileNameComponent(suiteName) + ".json");
}

std::optional<UserDefaults::Value> UserDefaults::object(const std::string& key) const { return store_->value(key); }

std::int64_t UserDefaults::integer(const std::string& key) const {
  auto value = object(key);
  return value ? userDefaultsConversion::integer(*value) : 0;
}

bool UserDefaults::boolean(const std::string& key) const {
  auto value = object(key);
  return value && userDefaultsConversion::boolean(*value);
}

double UserDefaults::doubleValue(const std::string& key) const {
  auto value = object(key);
  return value ? userDefaultsConversion::doubleValue(*value) : 0;
}

std::optional<std::string> UserDefaults::string(const std::string& key) const {
  auto value = object(key);
  if (!value) return std::nullopt;
  return userDefaultsConversion::string(*value);
}

std::optional<std::vector<std::string>> UserDefaults::stringArray(const std::string& key) const {
  auto value = object(key);
  if (!value) return std::nullopt;
  return userDefaultsConversion::stringArray(*value);
}

std::optional<UserDefaults::Value::Array> UserDefaults::array(const std::string& key) const {
  auto value = object(key);
  if (!value || !value->asArray()) return std::nullopt;
  return *value->asArray();
}

std::optional<UserDefaults::Value::Dictionary> UserDefaults::dictionary(const std::string& key) const {
  auto value = object(key);
  if (!value || !value->asDictionary()) return std::nullopt;
  return *value->asDictionary();
}

UserDefaults::Value::Dictionary UserDefaults::dictionaryRepresentation() const { return store_->allValues(); }

void UserDefaults::set(const std::string& key, Value value) {
  if (value.isNull()) {
    store_->setValue(key, std::nullopt);
  } else {
    store_->setValue(key, std::move(value));
  }
}

void UserDefaults::removeObject(const std::string& key) { store_->setValue(key, std::nullopt); }

}  // namespace platform
