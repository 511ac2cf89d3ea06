#include "platform/foundation/FileUserDefaultsStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <limits>
#include <nlohmann/json.hpp>
#include <system_error>

#include "platform/foundation/FileLock.h"
#include "platform/foundation/FileSizeLimitGuard.h"
#include "platform/foundation/SiblingFile.h"

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

std::string errorText(int error) { return std::strerror(error); }

bool writeAll(int fd, std::string_view contents) {
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

// Gives the file `from` the new name `to` as well: a hard link, or a copy
// where the file system has none (vfat, exFAT). 0, or -1 with errno set
// (EEXIST when `to` is taken).
int keepAs(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::link(from.c_str(), to.c_str()) == 0) return 0;
  if (errno == EEXIST) return -1;
  const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (in < 0) return -1;
  struct stat info {};
  const int out = ::fstat(in, &info) != 0 ? -1
                  : ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, info.st_mode & 0666);
  bool ok = out >= 0;
  char buffer[65536];
  while (ok) {
    const ssize_t n = ::read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    ok = writeAll(out, std::string_view(buffer, static_cast<std::size_t>(n)));
  }
  ok = ok && ::fsync(out) == 0;
  int error = errno;
  ::close(in);
  if (out >= 0 && ::close(out) != 0 && ok) {
    error = errno;
    ok = false;
  }
  if (ok) return 0;
  if (out >= 0) ::unlink(to.c_str());
  errno = error;
  return -1;
}

// ---- Reading a damaged file member by member

struct Scanner {
  std::string_view text;
  std::size_t at = 0;

  bool atEnd() const { return at >= text.size(); }
  char peek() const { return text[at]; }
  void skipSpace() {
    while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) ++at;
  }
  // Past the closing quote of the string starting at `at`; false when unterminated.
  bool skipString() {
    ++at;
    while (!atEnd()) {
      char c = text[at++];
      if (c == '\\') {
        ++at;
      } else if (c == '"') {
        return true;
      }
    }
    return false;
  }
  // Past one value, matching brackets without recursion; false when the
  // value is cut short or its brackets do not match. The value's own syntax
  // is checked by the JSON parser afterwards. `tooDeep` is set for a value
  // that nests deeper than `depthLimit`: it is only skipped, in bounded
  // memory, for parsing it could cost many times its size.
  bool skipValue(std::size_t depthLimit, bool& tooDeep) {
    tooDeep = false;
    if (atEnd()) return false;
    if (peek() == '"') return skipString();
    if (peek() != '[' && peek() != '{') {
      const std::size_t start = at;
      while (!atEnd() && std::string_view(",}] \t\r\n").find(peek()) == std::string_view::npos) ++at;
      return at > start;
    }
    // Brackets past the limit are only counted: the value is refused anyway.
    std::string closers;
    std::size_t uncounted = 0;
    while (!atEnd()) {
      char c = peek();
      if (c == '"') {
        if (!skipString()) return false;
        continue;
      }
      ++at;
      if (c == '[' || c == '{') {
        if (closers.size() < depthLimit) {
          closers += c == '[' ? ']' : '}';
        } else {
          tooDeep = true;
          ++uncounted;
        }
      }
      if (c == ']' || c == '}') {
        if (uncounted > 0) {
          --uncounted;
          continue;
        }
        if (closers.back() != c) return false;
        closers.pop_back();
        if (closers.empty()) return true;
      }
    }
    return false;
  }
};

}  // namespace

std::shared_ptr<FileUserDefaultsStore> FileUserDefaultsStore::open(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error || !std::filesystem::is_directory(file.parent_path(), error)) return nullptr;
  return std::make_shared<FileUserDefaultsStore>(file);
}

FileUserDefaultsStore::FileUserDefaultsStore(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path FileUserDefaultsStore::lockFile() const {
  return siblingFile(resolvedFile().value_or(file_), ".lock");
}

std::optional<UserDefaultsValue::Dictionary> FileUserDefaultsStore::parse(std::string_view text) {
  auto entries = parseEntries(text);
  if (!entries || !entries->complete) return std::nullopt;
  return std::move(entries->values);
}

std::optional<FileUserDefaultsStore::Entries> FileUserDefaultsStore::parseEntries(std::string_view text) {
  Scanner scanner{text};
  scanner.skipSpace();
  if (scanner.atEnd() || scanner.peek() != '{') return std::nullopt;
  ++scanner.at;
  Entries entries;
  const auto brokenOff = [&entries] {
    entries.complete = false;
    return entries;
  };
  scanner.skipSpace();
  if (!scanner.atEnd() && scanner.peek() == '}') {
    ++scanner.at;
  } else {
    // One member per round; a member that is cut short or does not parse is
    // skipped, and the scan stops where the structure itself breaks.
    while (true) {
      scanner.skipSpace();
      if (scanner.atEnd() || scanner.peek() != '"') return brokenOff();
      const std::size_t keyStart = scanner.at;
      if (!scanner.skipString()) return brokenOff();
      const std::string_view keyText = text.substr(keyStart, scanner.at - keyStart);
      scanner.skipSpace();
      if (scanner.atEnd() || scanner.peek() != ':') return brokenOff();
      ++scanner.at;
      scanner.skipSpace();
      const std::size_t valueStart = scanner.at;
      bool tooDeep = false;
      if (!scanner.skipValue(maximumDepth, tooDeep)) return brokenOff();
      const std::string_view valueText = text.substr(valueStart, scanner.at - valueStart);
      scanner.skipSpace();
      if (scanner.atEnd() || (scanner.peek() != ',' && scanner.peek() != '}')) return brokenOff();
      const bool last = scanner.peek() == '}';
      ++scanner.at;

      Json key = Json::parse(keyText.begin(), keyText.end(), nullptr, /*allow_exceptions=*/false);
      std::optional<UserDefaultsValue> value;
      if (!tooDeep && !key.is_discarded()) {
        Json json = Json::parse(valueText.begin(), valueText.end(), nullptr, /*allow_exceptions=*/false);
        if (!json.is_discarded()) value = fromJson(json, maximumDepth);
      }
      if (!value) {
        entries.complete = false;
      } else if (!value->isNull()) {
        entries.values.insert_or_assign(key.get<std::string>(), std::move(*value));
      } else {
        entries.values.erase(key.get<std::string>());  // a later null wins over an earlier value, as in JSON
      }
      if (last) break;
    }
  }
  scanner.skipSpace();
  if (!scanner.atEnd()) entries.complete = false;
  return entries;
}

std::string FileUserDefaultsStore::serialize(const UserDefaultsValue::Dictionary& values) {
  Json object = Json::object();
  for (const auto& [key, value] : values) object[key] = toJson(value);
  // Text that is not valid UTF-8 cannot be written as JSON; it is kept with replacement characters.
  return object.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

FileUserDefaultsStore::Stamp FileUserDefaultsStore::currentStamp(const std::filesystem::path& file) {
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) return Stamp{};
  return Stamp{true,
               static_cast<std::uint64_t>(info.st_dev),
               static_cast<std::uint64_t>(info.st_ino),
               static_cast<std::uint64_t>(info.st_size),
               nanoseconds(info.st_mtim),
               nanoseconds(info.st_ctim)};
}

FileUserDefaultsStore::ReadResult FileUserDefaultsStore::readFile(const std::filesystem::path& file,
                                                                  UserDefaultsValue::Dictionary& values,
                                                                  Stamp& stamp, std::string& problem) const {
  // Look before opening: opening a named pipe or a device could block or act on it.
  struct stat info {};
  if (::stat(file.c_str(), &info) != 0) {
    if (errno == ENOENT) return ReadResult::missing;
    problem = "cannot be read: " + errorText(errno);
    return ReadResult::failed;
  }
  if (!S_ISREG(info.st_mode)) {
    problem = "is not a regular file";
    return ReadResult::failed;
  }
  // Non-blocking all the same, in case it was swapped for a pipe meanwhile.
  int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (errno == ENOENT) return ReadResult::missing;
    problem = "cannot be read: " + errorText(errno);
    return ReadResult::failed;
  }
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    problem = "is not a regular file";
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
      problem = "cannot be read: " + errorText(errno);
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
  auto entries = parseEntries(contents);
  if (entries) values = std::move(entries->values);
  return entries && entries->complete ? ReadResult::ok : ReadResult::corrupt;
}

const FileLock* FileUserDefaultsStore::Locks::failed() const {
  if (!lockFile->isLocked()) return lockFile.get();
  if (!storeFile->isLocked()) return storeFile.get();
  return nullptr;
}

std::optional<FileUserDefaultsStore::Locks> FileUserDefaultsStore::lockTarget(
    std::filesystem::path& target) const {
  // A link changed between finding the target and locking it would leave us
  // holding the lock of a file no longer written: look again under the lock.
  constexpr int attempts = 8;
  std::optional<Locks> locks;
  for (int attempt = 0; attempt < attempts; ++attempt) {
    const auto resolved = resolvedFile();
    if (!resolved) {
      report(file_, "is a symbolic link that cannot be followed");
      return std::nullopt;
    }
    target = *resolved;
    locks.emplace();
    locks->lockFile = std::make_unique<FileLock>(siblingFile(target, ".lock"), lockTimeout_, target);
    if (locks->lockFile->isLocked()) {
      // A missing store is created empty to be locked: writers that both
      // find none must still exclude each other.
      locks->storeFile =
          std::make_unique<FileLock>(target, lockTimeout_, std::filesystem::path(), FileLock::Turns::none);
    }
    if (locks->failed() || resolvedFile() == target) return locks;
  }
  return locks;
}

bool FileUserDefaultsStore::refresh(FileLock* lock, const std::filesystem::path& target, bool force) {
  if (loaded_ && !force && currentStamp(file_) == stamp_) return true;
  UserDefaultsValue::Dictionary values;
  Stamp stamp;
  std::string problem;
  // A writer reads the file it locked, never the link again: it may name
  // another file by now.
  switch (readFile(lock ? target : file_, values, stamp, problem)) {
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
      report(file_, problem + "; it is left alone");
      return false;
    case ReadResult::corrupt: {
      // Until it is kept aside, the store reads what could be read of it.
      cache_ = std::move(values);
      stamp_ = stamp;
      loaded_ = true;
      if (lock) return salvage(*lock, target);
      // Another process may be replacing it right now: look again under the lock.
      std::filesystem::path lockedTarget;
      const auto locks = lockTarget(lockedTarget);
      if (!locks) return true;
      if (const FileLock* failed = locks->failed()) {
        reportLockFailure(*failed, "its damaged file is read as far as it can be");
        return true;
      }
      return refresh(locks->storeFile.get(), lockedTarget, true);
    }
  }
  return false;
}

bool FileUserDefaultsStore::salvage(FileLock& lock, const std::filesystem::path& target) {
  // A copy of the damaged file past the file-size limit is not kept, as on a full disk.
  const FileSizeLimitGuard sizeLimit;
  // The readable entries first: on a full disk the damaged file stays the
  // store, rather than no store at all. With nothing readable, no store is
  // the empty store.
  std::optional<std::filesystem::path> temporary;
  if (!cache_.empty()) temporary = writeTemporary(target, serialize(cache_));
  if (!cache_.empty() && !temporary) {
    report(file_, "is not a valid store and its readable entries cannot be written; it is left as it is");
    return false;
  }
  constexpr int maximumAsideNumber = 100000;
  for (int n = 1; n <= maximumAsideNumber; ++n) {
    const std::filesystem::path aside = siblingFile(target, ".corrupt-" + std::to_string(n));
    // A second name for the damaged file, so the store is replaced in one
    // rename and is never missing.
    if (keepAs(target, aside) != 0) {
      if (errno == EEXIST) continue;  // taken by an earlier one
      report(file_, "is not a valid store and cannot be kept aside as " + aside.filename().string() + ": " +
                        errorText(errno));
      if (temporary) ::unlink(temporary->c_str());
      return false;
    }
    const bool replaced = temporary ? commit(lock, *temporary, target) == WriteResult::written
                                    : ::unlink(target.c_str()) == 0;
    if (!replaced) {
      ::unlink(aside.c_str());
      return false;
    }
    report(file_, "is not a valid store; kept as " + aside.filename().string() + ", its readable entries are kept");
    stamp_ = currentStamp(target);
    return true;
  }
  if (temporary) ::unlink(temporary->c_str());
  report(file_, "is not a valid store and every name to keep it aside is taken");
  return false;
}

std::optional<std::filesystem::path> FileUserDefaultsStore::resolvedFile() const {
  std::filesystem::path path = file_;
  for (int hop = 0;; ++hop) {
    if (hop == 40) return std::nullopt;  // a loop
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) break;
    std::error_code error;
    const std::filesystem::path link = std::filesystem::read_symlink(path, error);
    if (error) return std::nullopt;
    path = link.is_absolute() ? link : path.parent_path() / link;
  }
  // Linked folders lead to one file by many paths too.
  std::error_code error;
  const auto folder = std::filesystem::canonical(path.parent_path().empty() ? "." : path.parent_path(), error);
  if (!error) path = folder / path.filename();
  return path;
}

void FileUserDefaultsStore::removeStaleTemporaries(const std::filesystem::path& target) const {
  // The store's own, and its lock files': a writer killed before it put a new
  // lock file in place leaves one too.
  const std::filesystem::path lock = siblingFile(target, ".lock");
  const std::filesystem::path owners[] = {target, lock, siblingFile(lock, ".turnstile")};
  removeStaleTemporarySiblings(owners, TemporaryNames::taggedOrUntagged);
}

std::optional<std::filesystem::path> FileUserDefaultsStore::writeTemporary(const std::filesystem::path& target,
                                                                           const std::string& contents) const {
  removeStaleTemporaries(target);
  // A store past the file-size limit is not written, as on a full disk.
  const FileSizeLimitGuard sizeLimit;
  std::filesystem::path temporary;
  const int fd = createTemporarySibling(target, temporary);
  if (fd < 0) {
    report(file_, "cannot be written: " + errorText(errno));
    return std::nullopt;
  }
  // The store keeps its mode and group: one kept private, or shared with a
  // group, stays so. A new one has the mode the umask allows.
  bool ok = true;
  struct stat old {}, created {};
  if (::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode) && ::fstat(fd, &created) == 0) {
    if (old.st_gid != created.st_gid && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) ok = false;
    if (ok && ::fchmod(fd, old.st_mode & 07777) != 0) ok = false;
  }
  ok = ok && writeAll(fd, contents) && ::fsync(fd) == 0;
  int savedErrno = errno;
  if (::close(fd) != 0 && ok) {
    savedErrno = errno;
    ok = false;
  }
  if (!ok) {
    ::unlink(temporary.c_str());
    report(file_, "cannot be written: " + errorText(savedErrno));
    return std::nullopt;
  }
  return temporary;
}

FileUserDefaultsStore::WriteResult FileUserDefaultsStore::commit(FileLock& lock,
                                                                 const std::filesystem::path& temporary,
                                                                 const std::filesystem::path& target) const {
  // Only the holder of the store file's lock replaces it, so while the file
  // locked is still at its path, no one else has read it since we did. When
  // it is not (the store was deleted or replaced by hand), this write starts
  // again on the file there now.
  if (!lock.isStillHeld()) {
    ::unlink(temporary.c_str());
    return WriteResult::lockLost;
  }
  if (!lock.replaceWith(temporary)) {
    const int savedErrno = errno;
    ::unlink(temporary.c_str());
    report(file_, "cannot be written: " + errorText(savedErrno));
    return WriteResult::failed;
  }
  // Make the rename itself durable.
  const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
  int directory = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory >= 0) {
    ::fsync(directory);
    ::close(directory);
  }
  return WriteResult::written;
}

void FileUserDefaultsStore::reportLockFailure(const FileLock& lock, const std::string& consequence) const {
  if (lock.timedOut()) {
    report(file_, "is locked by another process for more than " + std::to_string(lockTimeout_.count()) + " ms; " +
                      consequence);
  } else {
    report(file_, "cannot be locked (" + lock.path().filename().string() + ": " + errorText(lock.error()) +
                      "); " + consequence);
  }
}

std::optional<UserDefaultsValue> FileUserDefaultsStore::value(const std::string& key) {
  refresh(nullptr, {}, false);
  auto it = cache_.find(key);
  if (it == cache_.end()) return std::nullopt;
  return it->second;
}

UserDefaultsValue::Dictionary FileUserDefaultsStore::allValues() {
  refresh(nullptr, {}, false);
  return cache_;
}

void FileUserDefaultsStore::setValue(const std::string& key, std::optional<UserDefaultsValue> value) {
  if (value && nesting(*value, maximumDepth) > maximumDepth) {
    report(file_, "value for \"" + key + "\" nests too deeply to be stored; not written");
    return;
  }
  const std::string notWritten = "\"" + key + "\" not written";
  // Another round only when the lock file was deleted or replaced under us,
  // for as long as a wait for the lock may take.
  const auto deadline = std::chrono::steady_clock::now() + lockTimeout_;
  do {
    std::filesystem::path target;
    const auto locks = lockTarget(target);
    if (!locks) {
      report(file_, notWritten);
      return;
    }
    if (const FileLock* failed = locks->failed()) {
      reportLockFailure(*failed, notWritten);
      return;
    }
    FileLock& lock = *locks->storeFile;
    // Always re-read under the lock: a stamp can repeat when an inode number is reused.
    if (!refresh(&lock, target, true)) {
      report(file_, notWritten + ", to keep the unreadable file intact");
      return;
    }
    auto values = cache_;
    if (value) {
      values.insert_or_assign(key, *value);
    } else {
      values.erase(key);
    }
    const auto temporary = writeTemporary(target, serialize(values));
    if (!temporary) return;
    switch (commit(lock, *temporary, target)) {
      case WriteResult::written:
        cache_ = std::move(values);
        stamp_ = currentStamp(target);
        return;
      case WriteResult::failed: return;
      case WriteResult::lockLost: break;
    }
  } while (std::chrono::steady_clock::now() < deadline);
  report(file_, "keeps being replaced while it is written; " + notWritten);
}

}  // namespace platform
