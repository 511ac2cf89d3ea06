#include "platform/foundation/FileUserDefaultsStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include "platform/foundation/FileLock.h"
#include "platform/foundation/UserDefaults.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using Value = UserDefaultsValue;
using namespace std::chrono_literals;

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

// Runs `body` in a child process that is killed after `seconds`, so a store
// that hangs fails the test instead of hanging it. True when the child ended
// normally with no failed expectation.
bool passesInChild(const std::function<void()>& body, unsigned seconds = 10) {
  pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    ::alarm(seconds);
    body();
    ::_exit(::testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<fs::path> filesContaining(const fs::path& folder, const std::string& part) {
  std::vector<fs::path> found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename().string().find(part) != std::string::npos) found.push_back(entry.path());
  }
  return found;
}

class FileUserDefaultsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("keyloom-store-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    UserDefaults::useFileBacking(folder_);
  }
  void TearDown() override {
    UserDefaults::useMemoryBacking();
    fs::remove_all(folder_);
  }

  fs::path folder_;
};

TEST(FileUserDefaultsStoreParse, KeepsEveryMemberThatCanBeRead) {
  struct Case {
    std::string text;
    Value::Dictionary values;
    bool complete;
  };
  const std::vector<Case> cases = {
      {R"({"a": 1, "b": [1, "]"], "c": {"x": "}\""}})",
       {{"a", Value(1)}, {"b", Value::Array{Value(1), Value("]")}}, {"c", Value::Dictionary{{"x", Value("}\"")}}}},
       true},
      {R"({"a": 1, "big": 1e400, "b": "x"})", {{"a", Value(1)}, {"b", Value("x")}}, false},
      {R"({"s": "\ud800", "a": 1})", {{"a", Value(1)}}, false},
      {R"({"\udc00": 1, "a": 2})", {{"a", Value(2)}}, false},
      {R"({"a": 1, "bad": [1,,2], "b": 2})", {{"a", Value(1)}, {"b", Value(2)}}, false},
      {R"({"a": 1, "bad": tru, "b": 2})", {{"a", Value(1)}, {"b", Value(2)}}, false},
      {"{\"a\": 1, \"u\": \"\xff\", \"b\": 2}", {{"a", Value(1)}, {"b", Value(2)}}, false},
      {R"({"a": 1, "b": 2)", {{"a", Value(1)}}, false},  // cut short: b may have been longer
      {R"({"a": 1, "b": [2, 3)", {{"a", Value(1)}}, false},
      {R"({"a": 1} and more)", {{"a", Value(1)}}, false},
      {R"({"a": 1, "a": null})", {}, true},
      {" { } ", {}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    auto entries = FileUserDefaultsStore::parseEntries(c.text);
    ASSERT_TRUE(entries);
    EXPECT_EQ(entries->values, c.values);
    EXPECT_EQ(entries->complete, c.complete);
    EXPECT_EQ(FileUserDefaultsStore::parse(c.text).has_value(), c.complete);
  }
  for (const std::string text : {"", "[1]", "\"x\"", "garbage {"}) EXPECT_FALSE(FileUserDefaultsStore::parseEntries(text));
}

TEST_F(FileUserDefaultsStoreTest, OneBadValueKeepsTheFileAsideAndEveryOtherEntry) {
  const fs::path file = folder_ / "group.app.json";
  const std::string damaged = R"({"keyboard": 3, "huge": 1e400, "name": "\ud800", "theme": "dark"})";
  writeText(file, damaged);
  FileUserDefaultsStore store(file);
  EXPECT_EQ(store.value("keyboard"), Value(3));
  EXPECT_EQ(store.value("theme"), Value("dark"));
  EXPECT_EQ(readText(folder_ / "group.app.json.corrupt-1"), damaged);
  // The readable entries are back in the file, for every other reader too.
  auto rewritten = FileUserDefaultsStore::parse(readText(file));
  ASSERT_TRUE(rewritten);
  EXPECT_EQ(*rewritten, (Value::Dictionary{{"keyboard", Value(3)}, {"theme", Value("dark")}}));
  store.setValue("more", Value(true));
  EXPECT_EQ(FileUserDefaultsStore(file).allValues().size(), 3u);
}

TEST_F(FileUserDefaultsStoreTest, LongNamesKeepEveryCorruptVersionWithinTheNameLimit) {
  // The longest suite name that opens: ".corrupt-10" no longer fits beside it.
  const std::string suiteName(240, 'n');
  auto suite = UserDefaults::suite(suiteName);
  ASSERT_TRUE(suite);
  const fs::path file = UserDefaults::fileForSuite(folder_, suiteName);
  std::set<std::string> garbage;
  for (int round = 0; round < 12; ++round) {
    const std::string text = "{\"round\": " + std::to_string(round) + ", \"cut\": ";
    garbage.insert(text);
    writeText(file, text);
    suite->set("k", round);
    EXPECT_EQ(suite->integer("k"), round);
    EXPECT_EQ(suite->integer("round"), round);
  }
  std::set<std::string> kept;
  for (const auto& aside : filesContaining(folder_, "corrupt")) {
    EXPECT_LE(aside.filename().string().size(), 255u);
    kept.insert(readText(aside));
  }
  EXPECT_EQ(kept, garbage);
  EXPECT_TRUE(filesContaining(folder_, ".tmp-").empty());

  // A file name at the limit itself: its lock, temporary and aside names are all shortened.
  const fs::path longest = folder_ / (std::string(250, 's') + ".json");
  auto store = FileUserDefaultsStore::open(longest);
  ASSERT_TRUE(store);
  store->setValue("a", Value(1));
  writeText(longest, "{\"a\": 1, \"b\": ");
  store->setValue("c", Value(2));
  EXPECT_EQ(FileUserDefaultsStore(longest).allValues(), (Value::Dictionary{{"a", Value(1)}, {"c", Value(2)}}));
  // The store, its lock and the lock's turnstile, and the kept corrupt file.
  EXPECT_EQ(filesContaining(folder_, "sss").size(), 4u);
}

TEST_F(FileUserDefaultsStoreTest, ANamedPipeIsRefusedWithoutBlocking) {
  const fs::path file = folder_ / "group.app.json";
  ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
  EXPECT_TRUE(passesInChild([&] {
    FileUserDefaultsStore store(file);
    EXPECT_EQ(store.value("k"), std::nullopt);
    ::testing::internal::CaptureStderr();
    store.setValue("k", Value(1));
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_NE(message.find("not a regular file"), std::string::npos) << message;
    EXPECT_NE(message.find("\"k\" not written"), std::string::npos) << message;
  }));
  EXPECT_TRUE(fs::is_fifo(file));
}

TEST_F(FileUserDefaultsStoreTest, AWriterWaitsForTheLockABoundedTime) {
  const fs::path file = folder_ / "group.app.json";
  FileUserDefaultsStore store(file);
  store.setValue("before", Value(1));
  FileLock held(store.lockFile(), 1s);
  ASSERT_TRUE(held.isLocked());
  store.setLockTimeout(100ms);
  EXPECT_TRUE(passesInChild([&] {
    ::testing::internal::CaptureStderr();
    const auto start = std::chrono::steady_clock::now();
    store.setValue("k", Value(1));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 2s);
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_NE(message.find("locked by another process"), std::string::npos) << message;
  }));
  EXPECT_EQ(FileUserDefaultsStore(file).allValues(), (Value::Dictionary{{"before", Value(1)}}));
}

TEST_F(FileUserDefaultsStoreTest, ASymbolicLinkIsWrittenThroughToItsTarget) {
  fs::create_directories(folder_ / "real");
  const fs::path link = folder_ / "group.app.json";
  const fs::path target = folder_ / "real" / "target.json";
  fs::create_symlink("real/target.json", link);  // dangling until the first write
  auto suite = UserDefaults::suite("group.app");
  suite->set("k", 1);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(FileUserDefaultsStore::parse(readText(target)), (Value::Dictionary{{"k", Value(1)}}));

  // A damaged target is kept aside beside it, and the link stays.
  writeText(target, R"({"k": 2, "bad": tru})");
  suite->set("m", 3);
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(readText(folder_ / "real" / "target.json.corrupt-1"), R"({"k": 2, "bad": tru})");
  EXPECT_EQ(suite->integer("k"), 2);
  EXPECT_EQ(FileUserDefaultsStore(target).value("m"), Value(3));
}

TEST_F(FileUserDefaultsStoreTest, TemporariesOfKilledWritersAreRemovedByTheNextWrite) {
  const fs::path file = folder_ / "group.app.json";
  const std::string big(200000, 'x');
  // Kill a writer while it holds a temporary file: stop it the moment one is
  // seen, and kill it if the file is still there (else let it go on).
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    FileUserDefaultsStore store(file);
    for (int i = 0;; ++i) store.setValue("k" + std::to_string(i % 4), Value(big));
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < deadline) {
    if (filesContaining(folder_, ".tmp-").empty()) continue;
    ::kill(child, SIGSTOP);
    int status = 0;
    ::waitpid(child, &status, WUNTRACED);
    if (!filesContaining(folder_, ".tmp-").empty()) break;
    ::kill(child, SIGCONT);
  }
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ASSERT_FALSE(filesContaining(folder_, ".tmp-").empty()) << "no writer died while writing";
  FileUserDefaultsStore store(file);
  store.setValue("after", Value(1));
  EXPECT_TRUE(filesContaining(folder_, ".tmp-").empty());
  EXPECT_EQ(store.value("after"), Value(1));
}

TEST_F(FileUserDefaultsStoreTest, TwoWritersAndACorrupterLoseNoEntry) {
  constexpr int count = 150;
  const fs::path file = folder_ / "group.shared.json";
  const auto writer = [&](const std::string& prefix) {
    pid_t child = ::fork();
    if (child == 0) {
      FileUserDefaultsStore store(file);
      for (int i = 0; i < count; ++i) store.setValue(prefix + std::to_string(i), Value(i));
      ::_exit(0);
    }
    return child;
  };
  pid_t writers[] = {writer("a."), writer("b.")};
  ASSERT_GT(writers[0], 0);
  ASSERT_GT(writers[1], 0);

  // Damages one value of the file whenever the last damage has been dealt
  // with, under the writers' lock so that it never races them.
  const fs::path lockFile = FileUserDefaultsStore(file).lockFile();
  int damaged = 0, running = 2;
  while (running > 0) {
    {
      FileLock lock(lockFile, 5s);
      ASSERT_TRUE(lock.isLocked());
      const std::string text = readText(file);
      if (!text.empty() && FileUserDefaultsStore::parse(text)) {
        writeText(file, "{\"bad." + std::to_string(damaged++) + "\": 1e400, " + text.substr(text.find('{') + 1));
      }
    }
    ::usleep(2000);
    for (pid_t& child : writers) {
      int status = 0;
      if (child > 0 && ::waitpid(child, &status, WNOHANG) == child) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        child = 0;
        --running;
      }
    }
  }
  FileUserDefaultsStore store(file);
  auto all = store.allValues();
  EXPECT_EQ(all.size(), 2u * count);
  for (int i = 0; i < count; ++i) {
    EXPECT_EQ(all["a." + std::to_string(i)], Value(i));
    EXPECT_EQ(all["b." + std::to_string(i)], Value(i));
  }
  EXPECT_GT(damaged, 0);
  EXPECT_EQ(filesContaining(folder_, ".corrupt-").size(), static_cast<std::size_t>(damaged));
}

}  // namespace
}  // namespace platform
