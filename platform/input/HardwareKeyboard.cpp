#include "platform/input/HardwareKeyboard.h"

#include <algorithm>

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ProcessState.h"

namespace platform {

const char* const HardwareKeyboard::didConnectNotification = "GCKeyboardDidConnectNotification";
const char* const HardwareKeyboard::didDisconnectNotification = "GCKeyboardDidDisconnectNotification";

namespace {

std::vector<std::shared_ptr<HardwareKeyboard>>& attached() {
  static std::vector<std::shared_ptr<HardwareKeyboard>> keyboards = [] {
    registerProcessReset([] { attached().clear(); });
    return std::vector<std::shared_ptr<HardwareKeyboard>>{};
  }();
  return keyboards;
}

}  // namespace

std::shared_ptr<HardwareKeyboard> HardwareKeyboard::coalescedKeyboard() {
  // The coalesced keyboard stands for all of them; the first one is as good
  // a representative as any.
  return attached().empty() ? nullptr : attached().front();
}

const std::vector<std::shared_ptr<HardwareKeyboard>>& HardwareKeyboard::attachedKeyboards() {
  return attached();
}

std::shared_ptr<HardwareKeyboard> HardwareKeyboard::connect(std::string name) {
  auto keyboard = std::make_shared<HardwareKeyboard>(std::move(name));
  attached().push_back(keyboard);
  NotificationCenter::defaultCenter().post(didConnectNotification, keyboard);
  return keyboard;
}

void HardwareKeyboard::disconnect(const std::shared_ptr<HardwareKeyboard>& keyboard) {
  auto& keyboards = attached();
  keyboards.erase(std::remove(keyboards.begin(), keyboards.end(), keyboard), keyboards.end());
  NotificationCenter::defaultCenter().post(didDisconnectNotification, keyboard);
}

}  // namespace platform
