#include "keyloom/gestures/HapticFeedback.h"

#include <optional>

#include "keyloom/gestures/StandardHapticFeedbackEngine.h"
#include "platform/coding/EnumCoding.h"
#include "platform/foundation/ProcessState.h"

namespace keyloom {

namespace {

// nullopt until first read, so the first read captures the shared engine.
std::optional<std::shared_ptr<HapticFeedbackEngine>>& engineSlot() {
  static auto* slot = [] {
    static std::optional<std::shared_ptr<HapticFeedbackEngine>> instance;
    platform::registerProcessReset([] { instance.reset(); });
    return &instance;
  }();
  return *slot;
}

}  // namespace

void trigger(HapticFeedback feedback) {
  if (auto engine = hapticFeedbackEngine()) engine->trigger(feedback);
}

void prepare(HapticFeedback feedback) {
  if (auto engine = hapticFeedbackEngine()) engine->prepare(feedback);
}

std::shared_ptr<HapticFeedbackEngine> hapticFeedbackEngine() {
  auto& slot = engineSlot();
  if (!slot) slot = std::shared_ptr<HapticFeedbackEngine>(StandardHapticFeedbackEngine::shared());
  return *slot;
}

void setHapticFeedbackEngine(std::shared_ptr<HapticFeedbackEngine> engine) { engineSlot() = std::move(engine); }

std::ostream& operator<<(std::ostream& out, HapticFeedback feedback) { return out << rawValue(feedback); }

void encodeValue(platform::Encoder& encoder, HapticFeedback feedback) {
  platform::encodeRawValue(encoder, rawValue(feedback));
}

HapticFeedback decodeValue(platform::Decoder& decoder, std::type_identity<HapticFeedback>) {
  return static_cast<HapticFeedback>(
      platform::decodeRawValue(decoder, RawValueTable<HapticFeedback>::names, "HapticFeedback"));
}

}  // namespace keyloom
