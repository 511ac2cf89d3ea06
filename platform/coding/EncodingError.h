#pragma once

#include <string>

#include "platform/coding/CodingPath.h"
#include "platform/foundation/Error.h"

namespace platform {

// A value that the encoder cannot represent (a non-finite double, text that is
// not UTF-8, a top-level value that wrote nothing, a container asked for in a
// place already holding another kind of value).
class EncodingError : public Error {
 public:
  static EncodingError invalidValue(std::string value, CodingPath codingPath, std::string debugDescription);

  // A description of the value that failed ("nan", "String").
  const std::string& value() const { return value_; }
  const CodingPath& codingPath() const { return codingPath_; }
  const std::string& debugDescription() const { return debugDescription_; }

 private:
  EncodingError(std::string value, CodingPath codingPath, std::string debugDescription);

  std::string value_;
  CodingPath codingPath_;
  std::string debugDescription_;
};

}  // namespace platform
