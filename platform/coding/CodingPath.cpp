#include "platform/coding/CodingPath.h"

namespace platform {

std::string indexKey(std::size_t index) { return "Index " + std::to_string(index); }

std::string codingPathDescription(const CodingPath& path) {
  std::string result;
  for (const std::string& key : path) {
    if (!result.empty()) result += '.';
    result += key;
  }
  return result;
}

}  // namespace platform
