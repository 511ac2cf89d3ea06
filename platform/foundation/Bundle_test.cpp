#include "platform/foundation/Bundle.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/foundation/ProcessState.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

// A bundle built in a fresh temporary directory, removed afterwards.
class BundleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("keyloom-bundle-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    bundle_ = root_ / "Keyloom_Keyloom.bundle";
    fs::create_directories(bundle_);
  }
  void TearDown() override { fs::remove_all(root_); }

  void write(const fs::path& relative, std::string_view text) {
    fs::create_directories((bundle_ / relative).parent_path());
    std::ofstream(bundle_ / relative, std::ios::binary) << text;
  }

  // The language-folder choice callers build on pathForResource: the full
  // identifier first, then the language code.
  static std::optional<fs::path> languageFolder(const Bundle& bundle, std::string_view identifier,
                                                std::string_view languageCode) {
    if (auto folder = bundle.pathForResource(identifier, "lproj")) return folder;
    return bundle.pathForResource(languageCode, "lproj");
  }

  fs::path root_;
  fs::path bundle_;
};

TEST_F(BundleTest, LanguageFolderFallsBackFromIdentifierToLanguage) {
  write("de.lproj/Localizable.strings", "\"done\" = \"Fertig\";");
  write("fr.lproj/Localizable.strings", "\"done\" = \"OK\";");
  write("fr_CA.lproj/Localizable.strings", "\"done\" = \"Terminé\";");
  const Bundle bundle(bundle_);

  const std::optional<fs::path> swissGerman = languageFolder(bundle, "de_CH", "de");
  ASSERT_TRUE(swissGerman);
  EXPECT_EQ(*swissGerman, bundle_ / "de.lproj");
  EXPECT_EQ(Bundle(*swissGerman).localizedString("done"), "Fertig");

  EXPECT_EQ(languageFolder(bundle, "fr_CA", "fr"), bundle_ / "fr_CA.lproj");
  EXPECT_EQ(languageFolder(bundle, "sv_SE", "sv"), std::nullopt);
  EXPECT_EQ(bundle.pathForResource("", "lproj"), std::nullopt);
}

TEST_F(BundleTest, ResourceNamesThatCouldLeaveTheBundleAreRefused) {
  write("x.png", "");
  write("sub/y.png", "");
  fs::create_directories(root_ / "outside");
  std::ofstream(root_ / "outside" / "secret.txt") << "s";
  fs::create_symlink(root_ / "outside" / "secret.txt", bundle_ / "link.txt");
  const Bundle bundle(bundle_);

  EXPECT_EQ(bundle.pathForResource("x", "png"), bundle_ / "x.png");
  EXPECT_EQ(bundle.pathForResource("x", ".png"), bundle_ / "x.png");
  EXPECT_EQ(bundle.pathForResource("x.png", ""), bundle_ / "x.png");
  const struct {
    std::string name;
    std::string type;
  } refused[] = {{"../outside/secret", "txt"},
                 {"..", "x"},
                 {"sub/y", "png"},
                 {"y", "png/../../x"},
                 {std::string("x\0", 2), "png"},
                 {"x", std::string("p\0ng", 4)},
                 {"link", "txt"}};
  for (const auto& resource : refused) {
    EXPECT_EQ(bundle.pathForResource(resource.name, resource.type), std::nullopt) << resource.name;
  }
}

TEST_F(BundleTest, LocalizedStringsSearchDevelopmentLanguageThenBaseThenTopLevel) {
  write("en.lproj/Localizable.strings", "\"a\" = \"en a\";");
  write("Base.lproj/Localizable.strings", "\"a\" = \"base a\"; \"b\" = \"base b\";");
  write("Localizable.strings", "\"a\" = \"top a\"; \"b\" = \"top b\"; \"c\" = \"top c\";");
  write("en.lproj/Keys.strings", "/* other table */ \"a\" = \"keys a\";");
  const Bundle bundle(bundle_);

  EXPECT_EQ(bundle.localizedString("a"), "en a");
  EXPECT_EQ(bundle.localizedString("b"), "base b");
  EXPECT_EQ(bundle.localizedString("c"), "top c");
  EXPECT_EQ(bundle.localizedString("a", "", "Keys"), "keys a");
  EXPECT_EQ(bundle.localizedString("missing"), "missing");
  EXPECT_EQ(bundle.localizedString("missing", "fallback"), "fallback");
  EXPECT_EQ(bundle.localizedString("a", "", "../Localizable"), "a");
}

TEST_F(BundleTest, TablesAreCachedUntilTheProcessStateIsReset) {
  write("Localizable.strings", "\"k\" = \"first\";");
  const Bundle bundle(bundle_);
  EXPECT_EQ(bundle.localizedString("k"), "first");
  write("Localizable.strings", "\"k\" = \"second\";");
  EXPECT_EQ(bundle.localizedString("k"), "first");
  resetProcessState();
  EXPECT_EQ(bundle.localizedString("k"), "second");
}

TEST_F(BundleTest, MainBundleIsTheExecutablesFolderUnlessSet) {
  const fs::path executableFolder = fs::read_symlink("/proc/self/exe").parent_path();
  EXPECT_EQ(Bundle::main().bundlePath(), executableFolder);
  EXPECT_EQ(Bundle::libraryCode(), Bundle::main());

  Bundle::setMainBundlePath(bundle_);
  EXPECT_EQ(Bundle::main().bundlePath(), bundle_);
  EXPECT_EQ(Bundle::main().resourceURL(), URL::fileURL(bundle_));
  EXPECT_EQ(Bundle::main().bundleURL().absoluteString().back(), '/');
  EXPECT_EQ(Bundle::libraryCode().bundlePath(), bundle_);
  Bundle::setLibraryCodeBundlePath(root_);
  EXPECT_EQ(Bundle::libraryCode().bundlePath(), root_);

  resetProcessState();
  EXPECT_EQ(Bundle::main().bundlePath(), executableFolder);
  EXPECT_EQ(Bundle::libraryCode().bundlePath(), executableFolder);
}

TEST_F(BundleTest, OpensOnlyDirectories) {
  write("file.txt", "");
  EXPECT_TRUE(Bundle::atPath(bundle_));
  EXPECT_EQ(Bundle::atPath(bundle_.string() + "/")->bundlePath(), bundle_);
  EXPECT_FALSE(Bundle::atPath(bundle_ / "file.txt"));
  EXPECT_FALSE(Bundle::atPath(bundle_ / "missing"));
  EXPECT_FALSE(Bundle::atPath(""));
  EXPECT_TRUE(Bundle::atURL(URL::fileURL(bundle_)));
  EXPECT_FALSE(Bundle::atURL(*URL::fromString("https://example.com/")));
}

}  // namespace
}  // namespace platform
