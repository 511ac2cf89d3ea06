#include "platform/feedback/FeedbackLog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/feedback/FeedbackGenerators.h"
#include "platform/feedback/SystemSound.h"
#include "platform/foundation/ProcessState.h"

namespace platform {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(FeedbackLog, RecordsEveryRequestInOrder) {
  playSystemSound(1104);
  playSystemSound(0);
  NotificationFeedbackGenerator notification;
  notification.notificationOccurred(NotificationFeedbackGenerator::FeedbackType::warning);
  ImpactFeedbackGenerator heavy(ImpactFeedbackGenerator::Style::heavy);
  heavy.prepare();
  heavy.impactOccurred();
  SelectionFeedbackGenerator selection;
  selection.selectionChanged();

  EXPECT_THAT(FeedbackLog::playedDescriptions(),
              ElementsAre("sound 1104", "sound 0", "notification warning", "prepare impact heavy",
                          "impact heavy", "selection"));
  EXPECT_EQ(FeedbackLog::played()[0].soundId, 1104u);
}

TEST(FeedbackLog, KeepsOnlyTheLatestRequests) {
  // A backspace held for ten minutes clicks thousands of times.
  for (std::uint32_t id = 0; id < 5 * FeedbackLog::capacity; ++id) playSystemSound(id);
  ASSERT_EQ(FeedbackLog::played().size(), FeedbackLog::capacity);
  EXPECT_EQ(FeedbackLog::played().front().soundId, 4 * FeedbackLog::capacity);
  EXPECT_EQ(FeedbackLog::played().back().soundId, 5 * FeedbackLog::capacity - 1);
}

TEST(FeedbackLog, ProcessResetEmptiesTheLog) {
  playSystemSound(1155);
  resetProcessState();
  EXPECT_THAT(FeedbackLog::played(), IsEmpty());
}

}  // namespace
}  // namespace platform
