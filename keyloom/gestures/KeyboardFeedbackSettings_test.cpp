#include "keyloom/gestures/KeyboardFeedbackSettings.h"

#include <gtest/gtest.h>

namespace keyloom {
namespace {

using Audio = AudioFeedbackConfiguration;
using Haptic = HapticFeedbackConfiguration;

KeyboardFeedbackSettings standardSettings() { return KeyboardFeedbackSettings(Audio::standard(), Haptic::standard()); }

TEST(KeyboardFeedbackSettings, EnabledMeansNotExactlyNoFeedback) {
  KeyboardFeedbackSettings settings = standardSettings();
  EXPECT_TRUE(settings.isAudioFeedbackEnabled());
  EXPECT_TRUE(settings.isHapticFeedbackEnabled());

  settings.disableAudioFeedback();
  settings.disableHapticFeedback();
  EXPECT_FALSE(settings.isAudioFeedbackEnabled());
  EXPECT_FALSE(settings.isHapticFeedbackEnabled());

  // Silent sounds with one override still count as enabled.
  Audio silentWithOverride = Audio::noFeedback();
  silentWithOverride.actions.emplace_back(KeyboardAction::space(), AudioFeedback::none());
  settings.audioConfiguration = silentWithOverride;
  EXPECT_TRUE(settings.isAudioFeedbackEnabled());
}

TEST(KeyboardFeedbackSettings, EnableUsesTheStandardPresets) {
  KeyboardFeedbackSettings settings(Audio::noFeedback(), Haptic::enabled());
  settings.enableAudioFeedback();
  settings.enableHapticFeedback();
  EXPECT_EQ(settings.audioConfiguration.get(), Audio::standard());
  EXPECT_EQ(settings.hapticConfiguration.get(), Haptic::standard());
  EXPECT_TRUE(settings.isHapticFeedbackEnabled());
}

TEST(KeyboardFeedbackSettings, ToggleReplacesTheWholeConfiguration) {
  KeyboardFeedbackSettings settings = standardSettings();
  settings.toggleAudioFeedback();
  settings.toggleAudioFeedback();
  EXPECT_EQ(settings.audioConfiguration.get(), Audio::standard());

  Audio withOverride = Audio::standard();
  withOverride.actions.emplace_back(KeyboardAction::backspace(), AudioFeedback::custom(1));
  settings.audioConfiguration = withOverride;
  settings.toggleAudioFeedback();
  EXPECT_EQ(settings.audioConfiguration.get(), Audio::noFeedback());
  settings.toggleAudioFeedback();
  EXPECT_EQ(settings.audioConfiguration.get(), Audio::standard());  // the override is gone

  settings.hapticConfiguration = Haptic::enabled();
  settings.toggleHapticFeedback();
  EXPECT_EQ(settings.hapticConfiguration.get(), Haptic::noFeedback());
  settings.toggleHapticFeedback();
  EXPECT_EQ(settings.hapticConfiguration.get(), Haptic::standard());
}

TEST(KeyboardFeedbackSettings, EverySwitchPublishes) {
  KeyboardFeedbackSettings settings = standardSettings();
  int changes = 0;
  auto token = settings.objectWillChange().sink([&] { ++changes; });
  settings.enableAudioFeedback();  // even an equal value is announced
  settings.disableHapticFeedback();
  settings.toggleHapticFeedback();
  EXPECT_EQ(changes, 3);
}

TEST(KeyboardFeedbackSettings, StandardIsOneSharedInstance) {
  auto shared = KeyboardFeedbackSettings::standard();
  EXPECT_EQ(shared, KeyboardFeedbackSettings::standard());
  EXPECT_EQ(shared->audioConfiguration.get(), Audio::standard());
  EXPECT_EQ(shared->hapticConfiguration.get(), Haptic::standard());
}

}  // namespace
}  // namespace keyloom
