#pragma once

#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ObserverToken.h"
#include "platform/reactive/ObservableObject.h"
#include "platform/reactive/Published.h"

namespace keyloom {

// Whether a hardware keyboard is connected, kept current by the platform's
// keyboard connect and disconnect notifications. Offered to code built on the
// library; the keyboard itself does not read it.
class ExternalKeyboardContext : public platform::ObservableObject {
 public:
  // Syncs at once, then listens on `notificationCenter`, which must outlive
  // the context or be the default centre.
  explicit ExternalKeyboardContext(
      platform::NotificationCenter& notificationCenter = platform::NotificationCenter::defaultCenter());

  // Written only by the context's own sync.
  platform::Published<bool> isExternalKeyboardConnected{*this, false};

  // Asks the platform again rather than trusting the notification's kind, and
  // assigns even an unchanged answer, so every notification is heard.
  void performSync();

 private:
  // Declared last so the registrations end before anything else of the
  // context is torn down: a freed context never hears a notification.
  platform::ObserverToken didConnect_;
  platform::ObserverToken didDisconnect_;
};

}  // namespace keyloom
