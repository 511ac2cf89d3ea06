#pragma once

#include <string>

#include "platform/foundation/Error.h"

namespace platform::plugin {

// Raised when bytes cannot be read as a channel message (truncated, unknown
// type, sizes beyond the message, too deep, trailing bytes) or a value cannot
// be written as one. The description says what and where.
class CodecError : public platform::Error {
 public:
  using platform::Error::Error;
};

}  // namespace platform::plugin
