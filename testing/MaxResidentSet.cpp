// Runs a program and fails when its maximum resident set exceeds a bound:
//   keyloom_max_resident_set LIMIT_KB PROGRAM [ARGUMENTS...]
// The kernel counts in a child's maximum what its process held before exec,
// so a test process that forked it would count itself; this launcher is small
// and only forks and waits.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: keyloom_max_resident_set LIMIT_KB PROGRAM [ARGUMENTS...]\n");
    return 2;
  }
  char* end = nullptr;
  const long limit = std::strtol(argv[1], &end, 10);
  if (end == argv[1] || *end != '\0' || limit <= 0) {
    std::fprintf(stderr, "keyloom_max_resident_set: not a bound in kB: %s\n", argv[1]);
    return 2;
  }
  const pid_t child = fork();
  if (child < 0) {
    std::perror("fork");
    return 2;
  }
  if (child == 0) {
    execv(argv[2], argv + 2);
    std::perror(argv[2]);
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (wait4(child, &status, 0, &usage) != child) {
    std::perror("wait4");
    return 2;
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s did not succeed (status %d)\n", argv[2], status);
    return 1;
  }
  std::printf("maximum resident set: %ld kB (bound %ld kB)\n", usage.ru_maxrss, limit);
  return usage.ru_maxrss <= limit ? 0 : 1;
}
