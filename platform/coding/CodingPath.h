#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

// The keys that lead from the top-level value to the value being coded.
// Positions in an unkeyed container appear as "Index 0", "Index 1", ...
using CodingPath = std::vector<std::string>;

std::string indexKey(std::size_t index);

// "a.Index 0.b"; empty for the top level.
std::string codingPathDescription(const CodingPath& path);

}  // namespace platform
