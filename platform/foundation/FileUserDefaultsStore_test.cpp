#include "platform/foundation/FileUserDefaultsStore.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
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
#include "platform/foundation/SiblingFile.h"
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

std::size_t entryCount(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

// Stops writing to stderr, for a child that reports on purpose many times.
void silenceErrors() {
  const int null = ::open("/dev/null", O_WRONLY);
  ::dup2(null, STDERR_FILENO);
  ::close(null);
}

// Children that each write `count` keys "<prefix><i>" to the store at their
// path while `meanwhile` runs; the keys that did not survive.
int keysLostByWriters(const std::vector<std::pair<fs::path, std::string>>& writers, int count,
                      const std::function<void()>& meanwhile) {
  std::vector<pid_t> children;
  for (const auto& [path, prefix] : writers) {
    pid_t child = ::fork();
    if (child == 0) {
      FileUserDefaultsStore store(path);
      for (int i = 0; i < count; ++i) store.setValue(prefix + std::to_string(i), Value(i));
      ::_exit(0);
    }
    children.push_back(child);
  }
  bool running = true;
  while (running) {
    meanwhile();
    running = false;
    for (pid_t child : children) running = running || ::waitpid(child, nullptr, WNOHANG) == 0;
  }
  auto all = FileUserDefaultsStore(writers.front().first).allValues();
  int lost = 0;
  for (const auto& [path, prefix] : writers) {
    for (int i = 0; i < count; ++i) lost += all[prefix + std::to_string(i)] == Value(i) ? 0 : 1;
  }
  return lost;
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

TEST_F(FileUserDefaultsStoreTest, WritersThroughALinkAndThroughTheRealPathShareOneLock) {
  fs::create_directories(folder_ / "real");
  fs::create_symlink(folder_ / "real", folder_ / "linked");
  const fs::path file = folder_ / "real" / "group.app.json";
  fs::create_symlink("linked/group.app.json", folder_ / "group.app.json");
  EXPECT_EQ(FileUserDefaultsStore(folder_ / "group.app.json").lockFile(), FileUserDefaultsStore(file).lockFile());
  const int lost = keysLostByWriters({{folder_ / "group.app.json", "link."}, {file, "real."}}, 150, [] {});
  EXPECT_EQ(lost, 0);
}

TEST_F(FileUserDefaultsStoreTest, ALinkPlantedAtATemporaryNameIsNeverFollowed) {
  const fs::path file = folder_ / "group.app.json";
  const fs::path victim = folder_ / "victim.txt";
  writeText(victim, "precious");
  FileUserDefaultsStore store(file);
  store.setValue("k", Value(1));
  // The name a writer of this process would have used, and one like it.
  for (const std::string& suffix : {".tmp-" + std::to_string(::getpid()), ".tmp-" + std::to_string(::getpid()) + "-0"}) {
    fs::create_symlink(victim, siblingFile(file, suffix));
  }
  for (int i = 0; i < 20; ++i) store.setValue("k", Value(i));
  EXPECT_EQ(readText(victim), "precious");
  EXPECT_FALSE(fs::is_symlink(file));
  EXPECT_EQ(FileUserDefaultsStore(file).value("k"), Value(19));
  // The planted links are left alone, and no temporary stays behind.
  EXPECT_EQ(filesContaining(folder_, ".tmp-").size(), 2u);
}

TEST_F(FileUserDefaultsStoreTest, ALockIsTakenOnlyOnTheFileStillAtItsPath) {
  const fs::path lockPath = folder_ / "group.app.json.lock";
  auto holder = std::make_unique<FileLock>(lockPath, 1s);
  ASSERT_TRUE(holder->isLocked());
  EXPECT_TRUE(holder->isStillHeld());
  pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    holder.reset();  // the parent's lock stays: its descriptor is still open
    // Waits on the file that is about to be replaced.
    FileLock waiter(lockPath, 1500ms);
    ::_exit(!waiter.isLocked() && waiter.timedOut() ? 0 : 1);
  }
  ::usleep(300000);
  // The lock file is replaced, and someone takes the new one.
  writeText(folder_ / "fresh", "");
  fs::rename(folder_ / "fresh", lockPath);
  const int other = ::open(lockPath.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(other, LOCK_EX | LOCK_NB), 0);
  EXPECT_FALSE(holder->isStillHeld());
  holder.reset();
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the waiter locked the replaced file";
  ::close(other);
}

TEST_F(FileUserDefaultsStoreTest, WritersLoseNoKeyWhenTheLockFileIsDeletedAndReplaced) {
  const fs::path file = folder_ / "group.shared.json";
  const fs::path lockFile = FileUserDefaultsStore(file).lockFile();
  // Every few milliseconds for a while: more often than a write takes, no
  // write could ever finish.
  int round = 0;
  const int lost = keysLostByWriters({{file, "a."}, {file, "b."}}, 150, [&] {
    if (++round <= 100 && round % 2 == 0) {
      ::unlink(lockFile.c_str());
    } else if (round <= 100) {
      writeText(folder_ / "fresh", "");
      ::rename((folder_ / "fresh").c_str(), lockFile.c_str());
    }
    ::usleep(3000);
  });
  EXPECT_EQ(lost, 0);
}

TEST_F(FileUserDefaultsStoreTest, SalvagingOnAFullDiskLeavesTheDamagedStoreInPlace) {
  const fs::path file = folder_ / "group.app.json";
  const std::string damaged = R"({"keep": 1, "bad": tru, "also": "x"})";
  writeText(file, damaged);
  EXPECT_TRUE(passesInChild([&] {
    // Writes past a few bytes fail as on a full disk.
    silenceErrors();
    std::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limit {8, 8};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    FileUserDefaultsStore store(file);
    EXPECT_EQ(store.value("keep"), Value(1));
    store.setValue("new", Value(2));
    EXPECT_EQ(store.value("also"), Value("x"));
  }));
  EXPECT_EQ(readText(file), damaged);
  EXPECT_TRUE(filesContaining(folder_, ".tmp-").empty());
  EXPECT_TRUE(filesContaining(folder_, ".corrupt-").empty());
  // With room again, the salvage goes through.
  FileUserDefaultsStore store(file);
  store.setValue("new", Value(2));
  EXPECT_EQ(readText(folder_ / "group.app.json.corrupt-1"), damaged);
  EXPECT_EQ(FileUserDefaultsStore::parse(readText(file)),
            (Value::Dictionary{{"keep", Value(1)}, {"also", Value("x")}, {"new", Value(2)}}));
}

TEST_F(FileUserDefaultsStoreTest, AFileNestedTooDeeplyIsKeptAsideInBoundedMemory) {
  const fs::path file = folder_ / "group.app.json";
  constexpr std::size_t depth = 5'000'000;  // 10 MB
  std::string text = R"({"a": 1, "deep": )";
  text += std::string(depth, '[') + std::string(depth, ']') + R"(, "b": {"c": [[2]]}})";
  writeText(file, text);
  EXPECT_TRUE(passesInChild([&] {
    silenceErrors();
    struct rusage before {}, after {};
    ::getrusage(RUSAGE_SELF, &before);
    FileUserDefaultsStore store(file);
    EXPECT_EQ(store.value("a"), Value(1));
    EXPECT_EQ(store.value("deep"), std::nullopt);
    ::getrusage(RUSAGE_SELF, &after);
    // Reading the file costs a few times its size; parsing it whole costs dozens.
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 100 * 1024) << "kB";
  }, 60));
  EXPECT_EQ(fs::file_size(folder_ / "group.app.json.corrupt-1"), text.size());
  EXPECT_EQ(FileUserDefaultsStore(file).allValues(),
            (Value::Dictionary{{"a", Value(1)}, {"b", Value::Dictionary{{"c", Value::Array{Value::Array{Value(2)}}}}}}));
  // Exactly at the limit it is read; one deeper it is not.
  for (const int levels : {FileUserDefaultsStore::maximumDepth, FileUserDefaultsStore::maximumDepth + 1}) {
    const std::string nested = "{\"n\": " + std::string(levels, '[') + std::string(levels, ']') + "}";
    EXPECT_EQ(FileUserDefaultsStore::parse(nested).has_value(), levels <= FileUserDefaultsStore::maximumDepth);
  }
}

TEST_F(FileUserDefaultsStoreTest, ALockWaitThatGivesUpLeavesNoThreadOrDescriptor) {
  const fs::path file = folder_ / "group.app.json";
  EXPECT_TRUE(passesInChild([&] {
    silenceErrors();
    FileUserDefaultsStore store(file);
    store.setValue("before", Value(1));
    FileLock stuck(store.lockFile(), 1s);
    ASSERT_TRUE(stuck.isLocked());
    store.setLockTimeout(5ms);
    const std::size_t threads = entryCount("/proc/self/task"), descriptors = entryCount("/proc/self/fd");
    for (int i = 0; i < 50; ++i) store.setValue("k", Value(i));
    EXPECT_EQ(entryCount("/proc/self/task"), threads);
    EXPECT_EQ(entryCount("/proc/self/fd"), descriptors);
  }));
}

TEST_F(FileUserDefaultsStoreTest, AWriteKeepsTheModeAndGroupAndANewStoreFollowsTheUmask) {
  const fs::path file = folder_ / "group.app.json";
  EXPECT_TRUE(passesInChild([&] {
    ::umask(002);
    FileUserDefaultsStore store(file);
    store.setValue("k", Value(1));
    const auto mode = [](const fs::path& path) {
      struct stat info {};
      ::stat(path.c_str(), &info);
      return info.st_mode & 07777;
    };
    EXPECT_EQ(mode(file), 0664u);
    EXPECT_EQ(mode(store.lockFile()), 0664u);
    EXPECT_EQ(mode(siblingFile(store.lockFile(), ".turnstile")), 0664u);
    for (const mode_t kept : {0600u, 0660u, 0640u}) {
      ::chmod(file.c_str(), kept);
      const gid_t group = ::getgid() + 4242;  // another group of the sharing users
      if (::geteuid() == 0) {
        ASSERT_EQ(::chown(file.c_str(), static_cast<uid_t>(-1), group), 0);
      }
      store.setValue("k", Value(static_cast<int>(kept)));
      EXPECT_EQ(mode(file), kept);
      struct stat info {};
      ::stat(file.c_str(), &info);
      if (::geteuid() == 0) {
        EXPECT_EQ(info.st_gid, group);
      }
    }
    EXPECT_EQ(store.value("k"), Value(0640));
  }));
}

}  // namespace
}  // namespace platform
