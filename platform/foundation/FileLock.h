#pragma once

#include <chrono>
#include <filesystem>

namespace platform {

// An exclusive advisory lock on a lock file, held for the lifetime of the
// object. It excludes other processes and other FileLocks of this process on
// the same file alike. Waiting for it is bounded: a holder that hangs must not
// hang everyone else, and a wait that gives up leaves nothing behind. Unless
// told otherwise, waiters take turns with holders through a second lock file
// beside it, "<name>.turnstile", so a busy writer cannot keep another one out.
//
// The lock is on the file found at the path when it was taken. A lock file
// that is deleted or replaced is no longer found by the next writer, so a lock
// is only taken on the file that is still at the path, and a holder can ask
// whether that is still so before it commits anything.
//
// A lock file that is missing is created. Given `sharedLike`, an existing
// file, it gets that file's read and write permissions and group, so whoever
// may write that file may take its lock whatever their umask; a lock file
// this user made narrower before is widened to match, and one that another
// user made too narrow for us is replaced, when we may write that file (so a
// holder of the replaced one must be kept out by another lock). Else
// it gets the mode the umask allows. File systems without hard links (vfat,
// exFAT) get their lock files too.
class FileLock {
 public:
  enum class Turns { taken, none };

  FileLock(const std::filesystem::path& path, std::chrono::milliseconds timeout,
           const std::filesystem::path& sharedLike = {}, Turns turns = Turns::taken);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // False when the lock file could not be opened or locked in time.
  bool isLocked() const { return fd_ >= 0; }
  // True when another holder kept the lock for the whole timeout.
  bool timedOut() const { return timedOut_; }
  // The errno of a failed open or lock.
  int error() const { return error_; }
  // False when the lock file was deleted or replaced since it was locked:
  // others may hold the file now at the path.
  bool isStillHeld() const;
  // Renames `replacement` over the locked file, locking it first, so that
  // the lock stays on the file at the path and no one can take it between.
  // False, with errno set, when that cannot be done.
  bool replaceWith(const std::filesystem::path& replacement);

 private:
  std::filesystem::path path_;
  int fd_ = -1;
  bool timedOut_ = false;
  int error_ = 0;
};

}  // namespace platform
