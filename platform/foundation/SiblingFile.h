#pragma once

#include <filesystem>
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

}  // namespace platform
