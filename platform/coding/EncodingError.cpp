#include "platform/coding/EncodingError.h"

#include <utility>

namespace platform {

EncodingError::EncodingError(std::string value, CodingPath codingPath, std::string debugDescription)
    : Error(debugDescription),
      value_(std::move(value)),
      codingPath_(std::move(codingPath)),
      debugDescription_(std::move(debugDescription)) {}

EncodingError EncodingError::invalidValue(std::string value, CodingPath codingPath,
                                          std::string debugDescription) {
  return EncodingError(std::move(value), std::move(codingPath), std::move(debugDescription));
}

}  // namespace platform
