#include "platform/input/Device.h"

#include "platform/foundation/ProcessState.h"

namespace platform {

Device& Device::current() {
  static Device device;
  static const bool registered = [] {
    registerProcessReset([] { device = Device(); });
    return true;
  }();
  (void)registered;
  return device;
}

}  // namespace platform
