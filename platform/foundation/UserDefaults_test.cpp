#include "platform/foundation/UserDefaults.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/foundation/Error.h"
#include "platform/foundation/FileUserDefaultsStore.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using Value = UserDefaultsValue;

std::string readText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void writeText(const fs::path& file, const std::string& text) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
}

class FileBackedUserDefaults : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("keyloom-defaults-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    UserDefaults::useFileBacking(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
};

TEST(UserDefaults, TypedReadsOfAbsentKeys) {
  auto& defaults = UserDefaults::standard();
  EXPECT_EQ(defaults.object("missing"), std::nullopt);
  EXPECT_EQ(defaults.integer("missing"), 0);
  EXPECT_FALSE(defaults.boolean("missing"));
  EXPECT_EQ(defaults.doubleValue("missing"), 0);
  EXPECT_EQ(defaults.string("missing"), std::nullopt);
  EXPECT_EQ(defaults.stringArray("missing"), std::nullopt);
}

TEST(UserDefaults, SetReadConvertAndRemove) {
  auto& defaults = UserDefaults::standard();
  defaults.set("n", "12");
  defaults.set("list", std::vector<std::string>{"😀", "a"});
  EXPECT_EQ(defaults.integer("n"), 12);
  EXPECT_EQ(defaults.string("n"), "12");
  EXPECT_TRUE(defaults.boolean("n"));
  EXPECT_EQ(defaults.stringArray("list"), (std::vector<std::string>{"😀", "a"}));
  EXPECT_EQ(defaults.stringArray("n"), std::nullopt);
  defaults.removeObject("n");
  EXPECT_EQ(defaults.object("n"), std::nullopt);
  defaults.set("list", nullptr);
  EXPECT_EQ(defaults.object("list"), std::nullopt);
}

TEST(UserDefaults, StandardIsResetBetweenTestsButStaysTheSameObject) {
  static std::shared_ptr<UserDefaults> previous;
  auto current = UserDefaults::standardShared();
  if (previous) {
    EXPECT_EQ(previous, current);
  }
  EXPECT_EQ(current->object("leftover"), std::nullopt);
  current->set("leftover", 1);
  previous = current;
}

TEST(UserDefaults, StandardIsResetBetweenTestsButStaysTheSameObjectAgain) {
  EXPECT_EQ(UserDefaults::standard().object("leftover"), std::nullopt);
}

TEST(UserDefaults, SuitesAreSharedByNameAndSeparateFromEachOther) {
  auto a = UserDefaults::suite("group.one");
  ASSERT_TRUE(a);
  EXPECT_EQ(UserDefaults::suite("group.one"), a);
  auto b = UserDefaults::suite("group.two");
  a->set("keyboard", 3);
  EXPECT_EQ(b->object("keyboard"), std::nullopt);
  EXPECT_EQ(UserDefaults::standard().object("keyboard"), std::nullopt);
  EXPECT_EQ(UserDefaults::suite("group.one")->integer("keyboard"), 3);
}

TEST(UserDefaults, UnavailableSuiteDoesNotOpen) {
  UserDefaults::setSuiteUnavailable("group.locked", true);
  EXPECT_EQ(UserDefaults::suite("group.locked"), nullptr);
  EXPECT_EQ(UserDefaults::suite(""), nullptr);
  UserDefaults::setSuiteUnavailable("group.locked", false);
  EXPECT_NE(UserDefaults::suite("group.locked"), nullptr);
}

TEST(UserDefaults, PrivateStoreIsIndependent) {
  UserDefaults own;
  own.set("k", true);
  EXPECT_TRUE(own.boolean("k"));
  EXPECT_EQ(UserDefaults::standard().object("k"), std::nullopt);
}

TEST_F(FileBackedUserDefaults, ValuesSurviveInTheFileWithTheirKinds) {
  Value::Dictionary nested{{"list", Value::Array{Value(1), Value(2.5), Value("x"), Value(), Value(false)}}};
  {
    auto suite = UserDefaults::suite("group.app");
    ASSERT_TRUE(suite);
    suite->set("int", 30);
    suite->set("double", 30.0);
    suite->set("flag", true);
    suite->set("text", "héllo \"quoted\"");
    suite->set("nested", nested);
  }
  // A fresh backing forgets the cached objects and reads the file again.
  UserDefaults::useFileBacking(folder_);
  auto suite = UserDefaults::suite("group.app");
  EXPECT_EQ(suite->object("int"), Value(30));
  EXPECT_EQ(suite->object("double"), Value(30.0));
  EXPECT_EQ(suite->object("flag"), Value(true));
  EXPECT_EQ(suite->string("text"), "héllo \"quoted\"");
  EXPECT_EQ(suite->dictionary("nested"), nested);
  EXPECT_TRUE(fs::exists(folder_ / "group.app.json"));
  EXPECT_EQ(UserDefaults::standard().object("int"), std::nullopt);
}

TEST_F(FileBackedUserDefaults, SuiteNamesMapToDistinctFileNames) {
  EXPECT_EQ(UserDefaults::fileForSuite(folder_, "group.a-b_c"), folder_ / "group.a-b_c.json");
  EXPECT_EQ(UserDefaults::fileForSuite(folder_, "../x"), folder_ / "%2E.%2Fx.json");
  EXPECT_NE(UserDefaults::fileForSuite(folder_, ".standard"), UserDefaults::fileForSuite(folder_, ""));
  EXPECT_EQ(UserDefaults::suite(std::string(300, 'a')), nullptr);
}

TEST_F(FileBackedUserDefaults, ReadsSeeAnotherWritersChanges) {
  auto suite = UserDefaults::suite("group.app");
  suite->set("mine", 1);
  // Another process writes through its own store on the same file.
  FileUserDefaultsStore other(folder_ / "group.app.json");
  other.setValue("theirs", Value("x"));
  EXPECT_EQ(suite->string("theirs"), "x");
  suite->set("mine", 2);
  EXPECT_EQ(other.value("mine"), Value(2));
  EXPECT_EQ(other.value("theirs"), Value("x"));
}

TEST_F(FileBackedUserDefaults, TwoProcessesWritingAtOnceLoseNoKey) {
  constexpr int count = 1000;
  auto suite = UserDefaults::suite("group.shared");
  ASSERT_TRUE(suite);
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    for (int i = 0; i < count; ++i) suite->set("child." + std::to_string(i), i);
    ::_exit(0);
  }
  for (int i = 0; i < count; ++i) suite->set("parent." + std::to_string(i), i);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  auto all = suite->dictionaryRepresentation();
  EXPECT_EQ(all.size(), 2u * count);
  int missing = 0;
  for (int i = 0; i < count; ++i) {
    if (suite->integer("child." + std::to_string(i)) != i) ++missing;
    if (suite->integer("parent." + std::to_string(i)) != i) ++missing;
  }
  EXPECT_EQ(missing, 0);
}

TEST_F(FileBackedUserDefaults, CorruptFileIsKeptAsideAndReadsAsEmpty) {
  fs::path file = folder_ / "group.app.json";
  const std::string garbage = "{\"keyboard\": 3";  // cut short before the member ends
  writeText(file, garbage);
  auto suite = UserDefaults::suite("group.app");
  EXPECT_EQ(suite->object("keyboard"), std::nullopt);
  EXPECT_EQ(suite->integer("keyboard"), 0);
  EXPECT_EQ(readText(folder_ / "group.app.json.corrupt-1"), garbage);
  EXPECT_FALSE(fs::exists(file));

  // A second corruption gets its own name; the first one is never overwritten.
  suite->set("keyboard", 1);
  writeText(file, "[1, 2]");
  suite->set("theme", 2);
  EXPECT_EQ(readText(folder_ / "group.app.json.corrupt-1"), garbage);
  EXPECT_EQ(readText(folder_ / "group.app.json.corrupt-2"), "[1, 2]");
  EXPECT_EQ(suite->object("keyboard"), std::nullopt);
  EXPECT_EQ(suite->integer("theme"), 2);
}

TEST_F(FileBackedUserDefaults, EmptyFileReadsAsEmptyWithoutBeingMovedAside) {
  writeText(folder_ / "group.app.json", "");
  auto suite = UserDefaults::suite("group.app");
  EXPECT_TRUE(suite->dictionaryRepresentation().empty());
  EXPECT_FALSE(fs::exists(folder_ / "group.app.json.corrupt-1"));
}

TEST_F(FileBackedUserDefaults, ResetReturnsToMemoryBacking) {
  UserDefaults::standard().set("k", 1);
  EXPECT_TRUE(fs::exists(folder_ / ".standard.json"));
  UserDefaults::useMemoryBacking();
  EXPECT_EQ(UserDefaults::standard().object("k"), std::nullopt);
}

TEST(UserDefaults, FileBackingInAFolderThatCannotBeMadeThrows) {
  EXPECT_THROW(UserDefaults::useFileBacking("/proc/keyloom-cannot-exist/defaults"), Error);
}

TEST(FileUserDefaultsStore, ParseAcceptsOnlyAnObjectWithinTheDepthLimit) {
  EXPECT_TRUE(FileUserDefaultsStore::parse("{}"));
  EXPECT_FALSE(FileUserDefaultsStore::parse("[]"));
  EXPECT_FALSE(FileUserDefaultsStore::parse("{\"a\":"));
  EXPECT_FALSE(FileUserDefaultsStore::parse("{\"a\": \"\xff\"}"));
  auto parsed = FileUserDefaultsStore::parse("{\"a\": null, \"b\": 18446744073709551615}");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->count("a"), 0u);
  EXPECT_EQ(parsed->at("b").kind(), Value::Kind::double_);
  std::string deep = "{\"a\":" + std::string(FileUserDefaultsStore::maximumDepth + 1, '[') +
                     std::string(FileUserDefaultsStore::maximumDepth + 1, ']') + "}";
  EXPECT_FALSE(FileUserDefaultsStore::parse(deep));
  std::string deepest = "{\"a\":" + std::string(FileUserDefaultsStore::maximumDepth, '[') +
                        std::string(FileUserDefaultsStore::maximumDepth, ']') + "}";
  EXPECT_TRUE(FileUserDefaultsStore::parse(deepest));
}

}  // namespace
}  // namespace platform
