#include "keyloom/services/KeyboardUrlOpener.h"

#include <gtest/gtest.h>

#include <memory>

#include "keyloom/controller/KeyboardInputViewController.h"
#include "platform/input/SimulatedHost.h"
#include "testing/RecordingKeyboardController.h"

namespace keyloom {
namespace {

using Kind = KeyboardUrlOpener::UrlError::Kind;

Kind errorOf(const std::optional<platform::URL>& url) {
  try {
    KeyboardUrlOpener::shared().open(url);
  } catch (const KeyboardUrlOpener::UrlError& error) {
    return error.kind();
  }
  ADD_FAILURE() << "open did not throw";
  return Kind::nilUrl;
}

TEST(KeyboardUrlOpener, ThrowsWithoutAController) {
  EXPECT_EQ(&KeyboardUrlOpener::shared(), &KeyboardUrlOpener::shared());
  EXPECT_EQ(errorOf(platform::URL::fromString("https://example.com")), Kind::noKeyboardController);
  EXPECT_EQ(errorOf(std::nullopt), Kind::noKeyboardController) << "never nilUrl";
}

TEST(KeyboardUrlOpener, HandsEveryUrlToTheControllerAndNeverKeepsItAlive) {
  auto controller = std::make_shared<RecordingKeyboardController>();
  KeyboardUrlOpener::shared().setController(controller);
  const auto url = platform::URL::fromString("https://example.com/a");
  KeyboardUrlOpener::shared().open(url);
  KeyboardUrlOpener::shared().open(std::nullopt);
  EXPECT_EQ(controller->calls, (std::vector<RecordingKeyboardController::Call>{
                                   RecordingKeyboardController::Call::openUrl(url),
                                   RecordingKeyboardController::Call::openUrl(std::nullopt)}));

  std::weak_ptr<RecordingKeyboardController> weak = controller;
  controller.reset();
  EXPECT_TRUE(weak.expired());
  EXPECT_EQ(errorOf(url), Kind::noKeyboardController);
}

TEST(KeyboardUrlOpener, OpensThroughTheHostsResponderChainOfTheLoadedController) {
  auto host = platform::SimulatedHost::make();
  auto controller = std::dynamic_pointer_cast<KeyboardInputViewController>(
      host->presentKeyboard([] { return std::make_shared<KeyboardInputViewController>(); }));
  ASSERT_TRUE(controller);
  EXPECT_EQ(KeyboardUrlOpener::shared().controller(), controller) << "registered when its view loaded";

  const auto url = platform::URL::fromString("https://example.com/b");
  KeyboardUrlOpener::shared().open(url);
  KeyboardUrlOpener::shared().open(std::nullopt);
  EXPECT_EQ(host->records().openedURLs, (std::vector<std::optional<platform::URL>>{url, std::nullopt}));
}

}  // namespace
}  // namespace keyloom
