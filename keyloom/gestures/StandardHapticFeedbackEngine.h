#pragma once

#include <memory>

#include "keyloom/gestures/HapticFeedbackEngine.h"
#include "platform/feedback/FeedbackGenerators.h"

namespace keyloom {

// Plays haptics through the device's generators, made once with the engine:
// error, success and warning as notifications, the three impacts with their
// own impact generators, selectionChanged as a selection change.
class StandardHapticFeedbackEngine : public HapticFeedbackEngine {
 public:
  void prepare(HapticFeedback feedback) override;
  void trigger(HapticFeedback feedback) override;

  // Made on first read; settable. A test run gets a fresh one after each reset.
  static std::shared_ptr<StandardHapticFeedbackEngine> shared();
  static void setShared(std::shared_ptr<StandardHapticFeedbackEngine> engine);

 private:
  platform::NotificationFeedbackGenerator notificationGenerator;
  platform::ImpactFeedbackGenerator lightImpactGenerator{platform::ImpactFeedbackGenerator::Style::light};
  platform::ImpactFeedbackGenerator mediumImpactGenerator{platform::ImpactFeedbackGenerator::Style::medium};
  platform::ImpactFeedbackGenerator heavyImpactGenerator{platform::ImpactFeedbackGenerator::Style::heavy};
  platform::SelectionFeedbackGenerator selectionGenerator;
};

}  // namespace keyloom
