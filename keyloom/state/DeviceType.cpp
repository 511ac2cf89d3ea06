#include "keyloom/state/DeviceType.h"

#include "platform/input/Device.h"

namespace keyloom {

DeviceType currentDeviceType() {
  const bool isPad = platform::Device::current().userInterfaceIdiom() == platform::UserInterfaceIdiom::pad;
  return isPad ? DeviceType::pad : DeviceType::phone;
}

}  // namespace keyloom
