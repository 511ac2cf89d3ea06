#include "platform/plugin/BinaryMessenger.h"

#include <iostream>

namespace platform::plugin {

void BinaryMessenger::reportRefusedReply(const std::string& channel, const std::string& description) {
  std::cerr << "Channel \"" << channel << "\": " << description << '\n';
}

}  // namespace platform::plugin
