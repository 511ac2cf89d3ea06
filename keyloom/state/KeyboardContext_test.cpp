#include "keyloom/state/KeyboardContext.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "keyloom/state/PreviewTextDocumentProxy.h"
#include "platform/input/Device.h"
#include "platform/input/InMemoryTextDocumentProxy.h"

namespace keyloom {
namespace {

using platform::AutocapitalizationType;
using platform::Locale;

KeyboardType alphabetic(KeyboardCase casing) { return KeyboardType::alphabetic(casing); }

// A context typing into `before` (absent: the proxy gives no text) in a
// field with the given autocapitalization (absent: not answered).
std::shared_ptr<KeyboardContext> contextWith(std::optional<std::string> before,
                                             std::optional<AutocapitalizationType> autocapitalization,
                                             KeyboardType type, const char* localeId = "en") {
  auto context = std::make_shared<KeyboardContext>();
  auto proxy = std::make_shared<platform::InMemoryTextDocumentProxy>();
  if (before) proxy->insertText(*before);
  platform::TextInputTraits traits;
  traits.autocapitalizationType = autocapitalization;
  proxy->input().setTraits(traits);
  context->textDocumentProxy = proxy;
  context->locale = Locale(localeId);
  context->keyboardType = type;
  return context;
}

TEST(KeyboardContextTest, ValuesAtCreation) {
  platform::Locale::setCurrent(Locale("de_CH"));
  KeyboardContext context;
  EXPECT_EQ(context.autocapitalizationTypeOverride.get(), std::nullopt);
  EXPECT_EQ(context.deviceType.get(), DeviceType::phone);
  EXPECT_FALSE(context.hasDictationKey.get());
  EXPECT_FALSE(context.hasFullAccess.get());
  EXPECT_EQ(context.interfaceOrientation.get(), InterfaceOrientation::portrait);
  EXPECT_TRUE(context.isAutoCapitalizationEnabled.get());
  EXPECT_FALSE(context.isKeyboardFloating.get());
  EXPECT_EQ(context.keyboardDictationReplacement.get(), std::nullopt);
  EXPECT_EQ(context.keyboardType.get(), alphabetic(KeyboardCase::lowercased));
  EXPECT_EQ(context.locale.get(), Locale("de_CH"));
  EXPECT_EQ(context.locales.get(), std::vector{Locale("de_CH")});
  EXPECT_FALSE(context.hasMultipleLocales());
  EXPECT_EQ(context.localePresentationLocale.get(), std::nullopt);
  EXPECT_FALSE(context.needsInputModeSwitchKey.get());
  EXPECT_TRUE(context.prefersAutocomplete.get());
  EXPECT_EQ(context.primaryLanguage.get(), std::nullopt);
  EXPECT_EQ(context.screenSize.get(), (platform::Size{0, 0}));
  EXPECT_EQ(context.spaceLongPressBehavior.get(), SpaceLongPressBehavior::moveInputCursor);
  ASSERT_TRUE(std::dynamic_pointer_cast<PreviewTextDocumentProxy>(context.mainTextDocumentProxy.get()));
  ASSERT_TRUE(std::dynamic_pointer_cast<PreviewTextDocumentProxy>(context.textDocumentProxy.get()));
  EXPECT_NE(context.mainTextDocumentProxy.get(), context.textDocumentProxy.get());
  EXPECT_EQ(context.textInputMode.get(), std::nullopt);
  EXPECT_EQ(context.traitCollection.get(), platform::TraitCollection{});
  EXPECT_FALSE(KeyboardContext::tempIsPreviewMode());
}

TEST(KeyboardContextTest, DeviceTypeFollowsTheIdiomAtCreation) {
  using platform::UserInterfaceIdiom;
  const std::pair<UserInterfaceIdiom, DeviceType> cases[] = {
      {UserInterfaceIdiom::pad, DeviceType::pad},
      {UserInterfaceIdiom::phone, DeviceType::phone},
      {UserInterfaceIdiom::mac, DeviceType::phone},
      {UserInterfaceIdiom::tv, DeviceType::phone},
  };
  for (const auto& [idiom, expected] : cases) {
    platform::Device::current().setUserInterfaceIdiom(idiom);
    EXPECT_EQ(KeyboardContext().deviceType.get(), expected);
  }
}

TEST(KeyboardContextTest, EveryWritePublishesBeforeStoring) {
  KeyboardContext context;
  std::vector<std::string> seen;
  auto changes = context.objectWillChange().sink([&] { seen.push_back(context.locale->identifier()); });
  context.setLocale(Locale("en"));
  context.setLocale(Locale("en"));
  context.setLocale(KeyboardLocale::serbian_latin);
  EXPECT_EQ(seen, (std::vector<std::string>{"en_US", "en", "en"}));
  EXPECT_EQ(context.locale->identifier(), "sr-Latn");
}

TEST(KeyboardContextTest, SelectNextLocaleCyclesAndAlwaysPublishes) {
  KeyboardContext context;
  int changes = 0;
  auto subscription = context.objectWillChange().sink([&] { ++changes; });
  context.setLocales(std::vector{KeyboardLocale::english, KeyboardLocale::german, KeyboardLocale::french});
  context.setLocale(KeyboardLocale::german);
  changes = 0;

  context.selectNextLocale();
  EXPECT_EQ(context.locale.get(), Locale("fr"));
  context.selectNextLocale();
  EXPECT_EQ(context.locale.get(), Locale("en"));
  context.setLocale(KeyboardLocale::swedish);  // not in the list
  context.selectNextLocale();
  EXPECT_EQ(context.locale.get(), Locale("en"));
  EXPECT_EQ(changes, 4);

  context.setLocales(std::vector<Locale>{Locale("en"), Locale("de"), Locale("en")});
  context.selectNextLocale();  // the first match counts
  EXPECT_EQ(context.locale.get(), Locale("de"));

  context.setLocales(std::vector<Locale>{});
  changes = 0;
  context.selectNextLocale();
  EXPECT_EQ(context.locale.get(), Locale("de"));
  EXPECT_EQ(changes, 1);
}

TEST(KeyboardContextTest, LocaleAndLocalesAreIndependent) {
  KeyboardContext context;
  context.setLocales(std::vector{KeyboardLocale::german, KeyboardLocale::swedish});
  EXPECT_EQ(context.locale.get(), Locale("en_US"));
  EXPECT_TRUE(context.hasMultipleLocales());
  context.setLocale(KeyboardLocale::finnish);
  EXPECT_EQ(context.locales.get(), (std::vector{Locale("de"), Locale("sv")}));
}

TEST(KeyboardContextTest, KeyboardLocaleNeedsTheExactIdentifier) {
  KeyboardContext context;
  context.setLocale(Locale("en_US"));
  EXPECT_EQ(context.keyboardLocale(), KeyboardLocale::english_us);
  EXPECT_TRUE(context.hasKeyboardLocale(KeyboardLocale::english_us));
  EXPECT_FALSE(context.hasKeyboardLocale(KeyboardLocale::english));
  context.setLocale(Locale("de_DE"));
  EXPECT_EQ(context.keyboardLocale(), std::nullopt);
}

TEST(KeyboardContextTest, DerivedAppearanceValues) {
  KeyboardContext context;
  EXPECT_EQ(context.colorScheme(), platform::ui::ColorScheme::light);
  context.traitCollection = platform::TraitCollection{platform::UserInterfaceStyle::dark};
  EXPECT_TRUE(context.hasDarkColorScheme());

  EXPECT_EQ(context.keyboardAppearance(), platform::KeyboardAppearance::default_);
  auto proxy = std::make_shared<platform::InMemoryTextDocumentProxy>();
  platform::TextInputTraits traits;
  traits.keyboardAppearance = platform::KeyboardAppearance::dark;
  proxy->input().setTraits(traits);
  context.textDocumentProxy = proxy;
  EXPECT_EQ(context.keyboardAppearance(), platform::KeyboardAppearance::dark);

  EXPECT_TRUE(context.hasKeyboardType(alphabetic(KeyboardCase::lowercased)));
  EXPECT_FALSE(context.hasKeyboardType(alphabetic(KeyboardCase::uppercased)));
}

TEST(KeyboardContextTest, AutocapitalizationTypeMapsThePlatformValue) {
  EXPECT_EQ(keyboardType(AutocapitalizationType::none), KeyboardAutocapitalizationType::none);
  EXPECT_EQ(keyboardType(AutocapitalizationType::words), KeyboardAutocapitalizationType::words);
  EXPECT_EQ(keyboardType(AutocapitalizationType::sentences), KeyboardAutocapitalizationType::sentences);
  EXPECT_EQ(keyboardType(AutocapitalizationType::allCharacters),
            KeyboardAutocapitalizationType::allCharacters);
  EXPECT_EQ(keyboardType(static_cast<AutocapitalizationType>(4)), KeyboardAutocapitalizationType::none);
  EXPECT_EQ(keyboardType(static_cast<AutocapitalizationType>(-1)), KeyboardAutocapitalizationType::none);
  EXPECT_EQ(fromRawValue<KeyboardAutocapitalizationType>("allCharacters"),
            KeyboardAutocapitalizationType::allCharacters);
  EXPECT_EQ(fromRawValue<KeyboardAutocapitalizationType>("Words"), std::nullopt);

  auto context = contextWith("Hi", AutocapitalizationType::words, alphabetic(KeyboardCase::lowercased));
  EXPECT_EQ(context->autocapitalizationType(), KeyboardAutocapitalizationType::words);
  context->autocapitalizationTypeOverride = KeyboardAutocapitalizationType::none;
  EXPECT_EQ(context->autocapitalizationType(), KeyboardAutocapitalizationType::none);
  EXPECT_EQ(contextWith("Hi", std::nullopt, alphabetic(KeyboardCase::lowercased))->autocapitalizationType(),
            std::nullopt);
}

TEST(KeyboardContextTest, PreferredKeyboardTypeForLetters) {
  const auto sentences = AutocapitalizationType::sentences;
  const auto words = AutocapitalizationType::words;
  struct Case {
    const char* name;
    std::optional<std::string> before;
    std::optional<AutocapitalizationType> autocapitalization;
    KeyboardCase casing;
    const char* locale;
    KeyboardCase expected;
  };
  const Case cases[] = {
      {"caps lock stays", "Hi. ", sentences, KeyboardCase::capsLocked, "en", KeyboardCase::capsLocked},
      {"caps lock stays mid-word", "Hel", std::nullopt, KeyboardCase::capsLocked, "ar",
       KeyboardCase::capsLocked},
      {"new sentence", "Hi. ", sentences, KeyboardCase::lowercased, "en", KeyboardCase::uppercased},
      {"empty field", std::nullopt, sentences, KeyboardCase::lowercased, "en", KeyboardCase::uppercased},
      {"inside a sentence", "Hi there", sentences, KeyboardCase::uppercased, "en", KeyboardCase::lowercased},
      {"new word", "Hi ", words, KeyboardCase::auto_, "en", KeyboardCase::uppercased},
      {"inside a word", "Hi", words, KeyboardCase::uppercased, "en", KeyboardCase::lowercased},
      {"all characters", "hi", AutocapitalizationType::allCharacters, KeyboardCase::lowercased, "en",
       KeyboardCase::uppercased},
      {"no capitals", "Hi. ", AutocapitalizationType::none, KeyboardCase::uppercased, "en",
       KeyboardCase::lowercased},
      {"field does not say", "Hi. ", std::nullopt, KeyboardCase::uppercased, "en", KeyboardCase::lowercased},
      {"right-to-left language", "", sentences, KeyboardCase::uppercased, "ar", KeyboardCase::lowercased},
      {"right-to-left region", "", sentences, KeyboardCase::uppercased, "he_IL", KeyboardCase::lowercased},
      {"no language code", "", sentences, KeyboardCase::lowercased, "", KeyboardCase::uppercased},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto context = contextWith(c.before, c.autocapitalization, alphabetic(c.casing), c.locale);
    EXPECT_EQ(context->preferredKeyboardType(), alphabetic(c.expected));
    EXPECT_EQ(context->keyboardType.get(), alphabetic(c.casing)) << "reading letters changes nothing";
  }
}

TEST(KeyboardContextTest, DisabledAutoCapitalizationPrefersLowerCase) {
  for (KeyboardCase casing : {KeyboardCase::auto_, KeyboardCase::lowercased, KeyboardCase::uppercased}) {
    auto context = contextWith("", AutocapitalizationType::allCharacters, alphabetic(casing));
    context->isAutoCapitalizationEnabled = false;
    EXPECT_EQ(context->preferredKeyboardType(), alphabetic(KeyboardCase::lowercased));
  }
}

TEST(KeyboardContextTest, OverrideWinsOverTheField) {
  auto context = contextWith("hi", AutocapitalizationType::none, alphabetic(KeyboardCase::lowercased));
  context->autocapitalizationTypeOverride = KeyboardAutocapitalizationType::allCharacters;
  EXPECT_EQ(context->preferredKeyboardType(), alphabetic(KeyboardCase::uppercased));
}

TEST(KeyboardContextTest, NumbersGoBackToLettersAfterOneSpace) {
  struct Case {
    std::optional<std::string> before;
    KeyboardType type;
    bool switches;
  };
  const Case cases[] = {
      {"12 ", KeyboardType::numeric(), true},         {"#$ ", KeyboardType::symbolic(), true},
      {"12  ", KeyboardType::numeric(), false},       {"12", KeyboardType::numeric(), false},
      {std::nullopt, KeyboardType::numeric(), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before.value_or("(none)"));
    auto context = contextWith(c.before, AutocapitalizationType::sentences, c.type);
    int changes = 0;
    auto subscription = context->keyboardType.didSet().sink([&](const KeyboardType&) { ++changes; });
    const KeyboardType preferred = context->preferredKeyboardType();
    const KeyboardType expected = c.switches ? alphabetic(KeyboardCase::lowercased) : c.type;
    EXPECT_EQ(preferred, expected);
    EXPECT_EQ(context->keyboardType.get(), expected);
    EXPECT_EQ(changes, c.switches ? 1 : 0);
  }
}

TEST(KeyboardContextTest, AfterSwitchingToLettersTheCasingRuleApplies) {
  auto context = contextWith("Done. 12 ", AutocapitalizationType::sentences, KeyboardType::numeric());
  EXPECT_EQ(context->preferredKeyboardType(), alphabetic(KeyboardCase::lowercased));
  context = contextWith("Done. ", AutocapitalizationType::sentences, KeyboardType::numeric());
  EXPECT_EQ(context->preferredKeyboardType(), alphabetic(KeyboardCase::uppercased));
  EXPECT_EQ(context->keyboardType.get(), alphabetic(KeyboardCase::lowercased));
}

TEST(KeyboardContextTest, SpecialKeyboardsPreferThemselves) {
  for (const KeyboardType& type : {KeyboardType::email(), KeyboardType::emojis(), KeyboardType::images(),
                                   KeyboardType::custom("math")}) {
    auto context = contextWith("12 ", AutocapitalizationType::sentences, type);
    EXPECT_EQ(context->preferredKeyboardType(), type);
    EXPECT_EQ(context->keyboardType.get(), type);
  }
}

}  // namespace
}  // namespace keyloom
