#include "platform/foundation/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "platform/foundation/SiblingFile.h"

namespace platform {

namespace {

// One blocking wait for the lock, shared between the waiting thread and the
// owner, who may stop waiting before the lock comes.
struct LockWait {
  std::mutex mutex;
  std::condition_variable done;
  bool finished = false;
  bool abandoned = false;
  int error = 0;
};

int lockBlocking(int fd) {
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) return errno;
  }
  return 0;
}

// Opens `path` and locks it within `timeout`; the descriptor, or -1 with
// `error` (and `timedOut`) set.
int lockFile(const std::filesystem::path& path, std::chrono::milliseconds timeout, int& error, bool& timedOut) {
  // Non-blocking open: a lock "file" that is a named pipe must not hang us.
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
  if (fd < 0) {
    error = errno;
    return -1;
  }
  // flock, not fcntl: fcntl locks are per process, and closing any descriptor
  // of the file would drop them.
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) return fd;
  if (errno != EWOULDBLOCK) {
    error = errno;
    ::close(fd);
    return -1;
  }
  // Held elsewhere. flock has no timeout, and polling would lose every time to
  // a holder that locks again at once, so wait in the kernel's queue on a
  // helper thread and stop waiting at the deadline. An abandoned wait unlocks
  // as soon as it gets the lock.
  auto wait = std::make_shared<LockWait>();
  std::thread([wait, fd] {
    const int waitError = lockBlocking(fd);
    std::lock_guard<std::mutex> guard(wait->mutex);
    if (wait->abandoned) {
      ::close(fd);
      return;
    }
    wait->finished = true;
    wait->error = waitError;
    wait->done.notify_one();
  }).detach();
  std::unique_lock<std::mutex> guard(wait->mutex);
  if (!wait->done.wait_for(guard, timeout, [&] { return wait->finished; })) {
    wait->abandoned = true;
    timedOut = true;
    error = EWOULDBLOCK;
    return -1;
  }
  if (wait->error != 0) {
    error = wait->error;
    ::close(fd);
    return -1;
  }
  return fd;
}

}  // namespace

FileLock::FileLock(const std::filesystem::path& path, std::chrono::milliseconds timeout) {
  // The kernel does not hand a released lock to its waiter: a holder that
  // locks again at once wins, and a busy writer could keep another one out
  // for good. So a waiter first takes a turnstile beside the lock file and
  // holds it until it has the lock; a holder coming back queues behind it.
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  const int turnstile = lockFile(siblingFile(path, ".turnstile"), timeout, error_, timedOut_);
  if (turnstile < 0) return;
  const auto left =
      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
  fd_ = lockFile(path, std::max(left, std::chrono::milliseconds(0)), error_, timedOut_);
  ::close(turnstile);
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace platform
