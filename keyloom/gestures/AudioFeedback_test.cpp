#include "keyloom/gestures/AudioFeedback.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "keyloom/gestures/DisabledAudioFeedbackEngine.h"
#include "keyloom/gestures/StandardAudioFeedbackEngine.h"
#include "platform/coding/Codable.h"
#include "platform/feedback/FeedbackLog.h"
#include "testing/FeedbackTesting.h"

namespace keyloom {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Kind = platform::DecodingError::Kind;

struct SoundCase {
  AudioFeedback feedback;
  std::uint32_t id;
  std::string json;
};

class AudioFeedbackCases : public ::testing::TestWithParam<SoundCase> {};

TEST_P(AudioFeedbackCases, IdPlayedSoundAndSerializedForm) {
  const SoundCase& c = GetParam();
  EXPECT_EQ(c.feedback.id(), c.id);

  c.feedback.trigger();
  if (c.feedback == AudioFeedback::none()) {
    EXPECT_THAT(platform::FeedbackLog::played(), IsEmpty());
  } else {
    EXPECT_THAT(platform::FeedbackLog::playedDescriptions(), ElementsAre("sound " + std::to_string(c.id)));
  }

  EXPECT_EQ(platform::JSONEncoder().encode(c.feedback), c.json);
  EXPECT_EQ(platform::JSONDecoder().decode<AudioFeedback>(c.json), c.feedback);
}

INSTANTIATE_TEST_SUITE_P(
    AllCases, AudioFeedbackCases,
    ::testing::Values(SoundCase{AudioFeedback::input(), 1104, R"({"input":{}})"},
                      SoundCase{AudioFeedback::system(), 1156, R"({"system":{}})"},
                      SoundCase{AudioFeedback::delete_(), 1155, R"({"delete":{}})"},
                      SoundCase{AudioFeedback::custom(1306), 1306, R"({"custom":{"id":1306}})"},
                      SoundCase{AudioFeedback::custom(0), 0, R"({"custom":{"id":0}})"},
                      SoundCase{AudioFeedback::custom(4294967295u), 4294967295u,
                                R"({"custom":{"id":4294967295}})"},
                      SoundCase{AudioFeedback::none(), 0, R"({"none":{}})"}));

TEST(AudioFeedback, SameIdIsNotEquality) {
  EXPECT_EQ(AudioFeedback::custom(1104).id(), AudioFeedback::input().id());
  EXPECT_NE(AudioFeedback::custom(1104), AudioFeedback::input());
  EXPECT_EQ(AudioFeedback::custom(7), AudioFeedback::custom(7));
  EXPECT_NE(AudioFeedback::custom(7), AudioFeedback::custom(8));
}

TEST(AudioFeedback, EngineIsCapturedAtFirstReadAndReplaceable) {
  auto first = StandardAudioFeedbackEngine::shared();
  EXPECT_EQ(AudioFeedback::engine(), first);
  // A later shared engine does not move the captured one.
  StandardAudioFeedbackEngine::setShared(std::make_shared<StandardAudioFeedbackEngine>());
  EXPECT_EQ(AudioFeedback::engine(), first);

  AudioFeedback::setEngine(std::make_shared<DisabledAudioFeedbackEngine>());
  AudioFeedback::input().trigger();
  AudioFeedback::setEngine(nullptr);
  AudioFeedback::delete_().trigger();
  EXPECT_THAT(platform::FeedbackLog::played(), IsEmpty());
}

TEST(AudioFeedback, EngineCapturesTheSharedEngineSetBeforeTheFirstRead) {
  auto replacement = std::make_shared<StandardAudioFeedbackEngine>();
  StandardAudioFeedbackEngine::setShared(replacement);
  EXPECT_EQ(AudioFeedback::engine(), replacement);
}

TEST(AudioFeedbackCoding, CountsOnlyKeysThatNameACase) {
  for (std::string_view json : {R"({})", R"({"input":{},"delete":{}})", R"({"Input":{}})"}) {
    auto error = testing::decodingError<AudioFeedback>(json);
    ASSERT_TRUE(error) << json;
    EXPECT_EQ(error->kind(), Kind::typeMismatch) << json;
    EXPECT_EQ(error->debugDescription(), "Invalid number of keys found, expected one.") << json;
  }
  EXPECT_EQ(platform::JSONDecoder().decode<AudioFeedback>(R"({"input":{},"volume":3})"), AudioFeedback::input());
  // The payload of a case without one is not read.
  EXPECT_EQ(platform::JSONDecoder().decode<AudioFeedback>(R"({"delete":{"id":5}})"), AudioFeedback::delete_());
}

TEST(AudioFeedbackCoding, MalformedPayloadsFailWithTheDecodersErrors) {
  struct Case {
    std::string_view json;
    Kind kind;
  };
  for (const Case& c : {Case{R"({"custom":{}})", Kind::keyNotFound},
                        Case{R"({"input":true})", Kind::typeMismatch},
                        Case{R"({"custom":{"id":"1104"}})", Kind::typeMismatch},
                        Case{R"({"custom":{"id":-1}})", Kind::dataCorrupted},
                        Case{R"({"custom":{"id":4294967296}})", Kind::dataCorrupted},
                        Case{R"({"custom":{"id":1.5}})", Kind::dataCorrupted},
                        Case{R"("input")", Kind::typeMismatch}, Case{R"([{"input":{}}])", Kind::typeMismatch}}) {
    auto error = testing::decodingError<AudioFeedback>(c.json);
    ASSERT_TRUE(error) << c.json;
    EXPECT_EQ(error->kind(), c.kind) << c.json << ": " << error->detailedDescription();
  }
}

}  // namespace
}  // namespace keyloom
