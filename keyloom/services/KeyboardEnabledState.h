#pragma once

#include <memory>
#include <string>
#include <vector>

#include "keyloom/services/KeyboardEnabledStateInspector.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ObserverToken.h"
#include "platform/reactive/ObservableObject.h"
#include "platform/reactive/Published.h"

namespace keyloom {

// Posted when the app comes to the foreground; the platform's own name.
extern const char* const applicationDidBecomeActiveNotification;

// Keeps "is this keyboard enabled, and is it the one shown" current for an
// app: refreshed at creation, when the app becomes active, and half a second
// after the current input mode changes (the system updates its lists late).
class KeyboardEnabledState : public platform::ObservableObject, public KeyboardEnabledStateInspector {
 public:
  // `bundleId` may end with "*" to match every keyboard with that prefix.
  // `notificationCenter` must outlive the state.
  KeyboardEnabledState(std::string bundleId, platform::NotificationCenter& notificationCenter);
  ~KeyboardEnabledState() override;
  KeyboardEnabledState(const KeyboardEnabledState&) = delete;
  KeyboardEnabledState& operator=(const KeyboardEnabledState&) = delete;

  static constexpr double inputModeRefreshDelay = 0.5;

  const std::string& bundleId() const { return bundleId_; }
  platform::NotificationCenter& notificationCenter() const { return *notificationCenter_; }

  platform::Published<bool> isKeyboardActive{*this, false};
  platform::Published<bool> isKeyboardEnabled{*this, false};

  // Assigns both values, changed or not, so observers always hear of it.
  void refresh();

 private:
  std::string bundleId_;
  platform::NotificationCenter* notificationCenter_;
  std::vector<platform::ObserverToken> cancellables_;
  // Delayed refreshes hold this weakly, so they do nothing once the state is gone.
  std::shared_ptr<KeyboardEnabledState*> lifetime_;
};

}  // namespace keyloom
