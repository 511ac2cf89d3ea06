#pragma once

#include <memory>
#include <string>
#include <vector>

namespace platform {

// Hardware keyboards attached to the device. The platform merges them into one
// coalesced keyboard, present while at least one is attached, and posts a
// connect or disconnect notification on NotificationCenter::defaultCenter()
// for each one that comes or goes (the keyboard is the notification's object).
// The simulated host, or a test, attaches and detaches them.
class HardwareKeyboard {
 public:
  static const char* const didConnectNotification;
  static const char* const didDisconnectNotification;

  explicit HardwareKeyboard(std::string name) : name_(std::move(name)) {}
  const std::string& name() const { return name_; }

  // The coalesced keyboard; null while no keyboard is attached.
  static std::shared_ptr<HardwareKeyboard> coalescedKeyboard();
  static const std::vector<std::shared_ptr<HardwareKeyboard>>& attachedKeyboards();

  // Attaches a keyboard, then posts the connect notification.
  static std::shared_ptr<HardwareKeyboard> connect(std::string name = "Keyboard");
  // Detaches the keyboard (nothing when it is not attached), then posts the
  // disconnect notification.
  static void disconnect(const std::shared_ptr<HardwareKeyboard>& keyboard);

 private:
  std::string name_;
};

}  // namespace platform
