#include "keyloom/resources/KeyloomBundle.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <string>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/Locale.h"

namespace keyloom {
namespace {

namespace fs = std::filesystem;

class KeyloomBundleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("keyloom-library-bundle-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
  }
  void TearDown() override { fs::remove_all(root_); }

  // A directory under the root holding a library bundle, or not.
  fs::path place(const std::string& name, bool withBundle) {
    const fs::path directory = root_ / name;
    fs::create_directories(withBundle ? directory / keyloomBundleName : directory);
    return directory;
  }

  fs::path makeBundle(const std::vector<std::string>& languages) {
    const fs::path bundle = root_ / "lookup" / keyloomBundleName;
    for (const std::string& language : languages) fs::create_directories(bundle / (language + ".lproj"));
    return bundle;
  }

  fs::path root_;
};

TEST_F(KeyloomBundleTest, CandidatesAreTheMainAndCodeDirectoriesTheCodeDirectorysAncestorsThenTheInstalled) {
  const KeyloomBundleCandidates candidates = keyloomBundleCandidates(
      fs::path("/app/Resources"), fs::path("/a/b/c/d/e"), fs::path("/app"), fs::path("/usr/share/keyloom"));
  EXPECT_EQ(candidates[0], fs::path("/app/Resources"));
  EXPECT_EQ(candidates[1], fs::path("/a/b/c/d/e"));
  EXPECT_EQ(candidates[2], fs::path("/app"));
  EXPECT_EQ(candidates[3], fs::path("/a/b"));
  EXPECT_EQ(candidates[4], fs::path("/a/b/c"));
  EXPECT_EQ(candidates[5], fs::path("/usr/share/keyloom"));

  // Without the library code's resources, the two derived candidates are absent too.
  const KeyloomBundleCandidates withoutCode =
      keyloomBundleCandidates(fs::path("/app/Resources"), std::nullopt, fs::path("/app"), std::nullopt);
  EXPECT_EQ(withoutCode[1], std::nullopt);
  EXPECT_EQ(withoutCode[3], std::nullopt);
  EXPECT_EQ(withoutCode[4], std::nullopt);
  EXPECT_EQ(withoutCode[5], std::nullopt);
}

TEST_F(KeyloomBundleTest, TheProcessSearchesTheInstalledResourcesLast) {
  // The build fixes the install prefix's resources folder; an installed
  // library finds its bundle there with nothing beside the program.
  const std::optional<fs::path> installed = keyloomInstalledResources();
  ASSERT_TRUE(installed);
  EXPECT_TRUE(installed->is_absolute()) << *installed;
  EXPECT_EQ(installed->filename(), "keyloom");
  EXPECT_EQ(installed->parent_path().filename(), "share");
  EXPECT_EQ(keyloomBundleCandidates().back(), installed);
}

TEST_F(KeyloomBundleTest, TheFirstCandidateHoldingTheBundleWins) {
  // Each step of the search order: the candidates before the winner lack the
  // bundle, the ones after it hold one.
  for (std::size_t winner = 0; winner < std::tuple_size_v<KeyloomBundleCandidates>; ++winner) {
    KeyloomBundleCandidates candidates;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      candidates[i] = place("order" + std::to_string(winner) + "-" + std::to_string(i), i >= winner);
    }
    const std::optional<platform::Bundle> found = findKeyloomBundle(candidates);
    ASSERT_TRUE(found) << winner;
    EXPECT_EQ(found->bundlePath(), *candidates[winner] / keyloomBundleName) << winner;
  }
}

TEST_F(KeyloomBundleTest, AbsentCandidatesAreSkippedAndNoneFoundIsAbsent) {
  const fs::path holder = place("holder", true);
  EXPECT_EQ(findKeyloomBundle({std::nullopt, place("empty", false), std::nullopt, std::nullopt, holder})
                ->bundlePath(),
            holder / keyloomBundleName);
  EXPECT_EQ(findKeyloomBundle({place("e1", false), std::nullopt, place("e2", false), std::nullopt, std::nullopt}),
            std::nullopt);
  // A file of the bundle's name is no bundle.
  const fs::path withFile = place("file", false);
  std::ofstream(withFile / keyloomBundleName) << "x";
  EXPECT_EQ(findKeyloomBundle({withFile, std::nullopt, std::nullopt, std::nullopt, std::nullopt}), std::nullopt);
}

TEST_F(KeyloomBundleTest, TheMainBundlesCopyWinsOverTheOneBesideTheLibraryCode) {
  const fs::path main = place("main", true);
  const fs::path code = place("code/x/y/z", true);
  platform::Bundle::setMainBundlePath(main);
  platform::Bundle::setLibraryCodeBundlePath(code);
  EXPECT_EQ(keyloomBundle().bundlePath(), main / keyloomBundleName);
}

TEST_F(KeyloomBundleTest, TheLibraryBundleIsSearchedOnceAndKept) {
  const fs::path first = place("first", true);
  setKeyloomBundleCandidates({first, std::nullopt, std::nullopt, std::nullopt, std::nullopt});
  EXPECT_EQ(keyloomBundle().bundlePath(), first / keyloomBundleName);
  setKeyloomBundleCandidates({place("second", true), std::nullopt, std::nullopt, std::nullopt, std::nullopt});
  EXPECT_EQ(keyloomBundle().bundlePath(), first / keyloomBundleName);
}

TEST_F(KeyloomBundleTest, TheBuildPlacesTheBundleWhereTheSearchFindsIt) {
  // Beside this test program, the main bundle's directory.
  const platform::Bundle& bundle = keyloomBundle();
  EXPECT_EQ(bundle.bundlePath(), platform::Bundle::main().bundlePath() / keyloomBundleName);
  EXPECT_TRUE(bundle.pathForResource("en", "lproj"));
  EXPECT_TRUE(bundle.pathForResource("keyboardEmoji", "png"));
}

using KeyloomBundleDeathTest = KeyloomBundleTest;

TEST_F(KeyloomBundleDeathTest, AMissingBundleStopsTheProgramWithItsMessage) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  setKeyloomBundleCandidates({place("nothing", false), std::nullopt, std::nullopt, std::nullopt, std::nullopt});
  EXPECT_DEATH(keyloomBundle(), "Can't find custom bundle\\. See Bundle\\+Keyloom");
}

TEST_F(KeyloomBundleTest, LanguageFolderIsTheIdentifiersElseTheLanguages) {
  const platform::Bundle bundle(makeBundle({"de", "fr", "fr_CA"}));
  EXPECT_EQ(bundlePath(bundle, platform::Locale("de_CH")), bundle.bundlePath() / "de.lproj");
  EXPECT_EQ(bundlePath(bundle, platform::Locale("de")), bundle.bundlePath() / "de.lproj");
  EXPECT_EQ(bundlePath(bundle, platform::Locale("fr_CA")), bundle.bundlePath() / "fr_CA.lproj");
  EXPECT_EQ(bundlePath(bundle, platform::Locale("fr_FR")), bundle.bundlePath() / "fr.lproj");
  EXPECT_EQ(bundlePath(bundle, platform::Locale("sv_SE")), std::nullopt);
  EXPECT_EQ(bundlePath(bundle, platform::Locale("")), std::nullopt);
}

TEST_F(KeyloomBundleTest, UnsafeIdentifiersFindNoFolderOutsideTheBundle) {
  const platform::Bundle bundle(makeBundle({"en"}));
  // Folders beside the bundle that a path in an identifier could reach.
  fs::create_directories(root_ / "lookup" / "x.lproj");
  fs::create_directories(root_ / "x.lproj");
  const std::string identifiers[] = {"../x", "../../x", "x/../../x", "en/../../x", std::string("x\0en", 4)};
  for (const std::string& identifier : identifiers) {
    const std::optional<fs::path> folder = bundlePath(bundle, platform::Locale(identifier));
    if (folder) {
      // Only a language code read out of the identifier may name a folder, and only inside.
      EXPECT_EQ(folder->parent_path(), bundle.bundlePath()) << identifier;
    }
  }
  EXPECT_EQ(bundlePath(bundle, platform::Locale("../x")), std::nullopt);
}

}  // namespace
}  // namespace keyloom
