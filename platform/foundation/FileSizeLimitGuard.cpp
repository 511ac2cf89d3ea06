#include "platform/foundation/FileSizeLimitGuard.h"

#include <csignal>
#include <mutex>

namespace platform {

namespace {

// The signal's action is one for the whole process, so guards on several
// threads share one count.
std::mutex guardMutex;
int guards = 0;
struct sigaction earlier {};

}  // namespace

FileSizeLimitGuard::FileSizeLimitGuard() {
  const std::lock_guard lock(guardMutex);
  if (guards++ > 0) return;
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGXFSZ, &ignore, &earlier);
}

FileSizeLimitGuard::~FileSizeLimitGuard() {
  const std::lock_guard lock(guardMutex);
  if (--guards == 0) ::sigaction(SIGXFSZ, &earlier, nullptr);
}

}  // namespace platform
