#pragma once

#include <filesystem>

namespace platform {

// An exclusive advisory lock on a lock file, held for the lifetime of the
// object. It excludes other processes and other FileLocks of this process on
// the same file alike.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // False when the lock file could not be opened or locked.
  bool isLocked() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace platform
