#include "platform/coding/JSONDecoder.h"

namespace platform {

namespace {

constexpr const char* notValidJSON = "The given data was not valid JSON.";

// Deeply nested input would make every recursive reader (ours and the
// callers') run out of stack, so it is refused before parsing.
bool nestsDeeperThan(std::string_view text, int limit) {
  int depth = 0;
  bool inString = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inString) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > limit) return true;
    } else if (c == ']' || c == '}') {
      --depth;
    }
  }
  return false;
}

}  // namespace

nlohmann::ordered_json JSONDecoder::parse(std::string_view json) {
  if (nestsDeeperThan(json, maximumDepth)) {
    throw DecodingError::dataCorrupted(
        {}, notValidJSON, "The data nests deeper than " + std::to_string(maximumDepth) + " levels.");
  }
  try {
    return nlohmann::ordered_json::parse(json.begin(), json.end());
  } catch (const nlohmann::ordered_json::exception& error) {
    throw DecodingError::dataCorrupted({}, notValidJSON, error.what());
  }
}

}  // namespace platform
