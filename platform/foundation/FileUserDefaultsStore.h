#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/UserDefaultsStore.h"

namespace platform {

// A store kept in one JSON file (an object of key to value) that several
// processes may read and write at once, as the host app and the keyboard do
// with their shared store.
//
// Every read re-reads the file when it changed on disk. Every write takes the
// file lock, re-reads the file, changes the one key, writes a temporary file,
// syncs it and renames it over the old one, so no process loses another's
// keys and no reader sees half a file. A file that cannot be parsed is moved
// aside to "<file>.corrupt-<n>" (never overwritten) and the store reads as empty.
class FileUserDefaultsStore : public UserDefaultsStore {
 public:
  // Nested arrays and dictionaries deeper than this are not stored or read.
  static constexpr int maximumDepth = 256;

  // Null when the folder of `file` cannot be created.
  static std::shared_ptr<FileUserDefaultsStore> open(const std::filesystem::path& file);

  explicit FileUserDefaultsStore(std::filesystem::path file);

  std::optional<UserDefaultsValue> value(const std::string& key) override;
  UserDefaultsValue::Dictionary allValues() override;
  void setValue(const std::string& key, std::optional<UserDefaultsValue> value) override;

  const std::filesystem::path& file() const { return file_; }

  // The file format. parse() gives none for text that is not a JSON object
  // within the depth limit; top-level null members read as absent.
  static std::optional<UserDefaultsValue::Dictionary> parse(std::string_view text);
  static std::string serialize(const UserDefaultsValue::Dictionary& values);

 private:
  // What identifies one version of the file on disk.
  struct Stamp {
    bool exists = false;
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modifiedNanoseconds = 0, changedNanoseconds = 0;
    bool operator==(const Stamp&) const = default;
  };
  enum class ReadResult { ok, missing, corrupt, failed };

  Stamp currentStamp() const;
  ReadResult readFile(UserDefaultsValue::Dictionary& values, Stamp& stamp) const;
  // Brings the cache up to date; `force` re-reads even an unchanged stamp.
  // False when the file exists but cannot be read.
  bool refresh(bool holdingLock, bool force);
  void moveCorruptFileAside();
  bool writeAtomically(const std::string& contents);

  std::filesystem::path file_;
  std::filesystem::path lockFile_;
  UserDefaultsValue::Dictionary cache_;
  Stamp stamp_;
  bool loaded_ = false;
};

}  // namespace platform
