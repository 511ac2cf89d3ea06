#pragma once

#include <filesystem>
#include <span>
#include <string>

namespace platform {

// A file beside `file` named "<name><suffix>". When that is longer than the
// folder's file system allows, the name (never the suffix) is shortened and
// marked with a hash of the whole name, so files whose names share a long
// prefix still get different siblings.
std::filesystem::path siblingFile(const std::filesystem::path& file, const std::string& suffix);

// A new file beside `file` to write it anew in, named
// "<name>.tmp-<pid>-<8 hex digits>": created exclusively under an unguessable
// name, never through a link (anyone who may write in the folder could plant
// one), with the mode the umask allows. The write-only descriptor, with
// `temporary` set to its path; -1 with errno set when none could be created.
int createTemporarySibling(const std::filesystem::path& file, std::filesystem::path& temporary);

// The names a writer's temporaries may have.
enum class TemporaryNames {
  // "<name>.tmp-<pid>-<8 hex digits>", as createTemporarySibling names them.
  tagged,
  // Those, and "<name>.tmp-<pid>", as writers named them before.
  taggedOrUntagged,
};

// Removes the temporaries that writers of `owners` (files in one folder) left
// beside them when they were killed while writing: only files named exactly
// as such a writer names them (see siblingFile), and only where that writer's
// process is gone. One of this process, or of any process alive, stays. A
// dead writer's pid taken by a new process keeps its temporary until that one
// ends too.
void removeStaleTemporarySiblings(std::span<const std::filesystem::path> owners, TemporaryNames names);
inline void removeStaleTemporarySiblings(const std::filesystem::path& owner, TemporaryNames names) {
  removeStaleTemporarySiblings(std::span(&owner, 1), names);
}

}  // namespace platform
