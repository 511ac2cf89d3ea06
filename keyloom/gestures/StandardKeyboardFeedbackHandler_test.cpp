#include "keyloom/gestures/StandardKeyboardFeedbackHandler.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/feedback/FeedbackLog.h"
#include "platform/foundation/URL.h"

namespace keyloom {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Audio = AudioFeedbackConfiguration;
using Haptic = HapticFeedbackConfiguration;
using G = KeyboardGesture;
using H = HapticFeedback;

struct Outcome {
  G gesture;
  KeyboardAction action;
  std::vector<std::string> withStandardHaptics;  // standard sounds, standard haptics
  std::vector<std::string> withEnabledHaptics;   // standard sounds, enabled haptics
};

class FeedbackOutcomes : public ::testing::TestWithParam<Outcome> {};

TEST_P(FeedbackOutcomes, PlaysWhatTheSettingsSay) {
  const Outcome& o = GetParam();
  auto settings = std::make_shared<KeyboardFeedbackSettings>(Audio::standard(), Haptic::standard());
  StandardKeyboardFeedbackHandler handler(settings);

  handler.triggerFeedback(o.gesture, o.action);
  EXPECT_EQ(platform::FeedbackLog::playedDescriptions(), o.withStandardHaptics) << o.action;

  platform::FeedbackLog::clear();
  settings->hapticConfiguration = Haptic::enabled();  // seen at the next gesture
  handler.triggerFeedback(o.gesture, o.action);
  EXPECT_EQ(platform::FeedbackLog::playedDescriptions(), o.withEnabledHaptics) << o.action;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FeedbackOutcomes,
    ::testing::Values(
        Outcome{G::press, KeyboardAction::character("a"), {"sound 1104"}, {"sound 1104", "impact light"}},
        Outcome{G::press, KeyboardAction::backspace(), {"sound 1155"}, {"sound 1155", "impact light"}},
        Outcome{G::repeatPress, KeyboardAction::backspace(), {"sound 1155"}, {"sound 1155", "selection"}},
        Outcome{G::press, KeyboardAction::shift(KeyboardCase::lowercased), {"sound 1156"}, {"sound 1156", "impact light"}},
        Outcome{G::press, KeyboardAction::space(), {"sound 1104"}, {"sound 1104", "impact light"}},
        Outcome{G::longPress, KeyboardAction::space(), {"impact medium"}, {"impact medium"}},
        Outcome{G::longPress, KeyboardAction::character("a"), {"sound 1104"}, {"sound 1104", "impact medium"}},
        Outcome{G::press, KeyboardAction::custom("x"), {}, {"impact light"}},
        Outcome{G::doubleTap, KeyboardAction::url(platform::URL::fromString("https://example.org")), {},
                {"impact light"}},
        Outcome{G::release, KeyboardAction::character("a"), {"sound 1104"}, {"sound 1104", "impact light"}},
        Outcome{G::press, KeyboardAction::primary(KeyboardReturnKeyType::return_()), {"sound 1156"},
                {"sound 1156", "impact light"}},
        Outcome{G::press, KeyboardAction::primary(KeyboardReturnKeyType::done()), {}, {"impact light"}}));

TEST(StandardKeyboardFeedbackHandler, AudioOverrideAppliesToEveryGestureFirstMatchWins) {
  Audio audio = Audio::standard();
  audio.actions = {{KeyboardAction::space(), AudioFeedback::custom(1306)},
                   {KeyboardAction::space(), AudioFeedback::custom(1)},
                   {KeyboardAction::character("q"), AudioFeedback::none()}};
  auto settings = std::make_shared<KeyboardFeedbackSettings>(audio, Haptic::noFeedback());
  StandardKeyboardFeedbackHandler handler(settings);

  handler.triggerFeedback(G::longPress, KeyboardAction::space());  // before the long-press silence
  handler.triggerFeedback(G::press, KeyboardAction::space());
  handler.triggerFeedback(G::press, KeyboardAction::character("q"));  // silenced key
  handler.triggerFeedback(G::press, KeyboardAction::character("w"));
  EXPECT_THAT(platform::FeedbackLog::playedDescriptions(), ElementsAre("sound 1306", "sound 1306", "sound 1104"));
}

TEST(StandardKeyboardFeedbackHandler, HapticOverrideAppliesToItsGestureOnly) {
  Haptic haptic = Haptic::enabled();
  haptic.actions = {{KeyboardAction::space(), G::longPress, H::error},
                    {KeyboardAction::space(), G::longPress, H::success},
                    {KeyboardAction::backspace(), G::repeatPress, H::none}};
  auto settings = std::make_shared<KeyboardFeedbackSettings>(Audio::noFeedback(), haptic);
  StandardKeyboardFeedbackHandler handler(settings);

  handler.triggerFeedback(G::longPress, KeyboardAction::space());
  handler.triggerFeedback(G::press, KeyboardAction::space());
  handler.triggerFeedback(G::repeatPress, KeyboardAction::backspace());
  handler.triggerFeedback(G::press, KeyboardAction::backspace());
  EXPECT_THAT(platform::FeedbackLog::playedDescriptions(),
              ElementsAre("notification error", "impact light", "impact light"));
}

TEST(StandardKeyboardFeedbackHandler, NoFeedbackPlaysNothing) {
  auto settings = std::make_shared<KeyboardFeedbackSettings>(Audio::noFeedback(), Haptic::noFeedback());
  StandardKeyboardFeedbackHandler handler(settings);
  for (G gesture : allCases<G>()) {
    handler.triggerFeedback(gesture, KeyboardAction::character("a"));
    handler.triggerFeedback(gesture, KeyboardAction::space());
  }
  EXPECT_THAT(platform::FeedbackLog::played(), IsEmpty());
}

// A subclass replaces one half; triggerFeedback reaches it through dispatch.
class SilentHaptics : public StandardKeyboardFeedbackHandler {
 public:
  using StandardKeyboardFeedbackHandler::StandardKeyboardFeedbackHandler;
  void triggerHapticFeedback(G, const KeyboardAction&) override { ++hapticCalls; }
  int hapticCalls = 0;
};

TEST(StandardKeyboardFeedbackHandler, TriggerFeedbackDispatchesToOverrides) {
  auto settings = std::make_shared<KeyboardFeedbackSettings>(Audio::standard(), Haptic::enabled());
  SilentHaptics handler(settings);
  handler.triggerFeedback(G::press, KeyboardAction::backspace());
  EXPECT_EQ(handler.hapticCalls, 1);
  EXPECT_THAT(platform::FeedbackLog::playedDescriptions(), ElementsAre("sound 1155"));
  EXPECT_EQ(handler.audioConfig(), Audio::standard());
  EXPECT_EQ(handler.hapticConfig(), Haptic::enabled());
}

}  // namespace
}  // namespace keyloom
