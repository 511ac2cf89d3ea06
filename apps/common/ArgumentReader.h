#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Error.h"

namespace keyloom_apps {

// A command line a program cannot run: an unknown option, a missing or bad
// value. The programs print it with their usage hint and exit with 2.
class UsageError : public platform::Error {
 public:
  using platform::Error::Error;
};

// Walks a program's arguments one option at a time. An option's value is the
// next argument or follows "=" (--locale=de).
class ArgumentReader {
 public:
  explicit ArgumentReader(const std::vector<std::string>& arguments) : arguments_(arguments) {}

  // Moves to the next argument; false when none is left.
  bool next();
  // The current argument as given, and its name without an "=value" part.
  const std::string& argument() const { return arguments_[index_]; }
  const std::string& name() const { return name_; }
  // The current option's value; throws UsageError when it has none.
  std::string value();
  // Throws UsageError when the current option was given a value.
  void noValue() const;

 private:
  const std::vector<std::string>& arguments_;
  std::size_t index_ = 0;
  bool started_ = false;
  std::string name_;
  std::optional<std::string> inlineValue_;
};

}  // namespace keyloom_apps
