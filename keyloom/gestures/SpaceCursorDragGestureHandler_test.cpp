#include "keyloom/gestures/SpaceCursorDragGestureHandler.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "keyloom/state/KeyboardContext.h"
#include "platform/input/InMemoryTextDocumentProxy.h"
#include "testing/RecordingKeyboardController.h"

namespace keyloom {
namespace {

using Moves = std::vector<std::int64_t>;
using Call = RecordingKeyboardController::Call;

struct Recorder {
  Moves moves;
  SpaceCursorDragGestureHandler handler;

  explicit Recorder(SpaceDragSensitivity sensitivity = SpaceDragSensitivity::medium())
      : handler(nullptr, std::move(sensitivity), 50.0, [this](std::int64_t offset) { moves.push_back(offset); }) {}

  void drag(double startX, double x, double y = 20, double startY = 20) {
    handler.handleDragGesture({startX, startY}, {x, y});
  }
};

TEST(SpaceCursorDragGestureHandler, ReportsTheChangeInStepsWithTheCursorFollowingTheFinger) {
  Recorder r;
  r.drag(100, 100);
  EXPECT_TRUE(r.moves.empty()) << "no travel yet";
  r.drag(100, 112);  // offset -2: two steps right
  r.drag(100, 112);  // the same location again moves nothing
  r.drag(100, 107);  // -1
  r.drag(100, 101);  // 0
  r.drag(100, 96);   // 0.8 truncates to 0
  r.drag(100, 94);   // 1: one step left
  EXPECT_EQ(r.moves, (Moves{2, -1, -1, -1}));
  EXPECT_EQ(r.handler.currentDragTextPositionOffset(), 1);
}

TEST(SpaceCursorDragGestureHandler, SensitivitySetsThePointsPerStep) {
  struct Row {
    SpaceDragSensitivity sensitivity;
    Moves moves;
  };
  for (const Row& row : {Row{SpaceDragSensitivity::high(), {5}}, Row{SpaceDragSensitivity::low(), {1}},
                         Row{SpaceDragSensitivity::custom(3), {3}}, Row{SpaceDragSensitivity::custom(-5), {-2}}}) {
    Recorder r(row.sensitivity);
    r.drag(0, 11);
    EXPECT_EQ(r.moves, row.moves) << row.sensitivity.caseName() << " " << row.sensitivity.points();
  }
}

TEST(SpaceCursorDragGestureHandler, ZeroPointsPerStepMovesNothing) {
  Recorder r(SpaceDragSensitivity::custom(0));
  r.drag(0, 11);
  r.drag(0, -11);
  r.drag(0, 0);
  EXPECT_TRUE(r.moves.empty());
}

TEST(SpaceCursorDragGestureHandler, VerticalThresholdIsExclusiveAndSkippedStepsAreNotReplayed) {
  Recorder r;
  r.drag(100, 105, 20 + 49.9);
  EXPECT_EQ(r.moves, (Moves{1}));
  r.drag(100, 110, 20 + 50);  // counted, not reported
  r.drag(100, 115, 20 - 60);
  EXPECT_EQ(r.moves, (Moves{1}));
  r.drag(100, 115, 20);  // back inside: nothing replayed
  r.drag(100, 120, 20);
  EXPECT_EQ(r.moves, (Moves{1, 1}));
}

TEST(SpaceCursorDragGestureHandler, ANewStartBeginsANewCount) {
  Recorder r;
  r.drag(100, 120);
  r.drag(120, 125);  // a new activation point: count from 0 again
  r.drag(120, 120, 20, 21);
  EXPECT_EQ(r.moves, (Moves{4, 1}));
  EXPECT_EQ(r.handler.currentDragStartLocation(), (platform::Point{120, 21}));
  EXPECT_EQ(r.handler.currentDragTextPositionOffset(), 0);
}

TEST(SpaceDragCursorSteps, OneStepMovesOverAWholeCharacterOfTheProxy) {
  struct Row {
    std::string before;
    std::string after;
    std::int64_t offset;
    std::int64_t expected;
    std::optional<std::string> next;
  };
  const std::string flag = "\U0001F1F8\U0001F1EA";
  const std::string polarBear = "\U0001F43B\u200D\u2744\uFE0F";
  const std::string thumbs = "\U0001F44D\U0001F3FD";
  for (const Row& row : {
           Row{"a\U0001F600", "", -1, -1, "\U0001F600"},
           Row{"a", "", -1, -1, "a"},
           Row{"", "b", -1, -1, std::nullopt},
           Row{"", flag + "x", 1, 1, flag},
           Row{"x" + polarBear, "", -1, -1, polarBear},
           Row{thumbs, "", -1, -1, thumbs},
           Row{"\U0001F600", "\U0001F600", 2, 2, std::nullopt},
           Row{"\U0001F600", "\U0001F600", -2, -2, std::nullopt},
       }) {
    auto proxy = platform::InMemoryTextDocumentProxy::make(row.before, row.after);
    EXPECT_EQ(characterNextToCursor(*proxy, row.offset), row.next) << row.before << "|" << row.after;
    EXPECT_EQ(spaceDragCharacterOffset(*proxy, row.offset), row.expected) << row.before << "|" << row.after;
  }
}

TEST(SpaceDragCursorSteps, AStepCostsNoMoreInALongText) {
  // A drag steps many times; each step looks only beside the cursor.
  std::string half;
  while (half.size() < 512 * 1024) half += "Lorem ipsum dolor sit amet. ";
  const std::string thumbs = "\U0001F44D\U0001F3FD";
  auto proxy = platform::InMemoryTextDocumentProxy::make(half + "\U0001F600", thumbs + half);
  const auto start = std::chrono::steady_clock::now();
  for (int step = 0; step < 100; ++step) {
    ASSERT_EQ(spaceDragCharacterOffset(*proxy, -1), -1);
    ASSERT_EQ(characterNextToCursor(*proxy, 1), thumbs);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(SpaceDragCursorSteps, StandardActionMovesTheControllersCursorOneEmojiAtATime) {
  auto context = std::make_shared<KeyboardContext>();
  auto proxy = platform::InMemoryTextDocumentProxy::make("ab\U0001F44D\U0001F3FD\U0001F600", "");
  context->textDocumentProxy.set(proxy);
  auto controller = std::make_shared<RecordingKeyboardController>();
  SpaceCursorDragGestureHandler handler(*context, nullptr, SpaceDragSensitivity::medium(), 50,
                                        standardSpaceDragCursorAction(controller, context));
  // Each reported step lands on the proxy as the controller would send it.
  for (double x : {95.0, 90.0, 85.0}) {
    handler.handleDragGesture({100, 10}, {x, 10});
    proxy->adjustTextPosition(controller->calls.back().number);
  }
  EXPECT_EQ(controller->calls, (std::vector<Call>{Call::adjustTextPosition(-1), Call::adjustTextPosition(-1),
                                                   Call::adjustTextPosition(-1)}));
  EXPECT_EQ(proxy->documentContextBeforeInput(), "a");
  EXPECT_EQ(proxy->documentContextAfterInput(), "b\U0001F44D\U0001F3FD\U0001F600");

  // Without a context the offset goes out as it is; without a controller nothing moves.
  auto orphanContext = std::make_shared<KeyboardContext>();
  auto action = standardSpaceDragCursorAction(controller, orphanContext);
  orphanContext.reset();
  action(-3);
  EXPECT_EQ(controller->calls.back(), Call::adjustTextPosition(-3));
  const auto before = controller->calls.size();
  std::weak_ptr<KeyboardController> gone;
  standardSpaceDragCursorAction(gone, context)(1);
  EXPECT_EQ(controller->calls.size(), before);
}

}  // namespace
}  // namespace keyloom
