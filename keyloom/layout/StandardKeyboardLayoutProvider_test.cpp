#include "keyloom/layout/StandardKeyboardLayoutProvider.h"

#include <gtest/gtest.h>

#include "keyloom/layout/EnglishInputSetProvider.h"
#include "keyloom/layout/EnglishKeyboardLayoutProvider.h"
#include "keyloom/layout/StandardInputSetProvider.h"
#include "keyloom/layout/StaticInputSetProvider.h"
#include "keyloom/layout/StaticKeyboardLayoutProvider.h"
#include "testing/KeyboardLayoutTesting.h"

namespace keyloom {
namespace {

using namespace keyloom::testing;

// Three one-row sets whose single key names the set.
std::shared_ptr<InputSetProvider> marked(const char* mark) {
  const InputSetRows rows{inputSetRow(mark)};
  return std::make_shared<StaticInputSetProvider>(AlphabeticInputSet{rows}, NumericInputSet{rows},
                                                  SymbolicInputSet{rows});
}

// The standard input sets, for the contexts made by makeContext.
std::shared_ptr<InputSetProvider> standardSets() {
  return std::make_shared<EnglishInputSetProvider>();
}

TEST(StandardKeyboardLayoutProvider, DeviceTypeChoosesPadOrPhone) {
  StandardKeyboardLayoutProvider provider(makeContext({}), standardSets(), {});
  const auto pad = makeContext({.device = DeviceType::pad});
  EXPECT_EQ(provider.keyboardLayoutProvider(*pad), provider.iPadProvider());
  for (const auto device : {DeviceType::phone, DeviceType::watch, DeviceType::mac, DeviceType::tv, DeviceType::other}) {
    SCOPED_TRACE(rawValue(device));
    EXPECT_EQ(provider.keyboardLayoutProvider(*makeContext({.device = device})), provider.iPhoneProvider());
  }
  // The layouts are the phone and pad ones: pads have the dismiss key.
  EXPECT_EQ(provider.keyboardLayout(*pad)->itemRows().back().back().action, KeyboardAction::dismissKeyboard());
  EXPECT_EQ(provider.keyboardLayout(*makeContext({}))->itemRows().back().back().action,
            KeyboardAction::primary(KeyboardReturnKeyType::return_()));
}

TEST(StandardKeyboardLayoutProvider, LocalizedProviderByIdentifierOrLanguage) {
  auto english = std::make_shared<EnglishKeyboardLayoutProvider>(standardSets());
  StandardKeyboardLayoutProvider provider(makeContext({}), standardSets(), {english});
  ASSERT_TRUE(provider.localizedProviders().value(platform::Locale("en")));
  for (const char* locale : {"en", "en_US", "en_GB"}) {
    SCOPED_TRACE(locale);
    EXPECT_EQ(provider.keyboardLayoutProvider(*makeContext({.locale = locale})), english);
  }
  EXPECT_EQ(provider.keyboardLayoutProvider(*makeContext({.locale = "de"})), provider.iPhoneProvider());
  EXPECT_EQ(provider.keyboardLayoutProvider(*makeContext({.device = DeviceType::pad, .locale = "de"})),
            provider.iPadProvider());
  // The English provider itself picks by device.
  const auto pad = makeContext({.device = DeviceType::pad});
  EXPECT_EQ(english->keyboardLayoutProvider(*pad), english->iPadProvider());
  EXPECT_EQ(provider.keyboardLayout(*pad)->itemRows().back().back().action, KeyboardAction::dismissKeyboard());
}

TEST(StandardKeyboardLayoutProvider, LaterProviderWinsASharedLocaleKey) {
  auto first = std::make_shared<EnglishKeyboardLayoutProvider>(standardSets());
  auto second = std::make_shared<EnglishKeyboardLayoutProvider>(standardSets());
  StandardKeyboardLayoutProvider provider(makeContext({}), standardSets(), {first, second});
  EXPECT_EQ(provider.keyboardLayoutProvider(*makeContext({})), second);
}

TEST(StandardKeyboardLayoutProvider, RegisteringReachesThePadAndPhoneProviders) {
  StandardKeyboardLayoutProvider provider(makeContext({}), marked("a"), {});
  // Before any layout: both come into being with the new provider.
  provider.register_(marked("b"));
  EXPECT_EQ(provider.iPadProvider()->inputSetProvider(), provider.inputSetProvider());
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*makeContext({}))), (LayoutKeys{chars("b")}));
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*makeContext({.device = DeviceType::pad}))), (LayoutKeys{chars("b")}));

  provider.setInputSetProvider(marked("c"));
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*makeContext({}))), (LayoutKeys{chars("c")}));
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*makeContext({.device = DeviceType::pad}))), (LayoutKeys{chars("c")}));
}

TEST(StandardKeyboardLayoutProvider, LocalizedProvidersAreNotToldOfRegistrations) {
  auto english = std::make_shared<EnglishKeyboardLayoutProvider>(marked("e"));
  StandardKeyboardLayoutProvider provider(makeContext({}), marked("a"), {english});
  provider.register_(marked("b"));
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*makeContext({}))), (LayoutKeys{chars("e")}));
}

TEST(StandardKeyboardLayoutProvider, AssignedSubProvidersAreUsed) {
  StandardKeyboardLayoutProvider provider(makeContext({}), marked("a"), {});
  auto phone = std::make_shared<iPhoneKeyboardLayoutProvider>(marked("p"));
  provider.setIPhoneProvider(phone);
  EXPECT_EQ(keysOf(*provider.keyboardLayout(*makeContext({}))), (LayoutKeys{chars("p")}));
}

TEST(StandardKeyboardLayoutProvider, FollowsTheLocaleOfTheStandardInputSets) {
  // As the controller sets it up: the standard input sets and no localized layouts.
  auto context = makeContext({});
  auto inputSets = std::make_shared<StandardInputSetProvider>(
      context, std::vector<std::shared_ptr<LocalizedInputSetProvider>>{std::make_shared<EnglishInputSetProvider>()});
  StandardKeyboardLayoutProvider provider(context, inputSets, {});
  context->locale = platform::Locale("de");
  const auto layout = provider.keyboardLayout(*context);
  ASSERT_EQ(layout->itemRows().size(), 4u);
  EXPECT_EQ(layout->itemRows()[0].front().action, KeyboardAction::character("q"));
}

TEST(EnglishKeyboardLayoutProvider, RegisteringReachesItsPadAndPhoneProviders) {
  EnglishKeyboardLayoutProvider english(marked("a"));
  EXPECT_EQ(english.localeKey(), "en");
  const auto phone = makeContext({});
  const auto pad = makeContext({.device = DeviceType::pad});
  EXPECT_EQ(keysOf(*english.keyboardLayout(*phone)), (LayoutKeys{chars("a")}));
  english.register_(marked("b"));
  // The phone provider existed already; the pad provider is made now.
  EXPECT_EQ(keysOf(*english.keyboardLayout(*phone)), (LayoutKeys{chars("b")}));
  EXPECT_EQ(keysOf(*english.keyboardLayout(*pad)), (LayoutKeys{chars("b")}));
  english.setInputSetProvider(marked("c"));
  EXPECT_EQ(keysOf(*english.keyboardLayout(*phone)), (LayoutKeys{chars("c")}));
  EXPECT_EQ(keysOf(*english.keyboardLayout(*pad)), (LayoutKeys{chars("c")}));
}

TEST(StaticKeyboardLayoutProvider, AlwaysTheSameLayoutObject) {
  auto layout = std::make_shared<KeyboardLayout>(KeyboardLayoutItemRows{});
  StaticKeyboardLayoutProvider provider(layout);
  EXPECT_EQ(provider.keyboardLayout(*makeContext({})), layout);
  provider.register_(marked("a"));
  EXPECT_EQ(provider.keyboardLayout(*makeContext({.device = DeviceType::pad, .keyboardType = KeyboardType::numeric()})),
            layout);
}

}  // namespace
}  // namespace keyloom
