#pragma once

#include <stdexcept>
#include <string>

namespace platform {

// Base of every error the system throws. The description is what a user or a
// log would be shown.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& description) : std::runtime_error(description) {}
  virtual std::string description() const { return what(); }
};

}  // namespace platform
