#include "platform/foundation/SiblingFile.h"

#include <fcntl.h>
#include <signal.h>
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

const std::string temporaryMarker = ".tmp-";

// The pid in `suffix` when it is a temporary's suffix of the names allowed
// (see TemporaryNames); 0 otherwise.
long temporaryOwner(const std::string& suffix, TemporaryNames names) {
  if (suffix.rfind(temporaryMarker, 0) != 0) return 0;
  const std::string rest = suffix.substr(temporaryMarker.size());
  const std::size_t dash = rest.find('-');
  const std::string digits = rest.substr(0, dash);
  if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) {
    return 0;
  }
  if (dash == std::string::npos && names == TemporaryNames::tagged) return 0;
  if (dash != std::string::npos) {
    const std::string tag = rest.substr(dash + 1);
    if (tag.size() != 8 || tag.find_first_not_of("0123456789abcdef") != std::string::npos) return 0;
  }
  return std::stol(digits);
}

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
    temporary = siblingFile(file, temporaryMarker + std::to_string(::getpid()) + tag);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;  // errno is EEXIST
}

void removeStaleTemporarySiblings(std::span<const std::filesystem::path> owners, TemporaryNames names) {
  if (owners.empty()) return;
  const std::filesystem::path folder =
      owners.front().parent_path().empty() ? "." : owners.front().parent_path();
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    const std::size_t at = name.rfind(temporaryMarker);
    if (at == std::string::npos) continue;
    const std::string suffix = name.substr(at);
    const long pid = temporaryOwner(suffix, names);
    const auto owns = [&](const std::filesystem::path& owner) {
      return siblingFile(owner, suffix).filename() == name;
    };
    if (pid <= 0 || std::none_of(owners.begin(), owners.end(), owns)) continue;
    if (pid == ::getpid() || ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    ::unlink(it->path().c_str());
  }
}

}  // namespace platform
