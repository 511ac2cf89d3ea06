#include "keyloom/services/KeyboardEnabledState.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/foundation/MainQueue.h"
#include "platform/foundation/UserDefaults.h"
#include "platform/input/InputViewController.h"
#include "platform/input/SimulatedHost.h"
#include "platform/input/TextInputMode.h"

namespace keyloom {
namespace {

using platform::PropertyBag;
using platform::TextInputMode;
using Strings = std::vector<std::string>;

TextInputMode mode(PropertyBag properties) { return TextInputMode{"en-US", std::move(properties)}; }
TextInputMode displayed(const std::string& identifier) {
  return mode({{"isDisplayed", std::int64_t{1}}, {"identifier", identifier}});
}

TEST(KeyboardEnabledStateInspector, MatchesBundleIds) {
  struct Case {
    const char* identifier;
    const char* bundleId;
    bool matches;
  };
  const Case cases[] = {
      {"com.x.kb", "com.x.kb", true},
      {"com.x.kb.extra", "com.x.kb", false},
      {"com.x.kb", "com.x.*", true},
      {"com.x.", "com.x.*", true},  // the prefix itself
      {"com.y.kb", "com.x.*", false},
      {"com.x.kb", "com.*x.*", true},  // every star goes once one ends the id
      {"com.x.kb", "com.*.kb", false},  // no trailing star: an ordinary character
      {"com.*.kb", "com.*.kb", true},
      {"anything", "*", true},
      {"", "", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(keyboardIdentifierMatches(c.identifier, c.bundleId), c.matches) << c.identifier << " / " << c.bundleId;
  }
}

TEST(KeyboardEnabledStateInspector, KeepsOnlyDisplayedModesWithStringIdentifiers) {
  TextInputMode::setActiveInputModes({
      mode({{"isDisplayed", std::int64_t{0}}, {"identifier", "hidden"}}),
      mode({{"identifier", "no.flag"}}),
      mode({{"isDisplayed", true}, {"identifier", "bool.flag"}}),
      mode({{"isDisplayed", 1.0}, {"identifier", "double.flag"}}),
      mode({{"isDisplayed", std::string("1")}, {"identifier", "string.flag"}}),
      mode({{"isDisplayed", std::int64_t{1}}, {"identifier", std::int64_t{7}}}),
      mode({{"isDisplayed", std::int64_t{1}}}),
      displayed("com.a.kb"),
      mode({{"isDisplayed", std::int64_t{2}}, {"identifier", "two"}}),
      displayed("com.b.kb"),
  });
  KeyboardEnabledStateInspector inspector;
  EXPECT_EQ(inspector.activeKeyboardBundleIds(), (Strings{"com.a.kb", "com.b.kb"}));
  EXPECT_TRUE(inspector.isKeyboardActive("com.a.kb"));
  EXPECT_TRUE(inspector.isKeyboardActive("com.a.*"));
  EXPECT_FALSE(inspector.isKeyboardActive("com.b.kb")) << "only the first displayed mode is shown";
  EXPECT_FALSE(inspector.isKeyboardActive("hidden"));

  TextInputMode::setActiveInputModes({});
  EXPECT_TRUE(inspector.activeKeyboardBundleIds().empty());
  EXPECT_FALSE(inspector.isKeyboardActive("*"));
}

TEST(KeyboardEnabledStateInspector, ReadsTheEnabledListOnlyWhenItIsAllStrings) {
  using Value = platform::UserDefaults::Value;
  struct Case {
    std::optional<Value> stored;
    Strings expected;
  };
  const Case cases[] = {
      {std::nullopt, {}},
      {Value(Strings{"com.a.kb", "com.x.kb"}), {"com.a.kb", "com.x.kb"}},
      {Value(Value::Array{Value("com.x.kb"), Value(std::int64_t{3})}), {}},
      {Value("com.x.kb"), {}},
      {Value(Strings{}), {}},
  };
  KeyboardEnabledStateInspector inspector;
  for (const auto& c : cases) {
    platform::UserDefaults defaults;
    if (c.stored) defaults.set("AppleKeyboards", *c.stored);
    EXPECT_EQ(inspector.enabledKeyboardBundleIds(defaults), c.expected);
    EXPECT_EQ(inspector.isKeyboardEnabled("com.x.kb", defaults), !c.expected.empty() && c.expected.back() == "com.x.kb");
    EXPECT_EQ(inspector.isKeyboardEnabled("com.x.*", defaults), !c.expected.empty() && c.expected.back() == "com.x.kb");
  }
}

TEST(KeyboardEnabledStateInspector, AsksTheHostAboutFullAccess) {
  auto host = platform::SimulatedHost::make();
  KeyboardEnabledStateInspector inspector;
  host->setHasFullAccess(false);
  EXPECT_FALSE(inspector.isFullAccessEnabled());
  host->setHasFullAccess(true);
  EXPECT_TRUE(inspector.isFullAccessEnabled());
}

TEST(KeyboardEnabledState, RefreshesAtCreation) {
  platform::UserDefaults::standard().set("AppleKeyboards", Strings{"com.other.kb", "com.x.kb"});
  TextInputMode::setActiveInputModes({displayed("com.other.kb"), displayed("com.x.kb")});
  platform::NotificationCenter center;
  KeyboardEnabledState state("com.x.*", center);
  EXPECT_EQ(state.bundleId(), "com.x.*");
  EXPECT_EQ(&state.notificationCenter(), &center);
  EXPECT_TRUE(state.isKeyboardEnabled.get());
  EXPECT_FALSE(state.isKeyboardActive.get()) << "enabled but not the first displayed mode";
}

TEST(KeyboardEnabledState, RefreshesWhenTheAppBecomesActiveAndAfterInputModeChanges) {
  platform::NotificationCenter center;
  KeyboardEnabledState state("com.x.kb", center);
  EXPECT_FALSE(state.isKeyboardEnabled.get());
  EXPECT_FALSE(state.isKeyboardActive.get());

  platform::UserDefaults::standard().set("AppleKeyboards", Strings{"com.x.kb"});
  center.post(applicationDidBecomeActiveNotification);
  EXPECT_TRUE(state.isKeyboardEnabled.get()) << "at once";

  TextInputMode::setActiveInputModes({displayed("com.x.kb")});
  center.post(TextInputMode::currentInputModeDidChangeNotification);
  platform::MainQueue::main().runUntilIdle();
  EXPECT_FALSE(state.isKeyboardActive.get()) << "not before the delay";
  platform::MainQueue::main().advance(0.49);
  EXPECT_FALSE(state.isKeyboardActive.get());
  platform::MainQueue::main().advance(0.01);
  EXPECT_TRUE(state.isKeyboardActive.get());

  center.post("SomethingElse");
  platform::NotificationCenter::defaultCenter().post(applicationDidBecomeActiveNotification);
  platform::UserDefaults::standard().removeObject("AppleKeyboards");
  EXPECT_TRUE(state.isKeyboardEnabled.get()) << "only its own centre and names count";
}

TEST(KeyboardEnabledState, NotifiesOnEveryRefreshEvenWithoutAChange) {
  platform::NotificationCenter center;
  KeyboardEnabledState state("com.x.kb", center);
  int willChange = 0;
  auto subscription = state.objectWillChange().sink([&] { ++willChange; });
  state.refresh();
  EXPECT_EQ(willChange, 2) << "both values are assigned";
  center.post(applicationDidBecomeActiveNotification);
  EXPECT_EQ(willChange, 4);
}

TEST(KeyboardEnabledState, NotificationsAfterReleaseDoNothing) {
  platform::NotificationCenter center;
  auto state = std::make_unique<KeyboardEnabledState>("com.x.kb", center);
  center.post(TextInputMode::currentInputModeDidChangeNotification);  // delayed refresh pending
  state.reset();
  EXPECT_EQ(center.observerCount(), 0u);
  center.post(applicationDidBecomeActiveNotification);
  platform::MainQueue::main().advance(1);
  platform::MainQueue::main().runUntilIdle();
}

}  // namespace
}  // namespace keyloom
