#include "keyloom/autocomplete/DictationContext.h"

#include <gtest/gtest.h>

#include "platform/foundation/Locale.h"
#include "platform/foundation/ProcessState.h"
#include "platform/ui/Transaction.h"

namespace keyloom {
namespace {

using Key = DictationContext::PersistedKey;
using platform::UserDefaults;
using platform::UserDefaultsValue;

const std::string group = "group.org.keyloom.tests";

std::optional<UserDefaultsValue> stored(const std::string& suite, Key key) {
  return UserDefaults::suite(suite)->object(DictationContext::key(key));
}

void store(const std::string& suite, Key key, UserDefaultsValue value) {
  UserDefaults::suite(suite)->set(DictationContext::key(key), std::move(value));
}

KeyboardDictationConfiguration config(const std::string& appGroupId = group) {
  return KeyboardDictationConfiguration(appGroupId, "keyloomapp://dictation");
}

TEST(DictationContext, KeysCarryTheLibraryPrefix) {
  EXPECT_EQ(DictationContext::key(Key::text), "org.keyloom.dictation.text");
  EXPECT_EQ(DictationContext::key(Key::appGroupId), "org.keyloom.dictation.appGroupId");
  EXPECT_EQ(DictationContext::key(Key::isDictationStartedByKeyboard),
            "org.keyloom.dictation.isDictationStartedByKeyboard");
}

TEST(DictationContext, NewContextWithNothingStored) {
  platform::Locale::setCurrent(platform::Locale("fr_FR"));
  DictationContext context;
  EXPECT_EQ(context.appGroupId(), std::nullopt);
  EXPECT_EQ(context.dictatedText.get(), "");
  EXPECT_FALSE(context.isDictating.get());
  EXPECT_FALSE(context.isDictationStartedByKeyboard.get());
  EXPECT_EQ(context.silenceLimit.get(), 30.0);
  EXPECT_EQ(context.localeId.get(), "fr_FR");
  EXPECT_EQ(context.lastError.get(), nullptr);
  context.dictatedText = "hello";
  EXPECT_TRUE(UserDefaults::standard().dictionaryRepresentation().empty());
}

TEST(DictationContext, SetupConnectsAndWritesTheFourValuesBack) {
  store(group, Key::localeId, "de_DE");
  store(group, Key::text, "dictated");
  store(group, Key::isDictationStartedByKeyboard, true);
  DictationContext context(config());

  EXPECT_EQ(context.appDeepLink, "keyloomapp://dictation");
  EXPECT_EQ(context.appGroupId(), group);
  EXPECT_EQ(UserDefaults::standard().string(DictationContext::key(Key::appGroupId)), group);
  EXPECT_EQ(context.localeId.get(), "de_DE");
  EXPECT_EQ(context.dictatedText.get(), "dictated");
  EXPECT_TRUE(context.isDictationStartedByKeyboard.get());
  EXPECT_EQ(stored(group, Key::silenceLimit), UserDefaultsValue(30.0));
}

TEST(DictationContext, StoredSilenceLimitIsUsedOnlyWhenPositive) {
  struct Row {
    UserDefaultsValue storedLimit;
    double expected;
  };
  for (const Row& row : {Row{0.0, 30.0}, Row{-5.0, 30.0}, Row{12.5, 12.5}, Row{std::int64_t{8}, 8.0}}) {
    platform::resetProcessState();
    store(group, Key::silenceLimit, row.storedLimit);
    DictationContext context;
    context.setup(config());
    EXPECT_EQ(context.silenceLimit.get(), row.expected);
    EXPECT_EQ(stored(group, Key::silenceLimit)->asDouble(), row.expected);
  }
}

TEST(DictationContext, StoreWithoutLocaleKeepsAndWritesTheInMemoryOne) {
  platform::Locale::setCurrent(platform::Locale("nb_NO"));
  DictationContext context;
  context.setup(config());
  EXPECT_EQ(context.localeId.get(), "nb_NO");
  EXPECT_EQ(stored(group, Key::localeId), UserDefaultsValue("nb_NO"));
}

TEST(DictationContext, WritesGoThroughOnlyOnceConnected) {
  DictationContext context;
  context.dictatedText = "before";
  EXPECT_EQ(stored(group, Key::text), std::nullopt);

  context.setup(config());
  EXPECT_EQ(stored(group, Key::text), UserDefaultsValue("before"));  // written back by the connect
  context.dictatedText = "after";
  context.silenceLimit = 4.0;
  context.isDictationStartedByKeyboard = true;
  context.localeId = "it_IT";
  EXPECT_EQ(stored(group, Key::text), UserDefaultsValue("after"));
  EXPECT_EQ(stored(group, Key::silenceLimit), UserDefaultsValue(4.0));
  EXPECT_EQ(stored(group, Key::isDictationStartedByKeyboard), UserDefaultsValue(true));
  EXPECT_EQ(stored(group, Key::localeId), UserDefaultsValue("it_IT"));
}

TEST(DictationContext, PublishesBeforeWriting) {
  DictationContext context(config());
  std::optional<UserDefaultsValue> seenInStore;
  auto token = context.objectWillChange().sink([&] { seenInStore = stored(group, Key::text); });
  context.dictatedText = "new";
  EXPECT_EQ(seenInStore, UserDefaultsValue(""));
  EXPECT_EQ(stored(group, Key::text), UserDefaultsValue("new"));
}

TEST(DictationContext, ResetTouchesOnlyTheDictationFields) {
  DictationContext context(config());
  context.dictatedText = "text";
  context.isDictationStartedByKeyboard = true;
  context.setIsDictating(true);
  store(group, Key::localeId, "pt_BR");
  store(group, Key::silenceLimit, 9.0);

  context.reset();
  EXPECT_FALSE(context.isDictating.get());
  EXPECT_EQ(stored(group, Key::text), UserDefaultsValue(""));
  EXPECT_EQ(stored(group, Key::isDictationStartedByKeyboard), UserDefaultsValue(false));
  EXPECT_EQ(stored(group, Key::localeId), UserDefaultsValue("pt_BR"));
  EXPECT_EQ(stored(group, Key::silenceLimit), UserDefaultsValue(9.0));
}

TEST(DictationContext, ANewContextRestoresFromTheGroupNamedEarlier) {
  {
    DictationContext first(config());
    first.dictatedText = "kept";
    first.silenceLimit = 15.0;
    first.localeId = "es_ES";
  }
  DictationContext second;
  EXPECT_EQ(second.appGroupId(), group);
  EXPECT_EQ(second.dictatedText.get(), "kept");
  EXPECT_EQ(second.silenceLimit.get(), 15.0);
  EXPECT_EQ(second.localeId.get(), "es_ES");
}

TEST(DictationContext, DictationConfigurationSetsTheLocaleWithoutConnecting) {
  UserDefaults::standard().set(DictationContext::key(Key::appGroupId), group);
  store(group, Key::localeId, "de_DE");
  DictationContext context(DictationConfiguration("ja_JP"));
  EXPECT_EQ(context.localeId.get(), "ja_JP");
  context.dictatedText = "not written";
  EXPECT_EQ(stored(group, Key::text), std::nullopt);
  EXPECT_EQ(stored(group, Key::localeId), UserDefaultsValue("de_DE"));
}

TEST(DictationContext, UnavailableSuiteWorksInMemory) {
  UserDefaults::setSuiteUnavailable(group, true);
  DictationContext context(config());
  EXPECT_EQ(context.appGroupId(), group);
  context.dictatedText = "memory only";
  EXPECT_EQ(context.dictatedText.get(), "memory only");
  UserDefaults::setSuiteUnavailable(group, false);
  EXPECT_EQ(stored(group, Key::text), std::nullopt);
}

TEST(DictationContext, FailedSwitchStopsWritingToTheOldGroup) {
  const std::string other = "group.org.keyloom.other";
  UserDefaults::setSuiteUnavailable(other, true);
  DictationContext context(config());
  context.dictatedText = "first";
  context.setAppGroupId(other);
  context.dictatedText = "second";
  EXPECT_EQ(stored(group, Key::text), UserDefaultsValue("first"));
}

TEST(DictationContext, BindingRenamesWithoutConnecting) {
  const std::string other = "group.org.keyloom.other";
  DictationContext context(config());
  auto binding = context.appGroupIdBinding();
  EXPECT_EQ(binding.get(), group);
  binding.set(other);
  EXPECT_EQ(context.appGroupId(), other);
  context.dictatedText = "while renamed";
  // Neither the old group (no longer named) nor the new one (not connected).
  EXPECT_EQ(stored(group, Key::text), UserDefaultsValue(""));
  EXPECT_EQ(stored(other, Key::text), std::nullopt);

  context.setAppGroupId(other);
  EXPECT_EQ(stored(other, Key::text), UserDefaultsValue("while renamed"));
}

TEST(DictationContext, ValuesOfTheWrongKindAreRepairedWithTheContextsValues) {
  platform::Locale::setCurrent(platform::Locale("en_GB"));
  store(group, Key::localeId, true);
  store(group, Key::text, std::int64_t{42});
  store(group, Key::isDictationStartedByKeyboard, "YES");
  store(group, Key::silenceLimit, "12");
  DictationContext context(config());

  EXPECT_EQ(context.localeId.get(), "en_GB");
  EXPECT_EQ(context.dictatedText.get(), "");
  EXPECT_FALSE(context.isDictationStartedByKeyboard.get());
  EXPECT_EQ(context.silenceLimit.get(), 30.0);
  // The keys are the keyboard's own: a wrong kind is written over.
  EXPECT_EQ(stored(group, Key::localeId), UserDefaultsValue("en_GB"));
  EXPECT_EQ(stored(group, Key::text), UserDefaultsValue(""));
  EXPECT_EQ(stored(group, Key::isDictationStartedByKeyboard), UserDefaultsValue(false));
  EXPECT_EQ(stored(group, Key::silenceLimit), UserDefaultsValue(30.0));

  context.dictatedText = "typed";
  EXPECT_EQ(stored(group, Key::text), UserDefaultsValue("typed"));
}

TEST(DictationContext, AppGroupIdOfTheWrongKindIsAbsent) {
  UserDefaults::standard().set(DictationContext::key(Key::appGroupId), std::int64_t{7});
  DictationContext context;
  EXPECT_EQ(context.appGroupId(), std::nullopt);
  EXPECT_EQ(UserDefaults::standard().object(DictationContext::key(Key::appGroupId)),
            UserDefaultsValue(std::int64_t{7}));
}

TEST(DictationContext, SetIsDictatingAnimates) {
  DictationContext context;
  bool animated = false;
  auto token = context.isDictating.didSet().sink(
      [&](const bool&) { animated = platform::ui::Transaction::current().isAnimated(); });
  context.setIsDictating(true);
  EXPECT_TRUE(context.isDictating.get());
  EXPECT_TRUE(animated);
}

}  // namespace
}  // namespace keyloom
