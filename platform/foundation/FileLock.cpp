#include "platform/foundation/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

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

}  // namespace

FileLock::FileLock(const std::filesystem::path& path, std::chrono::milliseconds timeout) {
  // Non-blocking open: a lock "file" that is a named pipe must not hang us.
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0644);
  if (fd < 0) {
    error_ = errno;
    return;
  }
  // flock, not fcntl: fcntl locks are per process, and closing any descriptor
  // of the file would drop them.
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) {
    fd_ = fd;
    return;
  }
  if (errno != EWOULDBLOCK) {
    error_ = errno;
    ::close(fd);
    return;
  }
  // Held elsewhere. flock has no timeout, and polling would lose every time to
  // a holder that locks again at once, so wait in the kernel's queue on a
  // helper thread and stop waiting at the deadline. An abandoned wait unlocks
  // as soon as it gets the lock.
  auto wait = std::make_shared<LockWait>();
  std::thread([wait, fd] {
    const int error = lockBlocking(fd);
    std::lock_guard<std::mutex> guard(wait->mutex);
    if (wait->abandoned) {
      ::close(fd);
      return;
    }
    wait->finished = true;
    wait->error = error;
    wait->done.notify_one();
  }).detach();
  std::unique_lock<std::mutex> guard(wait->mutex);
  if (!wait->done.wait_for(guard, timeout, [&] { return wait->finished; })) {
    wait->abandoned = true;
    timedOut_ = true;
    error_ = EWOULDBLOCK;
    return;
  }
  if (wait->error != 0) {
    error_ = wait->error;
    ::close(fd);
    return;
  }
  fd_ = fd;
}

FileLock::~FileLock() {
  if (fd_ >= 0) ::close(fd_);  // closing releases the lock
}

}  // namespace platform
