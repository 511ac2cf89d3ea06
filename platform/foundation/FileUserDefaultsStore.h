#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/UserDefaultsStore.h"

namespace platform {

class FileLock;

// A store kept in one JSON file (an object of key to value) that several
// processes may read and write at once, as the host app and the keyboard do
// with their shared store.
//
// Every read re-reads the file when it changed on disk. Every write takes the
// file lock (waiting at most the lock timeout), re-reads the file, changes the
// one key, writes a temporary file, syncs it and renames it over the old one,
// so no process loses another's keys and no reader sees half a file. A store
// file that is a symbolic link is written through to its target, and locked
// beside it, so writers that reach one file by different paths share a lock;
// the link is followed once per write, and the file found is the one read,
// locked and replaced, even when the link is changed meanwhile. Besides the
// lock file, which gives writers their turns, a writer locks the store file
// itself: only its holder replaces it, so a lock file deleted under a writer
// lets no other writer read the store before it is replaced. (A missing store
// is created empty to be locked.)
// Temporaries are created afresh under unguessable names and never through a
// link. The new file keeps the mode and group of the old one, and the lock
// files get its read and write permissions and group, so that every user who
// may write a shared store may lock it; a new store and its lock files get the
// mode the process's umask allows.
//
// A file that cannot be parsed (nesting too deep included) is kept aside as
// "<file>.corrupt-<n>" (never overwritten; the name is shortened to fit the
// file system) and the store keeps every entry of it that can still be read;
// those are written before the damaged file is set aside, so a failed write
// leaves the damaged file in place rather than no store. When the file cannot
// be kept aside, or is not a regular file at all, writes are refused and the
// file is left alone. (It is kept aside under a second name, or as a copy on
// a file system without hard links.) Temporary files of writers that were
// killed, the lock files' included, are removed by the next write. A write
// past the file-size limit fails as on a full disk.
class FileUserDefaultsStore : public UserDefaultsStore {
 public:
  // Nested arrays and dictionaries deeper than this are not stored or read.
  static constexpr int maximumDepth = 256;
  static constexpr std::chrono::milliseconds defaultLockTimeout{5000};

  // Null when the folder of `file` cannot be created.
  static std::shared_ptr<FileUserDefaultsStore> open(const std::filesystem::path& file);

  explicit FileUserDefaultsStore(std::filesystem::path file);

  std::optional<UserDefaultsValue> value(const std::string& key) override;
  UserDefaultsValue::Dictionary allValues() override;
  void setValue(const std::string& key, std::optional<UserDefaultsValue> value) override;

  const std::filesystem::path& file() const { return file_; }
  // Held by every writer of the file, in any process: beside the file really
  // written.
  std::filesystem::path lockFile() const;
  // How long a write waits for another process's lock before it is refused.
  void setLockTimeout(std::chrono::milliseconds timeout) { lockTimeout_ = timeout; }

  // The file format. parse() gives none for text that is not a JSON object
  // within the depth limit; top-level null members read as absent.
  static std::optional<UserDefaultsValue::Dictionary> parse(std::string_view text);
  // What can be read of a damaged file: every member that is complete and
  // valid on its own. `complete` is false when anything was skipped. None when
  // the text does not even begin as a JSON object.
  struct Entries {
    UserDefaultsValue::Dictionary values;
    bool complete = true;
  };
  static std::optional<Entries> parseEntries(std::string_view text);
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
  enum class WriteResult { written, failed, lockLost };

  // A writer's locks: the lock file beside the store, then the store file.
  struct Locks {
    std::unique_ptr<FileLock> lockFile, storeFile;
    // The one that could not be taken, if any.
    const FileLock* failed() const;
  };

  // Locks beside the file really written, sets `target` to it, and checks
  // under the lock that it still is. None when a link cannot be followed
  // (reported); else locks that may have failed (failed()).
  std::optional<Locks> lockTarget(std::filesystem::path& target) const;

  static Stamp currentStamp(const std::filesystem::path& file);
  // `problem` says why on ReadResult::failed; `values` holds what could be
  // read on ReadResult::corrupt.
  ReadResult readFile(const std::filesystem::path& file, UserDefaultsValue::Dictionary& values, Stamp& stamp,
                      std::string& problem) const;
  // Brings the cache up to date; `force` re-reads even an unchanged stamp.
  // `lock` is the writer's lock on the store file `target` when the caller
  // holds it: then `target` is read, else the file at the store's path. False
  // when the file exists but cannot be read, or is corrupt and could not be
  // kept aside: then it must not be written.
  bool refresh(FileLock* lock, const std::filesystem::path& target, bool force);
  // Writes the readable entries of the damaged `target`, locked by `lock`,
  // then keeps the damaged file aside.
  bool salvage(FileLock& lock, const std::filesystem::path& target);
  // A new temporary beside `target` holding `contents`, synced; none when it
  // cannot be written (reported).
  std::optional<std::filesystem::path> writeTemporary(const std::filesystem::path& target,
                                                      const std::string& contents) const;
  // Renames `temporary` over `target` while `lock`, on `target`, is still
  // held; the lock then holds the new file.
  WriteResult commit(FileLock& lock, const std::filesystem::path& temporary,
                     const std::filesystem::path& target) const;
  // The file that is really written: file_ with symbolic links followed, in
  // its folder's canonical path. None for a link loop or an unreadable link.
  std::optional<std::filesystem::path> resolvedFile() const;
  void removeStaleTemporaries(const std::filesystem::path& target) const;
  void reportLockFailure(const FileLock& lock, const std::string& consequence) const;

  std::filesystem::path file_;
  std::chrono::milliseconds lockTimeout_ = defaultLockTimeout;
  UserDefaultsValue::Dictionary cache_;
  Stamp stamp_;
  bool loaded_ = false;
};

}  // namespace platform
