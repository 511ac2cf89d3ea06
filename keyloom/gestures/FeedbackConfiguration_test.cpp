#include <gtest/gtest.h>

#include "keyloom/gestures/AudioFeedbackConfiguration.h"
#include "keyloom/gestures/HapticFeedbackConfiguration.h"
#include "platform/coding/Codable.h"
#include "testing/FeedbackTesting.h"

namespace keyloom {
namespace {

using Audio = AudioFeedbackConfiguration;
using Haptic = HapticFeedbackConfiguration;
using H = HapticFeedback;
using Kind = platform::DecodingError::Kind;

TEST(AudioFeedbackConfiguration, PresetsTable) {
  struct Row {
    const Audio& preset;
    AudioFeedback deleteSound, input, system;
  };
  for (const Row& row : {Row{Audio::standard(), AudioFeedback::delete_(), AudioFeedback::input(), AudioFeedback::system()},
                         Row{Audio::enabled(), AudioFeedback::delete_(), AudioFeedback::input(), AudioFeedback::system()},
                         Row{Audio::noFeedback(), AudioFeedback::none(), AudioFeedback::none(), AudioFeedback::none()}}) {
    EXPECT_EQ(row.preset.delete_, row.deleteSound);
    EXPECT_EQ(row.preset.input, row.input);
    EXPECT_EQ(row.preset.system, row.system);
    EXPECT_TRUE(row.preset.actions.empty());
  }
  EXPECT_EQ(Audio::enabled(), Audio::standard());
}

TEST(AudioFeedbackConfiguration, ConstructorTakesInputDeleteSystem) {
  const Audio configuration(AudioFeedback::custom(1), AudioFeedback::custom(2), AudioFeedback::custom(3));
  EXPECT_EQ(configuration.input, AudioFeedback::custom(1));
  EXPECT_EQ(configuration.delete_, AudioFeedback::custom(2));
  EXPECT_EQ(configuration.system, AudioFeedback::custom(3));
}

TEST(HapticFeedbackConfiguration, PresetsTable) {
  struct Row {
    const Haptic& preset;
    H tap, doubleTap, longPress, longPressOnSpace, repeat;
  };
  for (const Row& row :
       {Row{Haptic::standard(), H::none, H::none, H::none, H::mediumImpact, H::none},
        Row{Haptic::enabled(), H::lightImpact, H::lightImpact, H::mediumImpact, H::mediumImpact, H::selectionChanged},
        Row{Haptic::noFeedback(), H::none, H::none, H::none, H::none, H::none}}) {
    EXPECT_EQ(row.preset, Haptic(row.tap, row.doubleTap, row.longPress, row.longPressOnSpace, row.repeat));
  }
  EXPECT_NE(Haptic::enabled(), Haptic::standard());
}

TEST(FeedbackConfigurations, OverridesTakePartInEquality) {
  Audio audio = Audio::noFeedback();
  audio.actions.emplace_back(KeyboardAction::space(), AudioFeedback::none());
  EXPECT_NE(audio, Audio::noFeedback());

  const Audio::ActionFeedback a(KeyboardAction::character("a"), AudioFeedback::input());
  const Audio::ActionFeedback b(KeyboardAction::backspace(), AudioFeedback::delete_());
  EXPECT_NE(Audio(AudioFeedback::none(), AudioFeedback::none(), AudioFeedback::none(), {a, b}),
            Audio(AudioFeedback::none(), AudioFeedback::none(), AudioFeedback::none(), {b, a}));

  const Haptic::ActionFeedback press(KeyboardAction::space(), KeyboardGesture::press, H::heavyImpact);
  const Haptic::ActionFeedback release(KeyboardAction::space(), KeyboardGesture::release, H::heavyImpact);
  Haptic haptic = Haptic::noFeedback();
  haptic.actions = {press, release};
  Haptic reversed = Haptic::noFeedback();
  reversed.actions = {release, press};
  EXPECT_NE(haptic, reversed);
  EXPECT_NE(haptic, Haptic::noFeedback());
}

TEST(FeedbackConfigurations, CopiesDoNotChangeThePresets) {
  Haptic copy = Haptic::standard();
  copy.tap = H::heavyImpact;
  EXPECT_EQ(Haptic::standard().tap, H::none);
}

TEST(FeedbackConfigurationCoding, StandardPresetsHaveTheDocumentedForm) {
  EXPECT_EQ(platform::JSONEncoder().encode(Haptic::standard()),
            R"({"tap":"none","doubleTap":"none","longPress":"none","longPressOnSpace":"mediumImpact","repeat":"none","actions":[]})");
  EXPECT_EQ(platform::JSONEncoder().encode(Audio::standard()),
            R"({"delete":{"delete":{}},"input":{"input":{}},"system":{"system":{}},"actions":[]})");
}

TEST(FeedbackConfigurationCoding, EveryPresetAndOverrideRoundTrips) {
  for (const Audio* preset : {&Audio::standard(), &Audio::enabled(), &Audio::noFeedback()}) {
    EXPECT_EQ(platform::JSONDecoder().decode<Audio>(platform::JSONEncoder().encode(*preset)), *preset);
  }
  for (const Haptic* preset : {&Haptic::standard(), &Haptic::enabled(), &Haptic::noFeedback()}) {
    EXPECT_EQ(platform::JSONDecoder().decode<Haptic>(platform::JSONEncoder().encode(*preset)), *preset);
  }

  const Audio audio(AudioFeedback::input(), AudioFeedback::custom(1306), AudioFeedback::none(),
                    {{KeyboardAction::emoji(Emoji("\U0001F600")), AudioFeedback::custom(9)},
                     {KeyboardAction::shift(KeyboardCase::capsLocked), AudioFeedback::none()}});
  const std::string audioJson = platform::JSONEncoder().encode(audio);
  EXPECT_EQ(platform::JSONDecoder().decode<Audio>(audioJson), audio);

  const Haptic haptic(H::error, H::success, H::warning, H::heavyImpact, H::selectionChanged,
                      {{KeyboardAction::space(), KeyboardGesture::repeatPress, H::lightImpact},
                       {KeyboardAction::keyboardType(KeyboardType::emojis()), KeyboardGesture::doubleTap, H::none}});
  const std::string hapticJson = platform::JSONEncoder().encode(haptic);
  EXPECT_NE(hapticJson.find(R"({"action":{"space":{}},"gesture":"repeatPress","feedback":"lightImpact"})"),
            std::string::npos)
      << hapticJson;
  EXPECT_EQ(platform::JSONDecoder().decode<Haptic>(hapticJson), haptic);
}

TEST(FeedbackConfigurationCoding, EveryFieldIsRequiredExtraKeysIgnored) {
  auto missingActions = testing::decodingError<Audio>(R"({"delete":{"delete":{}},"input":{"input":{}},"system":{"system":{}}})");
  ASSERT_TRUE(missingActions);
  EXPECT_EQ(missingActions->kind(), Kind::keyNotFound);
  EXPECT_EQ(missingActions->key(), "actions");

  EXPECT_EQ(platform::JSONDecoder().decode<Audio>(
                R"({"delete":{"delete":{}},"input":{"input":{}},"system":{"system":{}},"actions":[],"volume":1})"),
            Audio::standard());

  auto missingRepeat = testing::decodingError<Haptic>(
      R"({"tap":"none","doubleTap":"none","longPress":"none","longPressOnSpace":"none","actions":[]})");
  ASSERT_TRUE(missingRepeat);
  EXPECT_EQ(missingRepeat->key(), "repeat");

  auto missingGesture = testing::decodingError<Haptic>(
      R"({"tap":"none","doubleTap":"none","longPress":"none","longPressOnSpace":"none","repeat":"none",)"
      R"("actions":[{"action":{"space":{}},"feedback":"none"}]})");
  ASSERT_TRUE(missingGesture);
  EXPECT_EQ(missingGesture->kind(), Kind::keyNotFound);
  EXPECT_EQ(missingGesture->key(), "gesture");
}

TEST(FeedbackConfigurationCoding, MalformedNestedValuesFail) {
  struct Case {
    std::string_view json;
    Kind kind;
  };
  const Case audioCases[] = {
      {R"({"delete":"delete","input":{"input":{}},"system":{"system":{}},"actions":[]})", Kind::typeMismatch},
      {R"({"delete":{},"input":{"input":{}},"system":{"system":{}},"actions":[]})", Kind::typeMismatch},
      {R"({"delete":{"delete":{}},"input":{"input":{}},"system":{"system":{}},"actions":{}})", Kind::typeMismatch},
      {R"({"delete":{"delete":{}},"input":{"input":{}},"system":{"system":{}},"actions":[{"action":{"jump":{}},"feedback":{"none":{}}}]})",
       Kind::typeMismatch},
      {R"({"delete":{"delete":{}},"input":{"input":{}},"system":{"system":{}},"actions":[null]})", Kind::valueNotFound},
  };
  for (const Case& c : audioCases) {
    auto error = testing::decodingError<Audio>(c.json);
    ASSERT_TRUE(error) << c.json;
    EXPECT_EQ(error->kind(), c.kind) << c.json << ": " << error->detailedDescription();
  }
  const Case hapticCases[] = {
      {R"({"tap":"buzz","doubleTap":"none","longPress":"none","longPressOnSpace":"none","repeat":"none","actions":[]})",
       Kind::dataCorrupted},
      {R"({"tap":"none","doubleTap":"none","longPress":"none","longPressOnSpace":"none","repeat":"none",)"
       R"("actions":[{"action":{"space":{}},"gesture":"tap","feedback":"none"}]})",
       Kind::dataCorrupted},
      {R"([])", Kind::typeMismatch},
  };
  for (const Case& c : hapticCases) {
    auto error = testing::decodingError<Haptic>(c.json);
    ASSERT_TRUE(error) << c.json;
    EXPECT_EQ(error->kind(), c.kind) << c.json << ": " << error->detailedDescription();
  }
}

}  // namespace
}  // namespace keyloom
