#include "platform/foundation/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

#include "platform/foundation/SiblingFile.h"

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

// Longest pause between two tries of a held lock.
constexpr std::chrono::milliseconds longestPause{10};

// True when `fd` is the file at `path` (not deleted, not replaced).
bool isFileAt(int fd, const std::filesystem::path& path) {
  struct stat held {}, there {};
  if (::fstat(fd, &held) != 0 || ::lstat(path.c_str(), &there) != 0) return false;
  return held.st_dev == there.st_dev && held.st_ino == there.st_ino;
}

// Read-only is enough to lock, and lets every user who may read the file
// lock it. Non-blocking: a lock "file" that is a named pipe must not hang us.
// Never through a link: a planted one would make us create its target.
constexpr int lockFileFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW;

// Gives the file open as `fd`, when this user owns it, the read and write
// permissions and the group of `like`. Only a member of that group may give
// it the group; else the group's permissions are not given to another.
void shareLike(int fd, const struct stat& like) {
  struct stat held {};
  if (::fstat(fd, &held) != 0 || held.st_uid != ::geteuid()) return;
  const bool sameGroup = held.st_gid == like.st_gid || ::fchown(fd, static_cast<uid_t>(-1), like.st_gid) == 0;
  const mode_t wanted = like.st_mode & (sameGroup ? 0666 : 0606);
  if ((held.st_mode & 07777) != wanted) ::fchmod(fd, wanted);
}

// True when this user may write `file`, and so may take its lock.
bool mayWrite(const std::filesystem::path& file) {
  return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
}

// Puts a new lock file at `path`, given the permissions and group of `like`
// before anyone can open it: made under another name, then linked into place
// or, `replacing` the file there, renamed. 0, or -1 with errno set (EEXIST
// when another made one first).
int placeLockFile(const std::filesystem::path& path, const struct stat& like, bool replacing) {
  std::filesystem::path temporary;
  int fd = createTemporarySibling(path, temporary);
  if (fd < 0) return -1;
  shareLike(fd, like);
  ::close(fd);
  const int placed = replacing ? ::rename(temporary.c_str(), path.c_str()) : ::link(temporary.c_str(), path.c_str());
  const int error = errno;
  if (placed != 0 || !replacing) ::unlink(temporary.c_str());
  if (placed == 0 || replacing || error == EEXIST) {
    errno = error;
    return placed;
  }
  // No hard links on this file system (vfat, exFAT, some network and FUSE
  // ones): created exclusively, no wider than `like`, and widened at once.
  fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, like.st_mode & 0666);
  if (fd < 0) return -1;
  shareLike(fd, like);
  ::close(fd);
  return 0;
}

// Opens the lock file at `path`, creating it when missing; -1 with errno set.
int openLockFile(const std::filesystem::path& path, const std::filesystem::path& sharedLike,
                 Clock::time_point deadline) {
  struct stat like {};
  const bool shared = !sharedLike.empty() && ::stat(sharedLike.c_str(), &like) == 0 && S_ISREG(like.st_mode);
  while (true) {
    const int fd = ::open(path.c_str(), lockFileFlags);
    if (fd >= 0) {
      if (shared) shareLike(fd, like);
      return fd;
    }
    const int openError = errno;
    if (openError == EACCES && shared && mayWrite(sharedLike)) {
      // Made private by a writer before the file was shared, and not yet
      // widened by that writer: whoever may write the file may take its
      // lock, so this one is replaced by one shared like the file. A holder
      // of the old one is not excluded by the new one; the store's writers
      // lock the store file itself as well for that.
      if (placeLockFile(path, like, true) != 0) {
        errno = openError;
        return -1;
      }
    } else if (openError != ENOENT) {
      return -1;
    } else if (!shared) {
      return ::open(path.c_str(), lockFileFlags | O_CREAT, 0666);
    } else if (placeLockFile(path, like, false) != 0 && errno != EEXIST) {
      return -1;
    }
    // Placed, or made by another at the same time: open it next round,
    // unless it keeps being deleted or shut as fast as it is made.
    if (Clock::now() >= deadline) {
      errno = openError;
      return -1;
    }
  }
}

// Opens `path` and locks it by `deadline`; the descriptor, or -1 with `error`
// (and `timedOut`) set.
int lockFile(const std::filesystem::path& path, const std::filesystem::path& sharedLike,
             Clock::time_point deadline, int& error, bool& timedOut) {
  // flock has no timeout, and a blocked flock cannot be called off, so a held
  // lock is tried again after a pause. The turnstile keeps that fair: a holder
  // coming back waits behind the one who tries.
  auto pause = std::chrono::milliseconds(1);
  int fd = -1;
  while (true) {
    if (fd < 0) {
      fd = openLockFile(path, sharedLike, deadline);
      if (fd < 0) {
        error = errno;
        return -1;
      }
    }
    // flock, not fcntl: fcntl locks are per process, and closing any
    // descriptor of the file would drop them.
    int result;
    do {
      result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
      if (isFileAt(fd, path)) return fd;
      // Deleted or replaced while we waited: whoever holds the file now at
      // the path is the one to wait for.
      ::close(fd);
      fd = -1;
    } else if (errno != EWOULDBLOCK) {
      error = errno;
      ::close(fd);
      return -1;
    }
    const auto now = Clock::now();
    if (now >= deadline) {
      if (fd >= 0) ::close(fd);
      timedOut = true;
      error = EWOULDBLOCK;
      return -1;
    }
    if (fd >= 0) {
      std::this_thread::sleep_for(std::min<Clock::duration>(pause, deadline - now));
      pause = std::min(pause * 2, longestPause);
    }
  }
}

}  // namespace

FileLock::FileLock(const std::filesystem::path& path, std::chrono::milliseconds timeout,
                   const std::filesystem::path& sharedLike, Turns turns)
    : path_(path) {
  const auto deadline = Clock::now() + timeout;
  if (turns == Turns::none) {
    fd_ = lockFile(path, sharedLike, deadline, error_, timedOut_);
    return;
  }
  // The kernel does not hand a released lock to its waiter: a holder that
  // locks again at once wins, and a busy writer could keep another one out
  // for good. So a waiter first takes a turnstile beside the lock file and
  // holds it until it has the lock; a holder coming back queues behind it.
  const int turnstile = lockFile(siblingFile(path, ".turnstile"), sharedLike, deadline, error_, timedOut_);
  if (turnstile < 0) return;
  fd_ = lockFile(path, sharedLike, deadline, error_, timedOut_);
  ::close(turnstile);
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

bool FileLock::isStillHeld() const { return fd_ >= 0 && isFileAt(fd_, path_); }

bool FileLock::replaceWith(const std::filesystem::path& replacement) {
  const int fd = ::open(replacement.c_str(), lockFileFlags);
  if (fd < 0) return false;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::rename(replacement.c_str(), path_.c_str()) != 0) {
    const int error = errno;
    ::close(fd);
    errno = error;
    return false;
  }
  ::close(fd_);
  fd_ = fd;
  return true;
}

}  // namespace platform
