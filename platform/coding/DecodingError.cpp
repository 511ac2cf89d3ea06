#include "platform/coding/DecodingError.h"

#include <utility>

namespace platform {

DecodingError::DecodingError(Kind kind, std::string type, std::string key, CodingPath codingPath,
                             std::string debugDescription, std::optional<std::string> underlyingError)
    : Error(debugDescription),
      kind_(kind),
      type_(std::move(type)),
      key_(std::move(key)),
      codingPath_(std::move(codingPath)),
      debugDescription_(std::move(debugDescription)),
      underlyingError_(std::move(underlyingError)) {}

DecodingError DecodingError::typeMismatch(std::string type, CodingPath codingPath,
                                          std::string debugDescription,
                                          std::optional<std::string> underlyingError) {
  return DecodingError(Kind::typeMismatch, std::move(type), {}, std::move(codingPath),
                       std::move(debugDescription), std::move(underlyingError));
}

DecodingError DecodingError::keyNotFound(std::string key, CodingPath codingPath,
                                         std::string debugDescription) {
  return DecodingError(Kind::keyNotFound, {}, std::move(key), std::move(codingPath),
                       std::move(debugDescription), std::nullopt);
}

DecodingError DecodingError::valueNotFound(std::string type, CodingPath codingPath,
                                           std::string debugDescription) {
  return DecodingError(Kind::valueNotFound, std::move(type), {}, std::move(codingPath),
                       std::move(debugDescription), std::nullopt);
}

DecodingError DecodingError::dataCorrupted(CodingPath codingPath, std::string debugDescription,
                                           std::optional<std::string> underlyingError) {
  return DecodingError(Kind::dataCorrupted, {}, {}, std::move(codingPath), std::move(debugDescription),
                       std::move(underlyingError));
}

std::string DecodingError::detailedDescription() const {
  std::string result = toString(kind_);
  if (!type_.empty()) result += " (" + type_ + ")";
  if (!key_.empty()) result += " (key \"" + key_ + "\")";
  result += " at [" + codingPathDescription(codingPath_) + "]: " + debugDescription_;
  if (underlyingError_) result += " Underlying error: " + *underlyingError_;
  return result;
}

const char* toString(DecodingError::Kind kind) {
  switch (kind) {
    case DecodingError::Kind::typeMismatch:
      return "typeMismatch";
    case DecodingError::Kind::keyNotFound:
      return "keyNotFound";
    case DecodingError::Kind::valueNotFound:
      return "valueNotFound";
    case DecodingError::Kind::dataCorrupted:
      return "dataCorrupted";
  }
  return "unknown";
}

}  // namespace platform
