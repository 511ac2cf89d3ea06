#include "keyloom/gestures/HapticFeedback.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "keyloom/gestures/DisabledHapticFeedbackEngine.h"
#include "keyloom/gestures/StandardHapticFeedbackEngine.h"
#include "platform/coding/Codable.h"
#include "platform/feedback/FeedbackLog.h"
#include "testing/FeedbackTesting.h"

namespace keyloom {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct HapticCase {
  HapticFeedback feedback;
  std::string triggered;  // what the device is asked for; empty for nothing
  std::string prepared;
};

class HapticFeedbackCases : public ::testing::TestWithParam<HapticCase> {};

TEST_P(HapticFeedbackCases, StandardEngineUsesTheMatchingGenerator) {
  const HapticCase& c = GetParam();
  trigger(c.feedback);
  prepare(c.feedback);
  std::vector<std::string> expected;
  if (!c.triggered.empty()) expected = {c.triggered, "prepare " + c.prepared};
  EXPECT_EQ(platform::FeedbackLog::playedDescriptions(), expected) << c.feedback;
}

TEST_P(HapticFeedbackCases, RawValueRoundTrips) {
  const HapticCase& c = GetParam();
  const std::string json = platform::JSONEncoder().encode(c.feedback);
  EXPECT_EQ(json, "\"" + std::string(id(c.feedback)) + "\"");
  EXPECT_EQ(platform::JSONDecoder().decode<HapticFeedback>(json), c.feedback);
  EXPECT_EQ(fromRawValue<HapticFeedback>(id(c.feedback)), c.feedback);
}

INSTANTIATE_TEST_SUITE_P(
    AllCases, HapticFeedbackCases,
    ::testing::Values(HapticCase{HapticFeedback::error, "notification error", "notification"},
                      HapticCase{HapticFeedback::success, "notification success", "notification"},
                      HapticCase{HapticFeedback::warning, "notification warning", "notification"},
                      HapticCase{HapticFeedback::lightImpact, "impact light", "impact light"},
                      HapticCase{HapticFeedback::mediumImpact, "impact medium", "impact medium"},
                      HapticCase{HapticFeedback::heavyImpact, "impact heavy", "impact heavy"},
                      HapticCase{HapticFeedback::selectionChanged, "selection", "selection"},
                      HapticCase{HapticFeedback::none, "", ""}));

TEST(HapticFeedback, AllCasesInDeclaredOrder) {
  const auto all = allCases<HapticFeedback>();
  ASSERT_EQ(all.size(), 8u);
  EXPECT_EQ(all.front(), HapticFeedback::error);
  EXPECT_EQ(all.back(), HapticFeedback::none);
}

TEST(HapticFeedback, RawValuesAreExactAndCaseSensitive) {
  EXPECT_EQ(fromRawValue<HapticFeedback>("lightImpact"), HapticFeedback::lightImpact);
  EXPECT_EQ(fromRawValue<HapticFeedback>("LightImpact"), std::nullopt);
  EXPECT_EQ(fromRawValue<HapticFeedback>(""), std::nullopt);

  auto corrupted = testing::decodingError<HapticFeedback>(R"("LightImpact")");
  ASSERT_TRUE(corrupted);
  EXPECT_EQ(corrupted->kind(), platform::DecodingError::Kind::dataCorrupted);
  auto mismatch = testing::decodingError<HapticFeedback>("3");
  ASSERT_TRUE(mismatch);
  EXPECT_EQ(mismatch->kind(), platform::DecodingError::Kind::typeMismatch);
}

TEST(HapticFeedback, DisabledOrNullEngineStaysSilent) {
  setHapticFeedbackEngine(std::make_shared<DisabledHapticFeedbackEngine>());
  trigger(HapticFeedback::error);
  prepare(HapticFeedback::error);
  setHapticFeedbackEngine(nullptr);
  trigger(HapticFeedback::heavyImpact);
  EXPECT_THAT(platform::FeedbackLog::played(), IsEmpty());
}

TEST(HapticFeedback, EngineIsCapturedAtFirstRead) {
  auto first = StandardHapticFeedbackEngine::shared();
  EXPECT_EQ(hapticFeedbackEngine(), first);
  StandardHapticFeedbackEngine::setShared(std::make_shared<StandardHapticFeedbackEngine>());
  EXPECT_EQ(hapticFeedbackEngine(), first);
}

}  // namespace
}  // namespace keyloom
