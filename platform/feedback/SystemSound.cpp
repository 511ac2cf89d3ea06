#include "platform/feedback/SystemSound.h"

#include "platform/feedback/FeedbackLog.h"

namespace platform {

void playSystemSound(std::uint32_t soundId) {
  FeedbackLog::record({FeedbackEvent::Kind::systemSound, soundId, {}});
}

}  // namespace platform
