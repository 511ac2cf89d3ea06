#include "keyloom/state/ExternalKeyboardContext.h"

#include "platform/input/HardwareKeyboard.h"

namespace keyloom {

using platform::HardwareKeyboard;

ExternalKeyboardContext::ExternalKeyboardContext(platform::NotificationCenter& notificationCenter) {
  performSync();
  didConnect_ = notificationCenter.addObserver(HardwareKeyboard::didConnectNotification,
                                               [this](const platform::Notification&) { performSync(); });
  didDisconnect_ = notificationCenter.addObserver(HardwareKeyboard::didDisconnectNotification,
                                                  [this](const platform::Notification&) { performSync(); });
}

void ExternalKeyboardContext::performSync() {
  isExternalKeyboardConnected = HardwareKeyboard::coalescedKeyboard() != nullptr;
}

}  // namespace keyloom
