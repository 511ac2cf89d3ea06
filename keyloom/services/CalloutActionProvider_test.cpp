#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "keyloom/services/DisabledCalloutActionProvider.h"
#include "keyloom/services/EnglishCalloutActionProvider.h"
#include "keyloom/services/StandardCalloutActionProvider.h"

namespace keyloom {
namespace {

std::vector<std::string> texts(const std::vector<KeyboardAction>& actions) {
  std::vector<std::string> result;
  for (const auto& action : actions) {
    const auto* character = action.get<keyboard_action::Character>();
    result.push_back(character ? character->text : "<not a character>");
  }
  return result;
}

std::vector<std::string> englishFor(const std::string& key) {
  EnglishCalloutActionProvider provider;
  return texts(provider.calloutActions(KeyboardAction::character(key)));
}

TEST(EnglishCalloutActionProvider, EveryRowInOrder) {
  struct Case {
    std::string key;
    std::vector<std::string> expected;
  };
  const std::string doubleQuotes[] = {"\"", "\u201D", "\u201C", "\u201E", "\u00BB", "\u00AB"};
  const std::string singleQuotes[] = {"'", "\u2019", "\u2018", "`"};
  const std::vector<Case> cases = {
      {"0", {"0", "\u00B0"}},
      {"a", {"a", "\u00E0", "\u00E1", "\u00E2", "\u00E4", "\u00E6", "\u00E3", "\u00E5", "\u0101"}},
      {"c", {"c", "\u00E7", "\u0107", "\u010D"}},
      {"e", {"e", "\u00E8", "\u00E9", "\u00EA", "\u00EB", "\u0113", "\u0117", "\u0119"}},
      {"i", {"i", "\u00EE", "\u00EF", "\u00ED", "\u012B", "\u012F", "\u00EC"}},
      {"l", {"l", "\u0142"}},
      {"n", {"n", "\u00F1", "\u0144"}},
      {"o", {"o", "\u00F4", "\u00F6", "\u00F2", "\u00F3", "\u0153", "\u00F8", "\u014D", "\u00F5"}},
      {"s", {"s", "\u00DF", "\u015B", "\u0161"}},
      {"u", {"u", "\u00FB", "\u00FC", "\u00F9", "\u00FA", "\u016B"}},
      {"y", {"y", "\u00FF"}},
      {"z", {"z", "\u017E", "\u017A", "\u017C"}},
      {"-", {"-", "\u2013", "\u2014", "\u2022"}},
      {"/", {"/", "\\"}},
      {"$", {"$", "\u20AC", "\u00A3", "\u00A5", "\u20A9", "\u20BD", "\u00A2"}},
      {"&", {"&", "\u00A7"}},
      {"\u201D", {std::begin(doubleQuotes), std::end(doubleQuotes)}},
      {"\u201C", {std::begin(doubleQuotes), std::end(doubleQuotes)}},
      {".", {".", "\u2026"}},
      {"?", {"?", "\u00BF"}},
      {"!", {"!", "\u00A1"}},
      {"'", {std::begin(singleQuotes), std::end(singleQuotes)}},
      {"\u2019", {std::begin(singleQuotes), std::end(singleQuotes)}},
      {"%", {"%", "\u2030"}},
      {"=", {"=", "\u2260", "\u2248"}},
      // Keys without a row, including marks that only appear as alternatives.
      {"b", {}},
      {"1", {}},
      {"\"", {}},
      {"\u2018", {}},
      {"ab", {}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(englishFor(c.key), c.expected) << "key " << c.key;
}

TEST(EnglishCalloutActionProvider, UppercaseKeysGetUppercaseAlternatives) {
  EXPECT_EQ(englishFor("E"), (std::vector<std::string>{"E", "\u00C8", "\u00C9", "\u00CA", "\u00CB", "\u0112",
                                                        "\u0116", "\u0118"}));
  // The uppercase of sharp s is two letters, so S gets five alternatives.
  EXPECT_EQ(englishFor("S"), (std::vector<std::string>{"S", "S", "S", "\u015A", "\u0160"}));
}

TEST(EnglishCalloutActionProvider, OnlyCharacterActionsHaveAlternatives) {
  EnglishCalloutActionProvider provider;
  EXPECT_EQ(provider.localeKey(), "en");
  EXPECT_TRUE(provider.calloutActions(KeyboardAction::characterMargin("a")).empty());
  EXPECT_TRUE(provider.calloutActions(KeyboardAction::emoji(Emoji("\U0001F600"))).empty());
  EXPECT_TRUE(provider.calloutActions(KeyboardAction::space()).empty());
}

TEST(DisabledCalloutActionProvider, OffersNothing) {
  DisabledCalloutActionProvider provider;
  EXPECT_TRUE(provider.calloutActions(KeyboardAction::character("a")).empty());
  EXPECT_TRUE(provider.calloutActions(KeyboardAction::character("e")).empty());
}

// A provider that answers with its key, to tell which one was chosen.
class TaggedProvider : public LocalizedCalloutActionProvider {
 public:
  TaggedProvider(std::string key, std::string tag) : key_(std::move(key)), tag_(std::move(tag)) {}
  std::string localeKey() const override { return key_; }
  std::vector<KeyboardAction> calloutActions(const KeyboardAction&) override {
    return {KeyboardAction::character(tag_)};
  }

 private:
  std::string key_;
  std::string tag_;
};

TEST(StandardCalloutActionProvider, ChoosesByIdentifierThenLanguageThenEnglish) {
  auto context = std::make_shared<KeyboardContext>();
  StandardCalloutActionProvider provider(context, {std::make_shared<TaggedProvider>("de_CH", "swiss"),
                                                   std::make_shared<TaggedProvider>("de", "german"),
                                                   std::make_shared<TaggedProvider>("de", "second german")});
  const auto e = KeyboardAction::character("e");
  context->setLocale(platform::Locale("de_CH"));
  EXPECT_EQ(texts(provider.calloutActions(e)), std::vector<std::string>{"swiss"});
  // The locale is read at every call.
  context->setLocale(platform::Locale("de_AT"));
  EXPECT_EQ(texts(provider.calloutActions(e)), std::vector<std::string>{"german"}) << "first of a duplicate key";
  context->setLocale(platform::Locale("fr_FR"));
  EXPECT_EQ(provider.calloutActions(e).size(), 8u) << "English fallback";
}

TEST(StandardCalloutActionProvider, EnglishFoundByLanguageCode) {
  auto context = std::make_shared<KeyboardContext>();
  auto english = std::make_shared<EnglishCalloutActionProvider>();
  StandardCalloutActionProvider provider(context, {english});
  EXPECT_EQ(provider.provider(platform::Locale("en_GB")), english);
  auto fallback = provider.provider(platform::Locale("de_DE"));
  EXPECT_NE(fallback, english);
  EXPECT_NE(std::dynamic_pointer_cast<EnglishCalloutActionProvider>(fallback), nullptr);
}

}  // namespace
}  // namespace keyloom
