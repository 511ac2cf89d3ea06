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

// Opens `path` and locks it by `deadline`; the descriptor, or -1 with `error`
// (and `timedOut`) set.
int lockFile(const std::filesystem::path& path, Clock::time_point deadline, int& error, bool& timedOut) {
  // flock has no timeout, and a blocked flock cannot be called off, so a held
  // lock is tried again after a pause. The turnstile keeps that fair: a holder
  // coming back waits behind the one who tries.
  auto pause = std::chrono::milliseconds(1);
  int fd = -1;
  while (true) {
    if (fd < 0) {
      // Read-only is enough to lock, and lets every user who may read the
      // file lock it. Non-blocking: a lock "file" that is a named pipe must
      // not hang us. Never through a link: a planted one would make us create
      // its target. The mode is left to the umask.
      fd = ::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW, 0666);
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

FileLock::FileLock(const std::filesystem::path& path, std::chrono::milliseconds timeout) : path_(path) {
  // The kernel does not hand a released lock to its waiter: a holder that
  // locks again at once wins, and a busy writer could keep another one out
  // for good. So a waiter first takes a turnstile beside the lock file and
  // holds it until it has the lock; a holder coming back queues behind it.
  const auto deadline = Clock::now() + timeout;
  const int turnstile = lockFile(siblingFile(path, ".turnstile"), deadline, error_, timedOut_);
  if (turnstile < 0) return;
  fd_ = lockFile(path, deadline, error_, timedOut_);
  ::close(turnstile);
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

bool FileLock::isStillHeld() const { return fd_ >= 0 && isFileAt(fd_, path_); }

}  // namespace platform
