#include "keyboard-extension/KeyboardExtension.h"

#include <gtest/gtest.h>

#include "keyboard-extension/KeyboardSelection.h"
#include "keyboard-extension/KeyboardViewController.h"
#include "keyboard-extension/ProductConfiguration.h"
#include "keyboard-extension/ThemePalette.h"
#include "platform/input/ExtensionRegistry.h"
#include "platform/input/SimulatedHost.h"

namespace zandorelle {
namespace {

using platform::SimulatedHost;

struct KeyboardExtensionTest : testing::Test {
  std::shared_ptr<SimulatedHost> host;

  void SetUp() override { installKeyboardExtension(); }

  void start(platform::SimulatedHostConfiguration configuration = {}) {
    host = SimulatedHost::make(std::move(configuration));
    host->startExtension(std::string(keyboardExtensionIdentifier));
  }
  void showAgain() {
    host->hideKeyboard();
    host->showKeyboard();
  }
};

TEST_F(KeyboardExtensionTest, ThePlatformStartsTheProductController) {
  const auto extension = platform::ExtensionRegistry::extension(keyboardExtensionIdentifier);
  ASSERT_TRUE(extension);
  EXPECT_EQ(extension->appGroupIdentifier, std::string(appGroupIdentifier));
  installKeyboardExtension();  // again: still one
  EXPECT_EQ(platform::ExtensionRegistry::identifiers().size(), 1u);

  start();
  auto controller = std::dynamic_pointer_cast<KeyboardViewController>(host->keyboard());
  ASSERT_NE(controller, nullptr);
  EXPECT_TRUE(host->isKeyboardVisible());
  EXPECT_EQ(host->appGroupIdentifier(), std::string(appGroupIdentifier));
}

TEST_F(KeyboardExtensionTest, AnEmptyStoreMeansThemeZero) {
  EXPECT_EQ(KeyboardSelection::themeIndex(), KeyboardSelection::noTheme);
  start();
  EXPECT_EQ(KeyboardSelection::themeIndex(), 0);
}

TEST_F(KeyboardExtensionTest, AStoreThatCannotBeOpenedKeepsTheIndex) {
  platform::SimulatedHostConfiguration configuration;
  configuration.appGroupAvailable = false;
  start(configuration);
  EXPECT_EQ(KeyboardSelection::themeIndex(), KeyboardSelection::noTheme);
  // A theme read earlier stays when the store fails later.
  host->setAppGroupAvailable(true);
  storeThemeIndex(*host->appGroupStore(), 7);
  showAgain();
  EXPECT_EQ(KeyboardSelection::themeIndex(), 7);
  host->setAppGroupAvailable(false);
  showAgain();
  EXPECT_EQ(KeyboardSelection::themeIndex(), 7);
}

TEST_F(KeyboardExtensionTest, TheHostAppsChoiceIsReadAtTheNextAppearance) {
  start();
  storeThemeIndex(*host->appGroupStore(), 3);
  EXPECT_EQ(KeyboardSelection::themeIndex(), 0);  // not while shown
  showAgain();
  EXPECT_EQ(KeyboardSelection::themeIndex(), 3);
  storeThemeIndex(*host->appGroupStore(), -1);
  showAgain();
  EXPECT_EQ(KeyboardSelection::themeIndex(), KeyboardSelection::noTheme);
  for (platform::UserDefaultsValue stored : {platform::UserDefaultsValue(17), platform::UserDefaultsValue(-5),
                                             platform::UserDefaultsValue("3"), platform::UserDefaultsValue(3.0)}) {
    storeThemeIndex(*host->appGroupStore(), 16);
    showAgain();
    ASSERT_EQ(KeyboardSelection::themeIndex(), 16);
    host->appGroupStore()->set(std::string(themeIndexKey), stored);
    showAgain();
    EXPECT_EQ(KeyboardSelection::themeIndex(), KeyboardSelection::noTheme);
  }
}

}  // namespace
}  // namespace zandorelle
