#pragma once

#include <chrono>
#include <filesystem>

namespace platform {

// An exclusive advisory lock on a lock file, held for the lifetime of the
// object. It excludes other processes and other FileLocks of this process on
// the same file alike. Waiting for it is bounded: a holder that hangs must not
// hang everyone else. Waiters take turns with holders through a second lock
// file beside it, "<name>.turnstile", so a busy writer cannot keep another
// one out.
class FileLock {
 public:
  FileLock(const std::filesystem::path& path, std::chrono::milliseconds timeout);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // False when the lock file could not be opened or locked in time.
  bool isLocked() const { return fd_ >= 0; }
  // True when another holder kept the lock for the whole timeout.
  bool timedOut() const { return timedOut_; }
  // The errno of a failed open or lock.
  int error() const { return error_; }

 private:
  int fd_ = -1;
  bool timedOut_ = false;
  int error_ = 0;
};

}  // namespace platform
