#include "keyloom/services/NextKeyboardController.h"

#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

std::weak_ptr<platform::InputViewController>& sharedSlot() {
  static auto* slot = [] {
    static std::weak_ptr<platform::InputViewController> instance;
    platform::registerProcessReset([] { instance.reset(); });
    return &instance;
  }();
  return *slot;
}

}  // namespace

std::shared_ptr<platform::InputViewController> NextKeyboardController::shared() { return sharedSlot().lock(); }

void NextKeyboardController::setShared(std::weak_ptr<platform::InputViewController> controller) {
  sharedSlot() = std::move(controller);
}

}  // namespace keyloom
