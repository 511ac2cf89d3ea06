#include "platform/foundation/SiblingFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string_view>

namespace platform {

namespace {

std::uint32_t fnv1a(std::string_view text) {
  std::uint32_t hash = 2166136261u;
  for (char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 16777619u;
  }
  return hash;
}

}  // namespace

std::filesystem::path siblingFile(const std::filesystem::path& file, const std::string& suffix) {
  const std::filesystem::path folder = file.parent_path();
  const std::string name = file.filename().string();
  long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  if (limit <= 0) limit = 255;
  const auto maximum = static_cast<std::size_t>(limit);
  if (name.size() + suffix.size() <= maximum) return folder / (name + suffix);
  char hash[16];
  std::snprintf(hash, sizeof hash, "~%08x", static_cast<unsigned>(fnv1a(name)));
  const std::size_t fixed = suffix.size() + std::strlen(hash);
  std::size_t keep = maximum > fixed ? std::min(name.size(), maximum - fixed) : 0;
  while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80) --keep;  // whole UTF-8 sequences only
  return folder / (name.substr(0, keep) + hash + suffix);
}

int createTemporarySibling(const std::filesystem::path& file, std::filesystem::path& temporary) {
  static std::random_device randomDevice;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char tag[16];
    std::snprintf(tag, sizeof tag, "-%08x", static_cast<unsigned>(randomDevice()));
    temporary = siblingFile(file, ".tmp-" + std::to_string(::getpid()) + tag);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;  // errno is EEXIST
}

}  // namespace platform
