#include "keyloom/gestures/StandardHapticFeedbackEngine.h"

#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

std::shared_ptr<StandardHapticFeedbackEngine>& sharedSlot() {
  static auto* slot = [] {
    static std::shared_ptr<StandardHapticFeedbackEngine> instance;
    platform::registerProcessReset([] { instance.reset(); });
    return &instance;
  }();
  return *slot;
}

}  // namespace

void StandardHapticFeedbackEngine::prepare(HapticFeedback feedback) {
  switch (feedback) {
    case HapticFeedback::error:
    case HapticFeedback::success:
    case HapticFeedback::warning:
      notificationGenerator.prepare();
      break;
    case HapticFeedback::lightImpact:
      lightImpactGenerator.prepare();
      break;
    case HapticFeedback::mediumImpact:
      mediumImpactGenerator.prepare();
      break;
    case HapticFeedback::heavyImpact:
      heavyImpactGenerator.prepare();
      break;
    case HapticFeedback::selectionChanged:
      selectionGenerator.prepare();
      break;
    case HapticFeedback::none:
      break;
  }
}

void StandardHapticFeedbackEngine::trigger(HapticFeedback feedback) {
  using Type = platform::NotificationFeedbackGenerator::FeedbackType;
  switch (feedback) {
    case HapticFeedback::error:
      notificationGenerator.notificationOccurred(Type::error);
      break;
    case HapticFeedback::success:
      notificationGenerator.notificationOccurred(Type::success);
      break;
    case HapticFeedback::warning:
      notificationGenerator.notificationOccurred(Type::warning);
      break;
    case HapticFeedback::lightImpact:
      lightImpactGenerator.impactOccurred();
      break;
    case HapticFeedback::mediumImpact:
      mediumImpactGenerator.impactOccurred();
      break;
    case HapticFeedback::heavyImpact:
      heavyImpactGenerator.impactOccurred();
      break;
    case HapticFeedback::selectionChanged:
      selectionGenerator.selectionChanged();
      break;
    case HapticFeedback::none:
      break;
  }
}

std::shared_ptr<StandardHapticFeedbackEngine> StandardHapticFeedbackEngine::shared() {
  auto& slot = sharedSlot();
  if (!slot) slot = std::make_shared<StandardHapticFeedbackEngine>();
  return slot;
}

void StandardHapticFeedbackEngine::setShared(std::shared_ptr<StandardHapticFeedbackEngine> engine) {
  sharedSlot() = std::move(engine);
}

}  // namespace keyloom
