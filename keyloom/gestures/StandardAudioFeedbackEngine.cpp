#include "keyloom/gestures/StandardAudioFeedbackEngine.h"

#include "keyloom/gestures/AudioFeedback.h"
#include "platform/feedback/SystemSound.h"
#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

std::shared_ptr<StandardAudioFeedbackEngine>& sharedSlot() {
  static auto* slot = [] {
    static std::shared_ptr<StandardAudioFeedbackEngine> instance;
    platform::registerProcessReset([] { instance.reset(); });
    return &instance;
  }();
  return *slot;
}

}  // namespace

void StandardAudioFeedbackEngine::trigger(const AudioFeedback& feedback) {
  if (feedback.is<audio_feedback::None>()) return;
  platform::playSystemSound(feedback.id());
}

std::shared_ptr<StandardAudioFeedbackEngine> StandardAudioFeedbackEngine::shared() {
  auto& slot = sharedSlot();
  if (!slot) slot = std::make_shared<StandardAudioFeedbackEngine>();
  return slot;
}

void StandardAudioFeedbackEngine::setShared(std::shared_ptr<StandardAudioFeedbackEngine> engine) {
  sharedSlot() = std::move(engine);
}

}  // namespace keyloom
