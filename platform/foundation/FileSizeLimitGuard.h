#pragma once

namespace platform {

// While one exists, a write past the process's file-size limit (a shell's
// `ulimit -f`) fails with EFBIG instead of killing the process with SIGXFSZ,
// so the writer can report it and remove what it began. The signal's earlier
// action is restored when the last one goes. Every writer of files that may
// grow past the limit holds one while it writes.
class FileSizeLimitGuard {
 public:
  FileSizeLimitGuard();
  ~FileSizeLimitGuard();
  FileSizeLimitGuard(const FileSizeLimitGuard&) = delete;
  FileSizeLimitGuard& operator=(const FileSizeLimitGuard&) = delete;
};

}  // namespace platform
