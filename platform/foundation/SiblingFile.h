#pragma once

#include <filesystem>
#include <string>

namespace platform {

// A file beside `file` named "<name><suffix>". When that is longer than the
// folder's file system allows, the name (never the suffix) is shortened and
// marked with a hash of the whole name, so files whose names share a long
// prefix still get different siblings.
std::filesystem::path siblingFile(const std::filesystem::path& file, const std::string& suffix);

}  // namespace platform
