#include "keyloom/views/NextKeyboardButton.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "keyloom/services/NextKeyboardController.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/UI.h"
#include "platform/ui/ViewHost.h"

namespace keyloom {
namespace {

using platform::ui::Color;
using platform::ui::NodeKind;
using platform::ui::View;
using platform::ui::ViewHost;

View key() { return View(Color::red()).frame(40, 40); }

class NextKeyboardButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    unsetenv("KEYLOOM_RUNNING_FOR_PREVIEWS");
    NextKeyboardButton::setMissingControllerHandler([this](std::string_view) { ++missingReports; });
  }
  void TearDown() override { unsetenv("KEYLOOM_RUNNING_FOR_PREVIEWS"); }

  int missingReports = 0;
};

TEST_F(NextKeyboardButtonTest, AControllerIsWiredForEveryTouchEvent) {
  auto controller = std::make_shared<platform::InputViewController>();
  NextKeyboardButton button(controller, true, key);
  ASSERT_EQ(button.button()->targetActions().size(), 1u);
  const auto& action = button.button()->targetActions()[0];
  EXPECT_EQ(action.target.lock(), controller);
  EXPECT_EQ(action.selector, "handleInputModeListFromView:withEvent:");
  EXPECT_EQ(action.events, 4095u);
  EXPECT_EQ(missingReports, 0);
}

TEST_F(NextKeyboardButtonTest, AMissingControllerIsReportedOnlyWhenAskedAndNotInPreviews) {
  NextKeyboardButton quiet(nullptr, false, key);
  EXPECT_TRUE(quiet.button()->targetActions().empty());
  EXPECT_EQ(missingReports, 0);

  NextKeyboardButton checked(nullptr, true, key);
  EXPECT_TRUE(checked.button()->targetActions().empty());
  EXPECT_EQ(missingReports, 1);

  setenv("KEYLOOM_RUNNING_FOR_PREVIEWS", "1", 1);
  NextKeyboardButton preview(nullptr, true, key);
  EXPECT_EQ(missingReports, 1);
  setenv("KEYLOOM_RUNNING_FOR_PREVIEWS", "0", 1);
  NextKeyboardButton notPreview(nullptr, true, key);
  EXPECT_EQ(missingReports, 2);
}

TEST_F(NextKeyboardButtonTest, TouchesOnTheKeyReachTheHostsInputModeList) {
  auto host = platform::SimulatedHost::make();
  auto controller = host->presentKeyboard([] { return std::make_shared<platform::InputViewController>(); });
  NextKeyboardController::setShared(controller);
  NextKeyboardButton button(NextKeyboardController::shared(), false, key);
  ViewHost view(button);
  view.layout(platform::Size{40, 40});
  auto node = view.findAll(NodeKind::representable).at(0);
  auto platformView = node->platformView();
  ASSERT_NE(platformView, nullptr);

  view.touches().tap({20, 20});
  const auto& calls = host->records().inputModeListCalls;
  ASSERT_EQ(calls.size(), 2u) << "touch down and touch up inside";
  for (const auto& call : calls) EXPECT_EQ(call.from, button.button());

  node->setNeedsEvaluation();
  view.relayout();
  EXPECT_EQ(view.findAll(NodeKind::representable).at(0)->platformView(), platformView) << "the same button";
}

TEST(NextKeyboardController, ForgetsAReleasedController) {
  EXPECT_EQ(NextKeyboardController::shared(), nullptr);
  auto controller = std::make_shared<platform::InputViewController>();
  NextKeyboardController::setShared(controller);
  EXPECT_EQ(NextKeyboardController::shared(), controller);
  controller.reset();
  EXPECT_EQ(NextKeyboardController::shared(), nullptr);
}

}  // namespace
}  // namespace keyloom
