#pragma once

#include <string>

namespace platform {

// The platform's user-interface idioms, with their raw values.
enum class UserInterfaceIdiom : int {
  unspecified = -1,
  phone = 0,
  pad = 1,
  tv = 2,
  carPlay = 3,
  mac = 5,
  vision = 6,
};

// The device the keyboard runs on. The simulated host configures it; tests may
// set it directly. The process reset puts back a phone.
class Device {
 public:
  static Device& current();

  UserInterfaceIdiom userInterfaceIdiom() const { return idiom_; }
  void setUserInterfaceIdiom(UserInterfaceIdiom idiom) { idiom_ = idiom; }

  // Devices without a home button (the default, as current phones and pads)
  // show the platform's own keyboard switch key below every keyboard.
  bool hasHomeButton() const { return hasHomeButton_; }
  void setHasHomeButton(bool value) { hasHomeButton_ = value; }

  const std::string& systemName() const { return systemName_; }
  const std::string& systemVersion() const { return systemVersion_; }
  void setSystemVersion(std::string version) { systemVersion_ = std::move(version); }

 private:
  Device() = default;

  UserInterfaceIdiom idiom_ = UserInterfaceIdiom::phone;
  bool hasHomeButton_ = false;
  std::string systemName_ = "Simulated";
  std::string systemVersion_ = "17.0";
};

}  // namespace platform
