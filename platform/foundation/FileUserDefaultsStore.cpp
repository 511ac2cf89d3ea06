#include "platform/foundation/FileUserDefaultsStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <limits>
#include <nlohmann/json.hpp>
#include <system_error>

#include "platform/foundation/FileLock.h"

namespace platform {

namespace {

using Json = nlohmann::json;

// How deeply a value nests arrays and dictionaries; 0 for a scalar.
int nesting(const UserDefaultsValue& value, int limit) {
  int deepest = 0;
  if (const auto* array = value.asArray()) {
    for (const auto& element : *array) {
      deepest = std::max(deepest, nesting(element, limit - 1));
      if (deepest > limit) break;
    }
    return deepest + 1;
  }
  if (const auto* dictionary = value.asDictionary()) {
    for (const auto& [key, element] : *dictionary) {
      deepest = std::max(deepest, nesting(element, limit - 1));
      if (deepest > limit) break;
    }
    return deepest + 1;
  }
  return 0;
}

std::optional<UserDefaultsValue> fromJson(const Json& json, int depthLeft) {
  switch (json.type()) {
    case Json::value_t::null: return UserDefaultsValue();
    case Json::value_t::boolean: return UserDefaultsValue(json.get<bool>());
    case Json::value_t::number_integer: return UserDefaultsValue(json.get<std::int64_t>());
    case Json::value_t::number_unsigned: {
      auto n = json.get<std::uint64_t>();
      if (n <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        return UserDefaultsValue(static_cast<std::int64_t>(n));
      }
      return UserDefaultsValue(static_cast<double>(n));
    }
    case Json::value_t::number_float: return UserDefaultsValue(json.get<double>());
    case Json::value_t::string: return UserDefaultsValue(json.get<std::string>());
    case Json::value_t::array: {
      if (depthLeft <= 0) return std::nullopt;
      UserDefaultsValue::Array array;
      array.reserve(json.size());
      for (const auto& element : json) {
        auto value = fromJson(element, depthLeft - 1);
        if (!value) return std::nullopt;
        array.push_back(std::move(*value));
      }
      return UserDefaultsValue(std::move(array));
    }
    case Json::value_t::object: {
      if (depthLeft <= 0) return std::nullopt;
      UserDefaultsValue::Dictionary dictionary;
      for (const auto& [key, element] : json.items()) {
        auto value = fromJson(element, depthLeft - 1);
        if (!value) return std::nullopt;
        dictionary.emplace(key, std::move(*value));
      }
      return UserDefaultsValue(std::move(dictionary));
    }
    default: return std::nullopt;
  }
}

Json toJson(const UserDefaultsValue& value) {
  switch (value.kind()) {
    case UserDefaultsValue::Kind::null: return nullptr;
    case UserDefaultsValue::Kind::boolean: return *value.asBool();
    case UserDefaultsValue::Kind::integer: return *value.asInteger();
    case UserDefaultsValue::Kind::double_: return *value.asDouble();  // JSON has no NaN or infinity: they become null
    case UserDefaultsValue::Kind::string: return *value.asString();
    case UserDefaultsValue::Kind::array: {
      Json array = Json::array();
      for (const auto& element : *value.asArray()) array.push_back(toJson(element));
      return array;
    }
    case UserDefaultsValue::Kind::dictionary: {
      Json object = Json::object();
      for (const auto& [key, element] : *value.asDictionary()) object[key] = toJson(element);
      return object;
    }
  }
  return nullptr;
}

std::int64_t nanoseconds(const struct timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

void report(const std::filesystem::path& file, const std::string& what) {
  std::cerr << "UserDefaults: " << file.string() << ": " << what << '\n';
}

bool writeAll(int fd, const std::string& contents) {
  std::size_t written = 0;
  while (written < contents.size()) {
    ssize_t n = ::write(fd, contents.data() + written, contents.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::shared_ptr<FileUserDefaultsStore> FileUserDefaultsStore::open(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error || !std::filesystem::is_directory(file.parent_path(), error)) return nullptr;
  return std::make_shared<FileUserDefaultsStore>(file);
}

FileUserDefaultsStore::FileUserDefaultsStore(std::filesystem::path file)
    : file_(std::move(file)), lockFile_(file_.string() + ".lock") {}

std::optional<UserDefaultsValue::Dictionary> FileUserDefaultsStore::parse(std::string_view text) {
  Json json = Json::parse(text.begin(), text.end(), nullptr, /*allow_exceptions=*/false);
  if (json.is_discarded() || !json.is_object()) return std::nullopt;
  UserDefaultsValue::Dictionary values;
  for (const auto& [key, element] : json.items()) {
    auto value = fromJson(element, maximumDepth);
    if (!value) return std::nullopt;
    if (value->isNull()) continue;
    values.emplace(key, std::move(*value));
  }
  return values;
}

std::string FileUserDefaultsStore::serialize(const UserDefaultsValue::Dictionary& values) {
  Json object = Json::object();
  for (const auto& [key, value] : values) object[key] = toJson(value);
  // Text that is not valid UTF-8 cannot be written as JSON; it is kept with replacement characters.
  return object.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

FileUserDefaultsStore::Stamp FileUserDefaultsStore::currentStamp() const {
  struct stat info {};
  if (::stat(file_.c_str(), &info) != 0) return Stamp{};
  return Stamp{true,
               static_cast<std::uint64_t>(info.st_dev),
               static_cast<std::uint64_t>(info.st_ino),
               static_cast<std::uint64_t>(info.st_size),
               nanoseconds(info.st_mtim),
               nanoseconds(info.st_ctim)};
}

FileUserDefaultsStore::ReadResult FileUserDefaultsStore::readFile(UserDefaultsValue::Dictionary& values,
                                                                  Stamp& stamp) const {
  int fd = ::open(file_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? ReadResult::missing : ReadResult::failed;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return ReadResult::failed;
  }
  stamp = Stamp{true,
                static_cast<std::uint64_t>(info.st_dev),
                static_cast<std::uint64_t>(info.st_ino),
                static_cast<std::uint64_t>(info.st_size),
                nanoseconds(info.st_mtim),
                nanoseconds(info.st_ctim)};
  std::string contents;
  char buffer[65536];
  while (true) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return ReadResult::failed;
    }
    if (n == 0) break;
    contents.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  // An empty file holds nothing to lose; it reads as an empty store.
  if (contents.find_first_not_of(" \t\r\n") == std::string::npos) {
    values.clear();
    return ReadResult::ok;
  }
  auto parsed = parse(contents);
  if (!parsed) return ReadResult::corrupt;
  values = std::move(*parsed);
  return ReadResult::ok;
}

bool FileUserDefaultsStore::refresh(bool holdingLock, bool force) {
  if (loaded_ && !force && currentStamp() == stamp_) return true;
  UserDefaultsValue::Dictionary values;
  Stamp stamp;
  switch (readFile(values, stamp)) {
    case ReadResult::ok:
      cache_ = std::move(values);
      stamp_ = stamp;
      loaded_ = true;
      return true;
    case ReadResult::missing:
      cache_.clear();
      stamp_ = Stamp{};
      loaded_ = true;
      return true;
    case ReadResult::failed:
      report(file_, "exists but cannot be read as a file");
      return false;
    case ReadResult::corrupt:
      if (!holdingLock) {
        // Another process may be replacing it right now: look again under the lock.
        FileLock lock(lockFile_);
        if (lock.isLocked()) return refresh(true, true);
        cache_.clear();
        stamp_ = stamp;
        loaded_ = true;
        return true;
      }
      moveCorruptFileAside();
      cache_.clear();
      stamp_ = currentStamp();
      loaded_ = true;
      return true;
  }
  return false;
}

void FileUserDefaultsStore::moveCorruptFileAside() {
  std::error_code error;
  for (int n = 1; n < 1000000; ++n) {
    std::filesystem::path aside = file_.string() + ".corrupt-" + std::to_string(n);
    if (std::filesystem::exists(aside, error) || error) continue;
    if (::rename(file_.c_str(), aside.c_str()) == 0) {
      report(file_, "is not a valid store; kept as " + aside.filename().string() + " and read as empty");
    } else {
      report(file_, std::string("is not a valid store and could not be moved aside: ") + std::strerror(errno));
    }
    return;
  }
}

bool FileUserDefaultsStore::writeAtomically(const std::string& contents) {
  std::filesystem::path temporary = file_.string() + ".tmp-" + std::to_string(::getpid());
  int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    report(file_, std::string("cannot be written: ") + std::strerror(errno));
    return false;
  }
  bool ok = writeAll(fd, contents) && ::fsync(fd) == 0;
  int savedErrno = errno;
  ok = (::close(fd) == 0) && ok;
  if (ok && ::rename(temporary.c_str(), file_.c_str()) != 0) {
    savedErrno = errno;
    ok = false;
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    report(file_, std::string("cannot be written: ") + std::strerror(savedErrno));
    return false;
  }
  // Make the rename itself durable.
  int directory = ::open(file_.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory >= 0) {
    ::fsync(directory);
    ::close(directory);
  }
  return true;
}

std::optional<UserDefaultsValue> FileUserDefaultsStore::value(const std::string& key) {
  refresh(false, false);
  auto it = cache_.find(key);
  if (it == cache_.end()) return std::nullopt;
  return it->second;
}

UserDefaultsValue::Dictionary FileUserDefaultsStore::allValues() {
  refresh(false, false);
  return cache_;
}

void FileUserDefaultsStore::setValue(const std::string& key, std::optional<UserDefaultsValue> value) {
  if (value && nesting(*value, maximumDepth) > maximumDepth) {
    report(file_, "value for \"" + key + "\" nests too deeply to be stored; not written");
    return;
  }
  FileLock lock(lockFile_);
  if (!lock.isLocked()) {
    report(file_, "cannot be locked; \"" + key + "\" not written");
    return;
  }
  // Always re-read under the lock: a stamp can repeat when an inode number is reused.
  if (!refresh(true, true)) {
    report(file_, "\"" + key + "\" not written, to keep the unreadable file intact");
    return;
  }
  if (value) {
    cache_.insert_or_assign(key, std::move(*value));
  } else {
    cache_.erase(key);
  }
  if (writeAtomically(serialize(cache_))) stamp_ = currentStamp();
}

}  // namespace platform
