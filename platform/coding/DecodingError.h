#pragma once

#include <optional>
#include <string>

#include "platform/coding/CodingPath.h"
#include "platform/foundation/Error.h"

namespace platform {

// Why a value could not be decoded, where (the coding path), and a debug
// description. description() and what() give the debug description alone, so
// callers can compare it with the texts the system specifies.
class DecodingError : public Error {
 public:
  enum class Kind { typeMismatch, keyNotFound, valueNotFound, dataCorrupted };

  // The value has another type than `type` ("String", "Dictionary<String, Any>", a type's name).
  static DecodingError typeMismatch(std::string type, CodingPath codingPath, std::string debugDescription,
                                    std::optional<std::string> underlyingError = std::nullopt);
  // A keyed container has no entry for `key`; the path is the container's.
  static DecodingError keyNotFound(std::string key, CodingPath codingPath, std::string debugDescription);
  // A value of `type` was expected but null (or nothing) was found.
  static DecodingError valueNotFound(std::string type, CodingPath codingPath, std::string debugDescription);
  // The data is not valid (not JSON, a number out of range, a value no case has).
  static DecodingError dataCorrupted(CodingPath codingPath, std::string debugDescription,
                                     std::optional<std::string> underlyingError = std::nullopt);

  Kind kind() const { return kind_; }
  const CodingPath& codingPath() const { return codingPath_; }
  const std::string& debugDescription() const { return debugDescription_; }
  // The expected type of a type mismatch or a value not found; empty otherwise.
  const std::string& type() const { return type_; }
  // The missing key of a key not found; empty otherwise.
  const std::string& key() const { return key_; }
  const std::optional<std::string>& underlyingError() const { return underlyingError_; }

  // Kind, path and description in one line, for logs and test failures.
  std::string detailedDescription() const;

 private:
  DecodingError(Kind kind, std::string type, std::string key, CodingPath codingPath,
                std::string debugDescription, std::optional<std::string> underlyingError);

  Kind kind_;
  std::string type_;
  std::string key_;
  CodingPath codingPath_;
  std::string debugDescription_;
  std::optional<std::string> underlyingError_;
};

const char* toString(DecodingError::Kind kind);

}  // namespace platform
