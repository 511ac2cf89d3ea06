#include "keyloom/services/KeyboardEnabledState.h"

#include <utility>

#include "platform/foundation/MainQueue.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/input/TextInputMode.h"

namespace keyloom {

const char* const applicationDidBecomeActiveNotification = "ApplicationDidBecomeActive";

KeyboardEnabledState::KeyboardEnabledState(std::string bundleId, platform::NotificationCenter& notificationCenter)
    : bundleId_(std::move(bundleId)),
      notificationCenter_(&notificationCenter),
      lifetime_(std::make_shared<KeyboardEnabledState*>(this)) {
  std::weak_ptr<KeyboardEnabledState*> weak = lifetime_;
  cancellables_.push_back(
      notificationCenter.addObserver(applicationDidBecomeActiveNotification, [weak](const platform::Notification&) {
        if (auto self = weak.lock()) (*self)->refresh();
      }));
  cancellables_.push_back(notificationCenter.addObserver(
      platform::TextInputMode::currentInputModeDidChangeNotification, [weak](const platform::Notification&) {
        platform::MainQueue::main().asyncAfter(inputModeRefreshDelay, [weak] {
          if (auto self = weak.lock()) (*self)->refresh();
        });
      }));
  refresh();
}

KeyboardEnabledState::~KeyboardEnabledState() = default;

void KeyboardEnabledState::refresh() {
  isKeyboardActive.set(KeyboardEnabledStateInspector::isKeyboardActive(bundleId_));
  isKeyboardEnabled.set(
      KeyboardEnabledStateInspector::isKeyboardEnabled(bundleId_, platform::UserDefaults::standard()));
}

}  // namespace keyloom
