// The system keyboard as a person sees it: hosted by the controller in the
// simulated host, touched at clock times, and rendered as drawn.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "keyloom/controller/KeyboardHostingController.h"
#include "keyloom/controller/KeyboardInputViewController.h"
#include "platform/input/SimulatedHost.h"
#include "platform/ui/PangoTextMetrics.h"
#include "platform/ui/Renderer.h"
#include "platform/ui/UI.h"

namespace keyloom {
namespace {

namespace ui = platform::ui;
using ::testing::IsEmpty;

class SystemKeyboardPicture : public ::testing::Test {
 protected:
  void start(platform::SimulatedHostConfiguration configuration) {
    configuration.localeIdentifier = configuration.localeIdentifier.value_or("en_US");
    host = platform::SimulatedHost::make(std::move(configuration));
    controller = std::static_pointer_cast<KeyboardInputViewController>(
        host->presentKeyboard([] { return std::make_shared<KeyboardInputViewController>(); }));
    view().setFontMetrics(ui::PangoTextMetrics::shared());
    settle();
  }
  // A phone `screenWidth` points wide, its keyboard `keyboardWidth` wide.
  void startPhone(double screenWidth, double keyboardWidth) {
    platform::SimulatedHostConfiguration configuration;
    configuration.screenSize = {screenWidth, 568};
    configuration.keyboardWidth = keyboardWidth;
    start(configuration);
  }
  void settle() {
    host->runMainQueue();
    host->layout();
    host->runMainQueue();
  }
  ui::ViewHost& view() { return controller->hostingController()->viewHost(); }
  void tap(const KeyboardAction& action) {
    auto node = view().findAttached(action);
    ASSERT_TRUE(node) << action.caseName();
    host->advanceTime(0.5);
    auto touch = view().touches().down({node->frame.midX(), node->frame.midY()});
    host->advanceTime(0.05);
    view().touches().up(touch);
    settle();
  }
  ui::RenderReport render(const std::string& name) {
    const auto path = std::filesystem::path(::testing::TempDir()) / ("keyloom-picture-" + name + ".png");
    return ui::renderPNG(view(), path.string(), 2);
  }

  std::shared_ptr<platform::SimulatedHost> host;
  std::shared_ptr<KeyboardInputViewController> controller;
};

TEST_F(SystemKeyboardPicture, NarrowKeysShrinkTheirTextRatherThanCutIt) {
  for (double width : {320.0, 300.0}) {
    SCOPED_TRACE(width);
    startPhone(320, width);
    ASSERT_TRUE(view().findAttached(KeyboardAction::character("w")));
    ASSERT_TRUE(view().findAttached(KeyboardAction::character("m")));
    ASSERT_TRUE(view().findText("123"));
    EXPECT_THAT(render("lower").cutTexts, IsEmpty());
    tap(KeyboardAction::shift(KeyboardCase::lowercased));
    ASSERT_TRUE(view().findAttached(KeyboardAction::character("W")));
    EXPECT_THAT(render("upper").cutTexts, IsEmpty());
  }
}

}  // namespace
}  // namespace keyloom
