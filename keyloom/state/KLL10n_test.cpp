#include "keyloom/state/KLL10n.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <string>

#include "keyloom/resources/KeyloomBundle.h"

namespace keyloom {
namespace {

namespace fs = std::filesystem;

class KLL10nTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bundle_ = fs::temp_directory_path() /
              ("keyloom-kll10n-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name()) /
              keyloomBundleName;
    fs::remove_all(bundle_.parent_path());
    fs::create_directories(bundle_);
  }
  void TearDown() override { fs::remove_all(bundle_.parent_path()); }

  void table(const std::string& language, const std::string& text) {
    fs::create_directories(bundle_ / (language + ".lproj"));
    std::ofstream(bundle_ / (language + ".lproj") / "Localizable.strings") << text;
  }

  fs::path bundle_;
};

TEST(KLL10n, RawValuesAreTheTableKeys) {
  const auto cases = allCases<KLL10n>();
  ASSERT_EQ(cases.size(), 13u);
  EXPECT_EQ(cases.front(), KLL10n::done);
  EXPECT_EQ(cases.back(), KLL10n::searchEmoji);
  EXPECT_EQ(key(KLL10n::return_), "return");
  EXPECT_EQ(id(KLL10n::keyboardTypeNumeric), "keyboardTypeNumeric");
  for (KLL10n text : cases) EXPECT_EQ(fromRawValue<KLL10n>(key(text)), text);

  EXPECT_EQ(fromRawValue<KLL10n>("searchEmoji"), KLL10n::searchEmoji);
  EXPECT_EQ(fromRawValue<KLL10n>("Done"), std::nullopt);
  EXPECT_EQ(fromRawValue<KLL10n>(""), std::nullopt);
}

TEST_F(KLL10nTest, LocaleTextsComeFromTheLanguageFolder) {
  table("en", "\"done\" = \"done\"; \"space\" = \"space\";");
  table("de", "\"done\" = \"Fertig\";");
  table("de_CH", "\"space\" = \"Leerschlag\";");
  setKLL10nBundle(platform::Bundle(bundle_));

  EXPECT_EQ(text(KLL10n::done, platform::Locale("de_AT")), "Fertig");
  EXPECT_EQ(text(KLL10n::done, KeyboardLocale::german_austria), "Fertig");
  // The identifier's own folder wins, even for a key only the language folder has.
  EXPECT_EQ(text(KLL10n::space, platform::Locale("de_CH")), "Leerschlag");
  EXPECT_EQ(text(KLL10n::done, KeyboardLocale::german_switzerland), "done");
  // A key the folder's table lacks is shown as the key.
  EXPECT_EQ(text(KLL10n::space, platform::Locale("de")), "space");
  EXPECT_EQ(textForKey("Emoji.GrinningFace", platform::Locale("de")), "Emoji.GrinningFace");
}

TEST_F(KLL10nTest, ALanguageWithoutFolderHasEmptyTextsButTheDefaultStillWorks) {
  table("en", "\"done\" = \"done\"; \"space\" = \"space\";");
  setKLL10nBundle(platform::Bundle(bundle_));

  for (KLL10n key : allCases<KLL10n>()) {
    EXPECT_EQ(text(key, platform::Locale("sv_SE")), "") << rawValue(key);
    EXPECT_EQ(text(key, KeyboardLocale::swedish), "") << rawValue(key);
  }
  EXPECT_EQ(textForKey("anything", platform::Locale("sv")), "");
  EXPECT_EQ(text(KLL10n::done), "done");
  EXPECT_EQ(text(KLL10n::go), "go");  // missing from the table: the key
}

TEST_F(KLL10nTest, AReplacedBundleIsHonouredByEveryLookup) {
  table("en", "\"space\" = \"gap\";");
  table("fr", "\"space\" = \"trou\";");
  // No lookup goes to the library bundle: without one, nothing stops.
  setKeyloomBundleCandidates({std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt});
  setKLL10nBundle(platform::Bundle(bundle_));
  EXPECT_EQ(kll10nBundle().bundlePath(), bundle_);
  EXPECT_EQ(text(KLL10n::space), "gap");
  EXPECT_EQ(text(KLL10n::space, platform::Locale("fr")), "trou");
  EXPECT_EQ(textForKey("space", KeyboardLocale::french), "trou");
}

TEST(KLL10nLibraryBundle, EnglishHasEveryKeyAndOtherLanguagesFollowTheSameKeys) {
  // The shipped tables, found beside this program.
  EXPECT_EQ(kll10nBundle(), keyloomBundle());
  const std::map<KLL10n, std::string> english = {
      {KLL10n::done, "done"},       {KLL10n::go, "go"},
      {KLL10n::join, "join"},       {KLL10n::next, "next"},
      {KLL10n::ok, "OK"},           {KLL10n::return_, "return"},
      {KLL10n::search, "search"},   {KLL10n::send, "send"},
      {KLL10n::space, "space"},     {KLL10n::keyboardTypeAlphabetic, "ABC"},
      {KLL10n::keyboardTypeNumeric, "123"}, {KLL10n::keyboardTypeSymbolic, "#+="},
      {KLL10n::searchEmoji, "Search Emoji"}};
  ASSERT_EQ(english.size(), allCases<KLL10n>().size());
  for (const auto& [key, expected] : english) {
    EXPECT_EQ(text(key, platform::Locale("en_US")), expected);
    EXPECT_EQ(text(key), expected);
  }
  // Every shipped language has every key: none falls back to showing the key.
  for (const char* language : {"de", "fr", "es"}) {
    for (KLL10n key : allCases<KLL10n>()) {
      const std::string shown = text(key, platform::Locale(language));
      EXPECT_FALSE(shown.empty()) << language << " " << rawValue(key);
      EXPECT_NE(shown, rawValue(key)) << language;
    }
  }
  EXPECT_EQ(text(KLL10n::done, KeyboardLocale::german_switzerland), "Fertig");
  EXPECT_EQ(text(KLL10n::space, KeyboardLocale::arabic), "");
}

}  // namespace
}  // namespace keyloom
