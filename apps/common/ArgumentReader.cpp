#include "apps/common/ArgumentReader.h"

namespace keyloom_apps {

bool ArgumentReader::next() {
  if (started_) ++index_;
  started_ = true;
  if (index_ >= arguments_.size()) return false;
  const std::string& argument = arguments_[index_];
  name_ = argument;
  inlineValue_.reset();
  if (argument.rfind("--", 0) == 0) {
    const std::size_t equals = argument.find('=');
    if (equals != std::string::npos) {
      name_ = argument.substr(0, equals);
      inlineValue_ = argument.substr(equals + 1);
    }
  }
  return true;
}

std::string ArgumentReader::value() {
  if (inlineValue_) return *inlineValue_;
  if (index_ + 1 >= arguments_.size()) throw UsageError(name_ + " needs a value");
  return arguments_[++index_];
}

void ArgumentReader::noValue() const {
  if (inlineValue_) throw UsageError(name_ + " takes no value");
}

}  // namespace keyloom_apps
