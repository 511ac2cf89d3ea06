#include "platform/foundation/FileUserDefaultsStore.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include "platform/foundation/FileLock.h"
#include "platform/foundation/SiblingFile.h"
#include "platform/foundation/UserDefaults.h"

// While set, link() fails in this process as it does on a file system
// without hard links (vfat, exFAT, some network and FUSE ones).
static std::atomic<bool> hardLinksFail{false};

extern "C" int link(const char* from, const char* to) noexcept {
  if (hardLinksFail) {
    errno = EPERM;
    return -1;
  }
  return ::linkat(AT_FDCWD, from, AT_FDCWD, to, 0);
}

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

mode_t modeOf(const fs::path& path) {
  struct stat info {};
  ::stat(path.c_str(), &info);
  return info.st_mode & 07777;
}

// Writes `key` to the store at `file` as `user` of `group` alone, with umask
// 077, in a child process; true when it was written without a complaint.
bool writesAs(uid_t user, gid_t group, const fs::path& file, const std::string& key) {
  return passesInChild([&] {
    ASSERT_EQ(::setgroups(0, nullptr), 0);
    ASSERT_EQ(::setgid(group), 0);
    ASSERT_EQ(::setuid(user), 0);
    ::umask(077);
    ::testing::internal::CaptureStderr();
    FileUserDefaultsStore(file).setValue(key, Value(true));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  });
}

// Stops writing to stderr, for a child that reports on purpose many times.
void silenceErrors() {
  const int null = ::open("/dev/null", O_WRONLY);
  ::dup2(null, STDERR_FILENO);
  ::close(null);
}

// A child that writes big values to the store at `file` for ever, stopped in
// the middle of a write: while it holds a temporary beside the store (when
// none was seen in time, it runs on). Its pid, for the caller to kill.
pid_t writerStoppedWhileWriting(const fs::path& file) {
  const fs::path folder = file.parent_path();
  const pid_t child = ::fork();
  if (child == 0) {
    const std::string big(200000, 'x');
    FileUserDefaultsStore store(file);
    for (int i = 0;; ++i) store.setValue("k" + std::to_string(i % 4), Value(big));
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < deadline) {
    if (filesContaining(folder, ".tmp-").empty()) continue;
    ::kill(child, SIGSTOP);
    ::waitpid(child, nullptr, WUNTRACED);
    if (!filesContaining(folder, ".tmp-").empty()) break;
    ::kill(child, SIGCONT);
  }
  return child;
}

// How many times the store race tests run, and how many keys each writer
// writes: a few seconds in all by default, a few minutes under
// KEYLOOM_LONG_TESTS=1 (as CI runs them).
int raceRounds() { return std::getenv("KEYLOOM_LONG_TESTS") ? 20 : 1; }
int raceWrites() { return std::getenv("KEYLOOM_LONG_TESTS") ? 300 : 150; }

// One writer of a race: writes keys "<prefix><i>" to the store at `path`.
struct Writer {
  fs::path path;
  std::string prefix;
};

// Children that each write `count` keys while `meanwhile` runs. The keys of
// each writer whose write was acknowledged: not reported as not written.
std::vector<std::set<std::string>> acknowledgedByWriters(const std::vector<Writer>& writers, int count,
                                                        const std::function<void()>& meanwhile) {
  std::vector<pid_t> children;
  std::vector<fs::path> reports;
  for (const auto& writer : writers) {
    reports.push_back(fs::temp_directory_path() / ("keyloom-writer-" + std::to_string(::getpid()) + "-" +
                                                   std::to_string(reports.size())));
    pid_t child = ::fork();
    if (child == 0) {
      const int report = ::open(reports.back().c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      ::dup2(report, STDERR_FILENO);
      FileUserDefaultsStore store(writer.path);
      for (int i = 0; i < count; ++i) store.setValue(writer.prefix + std::to_string(i), Value(i));
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
  std::vector<std::set<std::string>> acknowledged;
  for (std::size_t w = 0; w < writers.size(); ++w) {
    const std::string refusals = readText(reports[w]);
    fs::remove(reports[w]);
    auto& keys = acknowledged.emplace_back();
    for (int i = 0; i < count; ++i) {
      const std::string key = writers[w].prefix + std::to_string(i);
      if (refusals.find("\"" + key + "\" not written") == std::string::npos) keys.insert(key);
    }
  }
  return acknowledged;
}

// The keys of `acknowledged` ("<prefix>.<i>", holding i) missing from the
// store at `path`.
int keysLost(const fs::path& path, const std::vector<std::set<std::string>>& acknowledged) {
  auto all = FileUserDefaultsStore(path).allValues();
  int lost = 0;
  for (const auto& keys : acknowledged) {
    for (const auto& key : keys) lost += all[key] == Value(std::stoi(key.substr(key.find('.') + 1))) ? 0 : 1;
  }
  return lost;
}

// Children that each write `count` keys "<prefix><i>" to the store at their
// path while `meanwhile` runs; the keys that did not survive, refused or not.
int keysLostByWriters(const std::vector<Writer>& writers, int count, const std::function<void()>& meanwhile) {
  acknowledgedByWriters(writers, count, meanwhile);
  std::vector<std::set<std::string>> written(writers.size());
  for (std::size_t w = 0; w < writers.size(); ++w) {
    for (int i = 0; i < count; ++i) written[w].insert(writers[w].prefix + std::to_string(i));
  }
  return keysLost(writers.front().path, written);
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
  const pid_t child = writerStoppedWhileWriting(file);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  ASSERT_FALSE(filesContaining(folder_, ".tmp-").empty()) << "no writer died while writing";
  FileUserDefaultsStore store(file);
  store.setValue("after", Value(1));
  EXPECT_TRUE(filesContaining(folder_, ".tmp-").empty());
  EXPECT_EQ(store.value("after"), Value(1));
}

TEST_F(FileUserDefaultsStoreTest, AWritePastTheFileSizeLimitIsRefusedAndTheStoreKept) {
  const fs::path file = folder_ / "group.app.json";
  FileUserDefaultsStore(file).setValue("before", Value(1));
  EXPECT_TRUE(passesInChild([&] {
    std::signal(SIGXFSZ, SIG_DFL);
    const struct rlimit limit {4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::testing::internal::CaptureStderr();
    FileUserDefaultsStore(file).setValue("big", Value(std::string(5000, 'x')));
    const std::string message = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(message.find("cannot be written: File too large"), std::string::npos) << message;
  }));
  EXPECT_EQ(FileUserDefaultsStore(file).allValues(), (Value::Dictionary{{"before", Value(1)}}));
  EXPECT_TRUE(filesContaining(folder_, ".tmp-").empty());
}

TEST_F(FileUserDefaultsStoreTest, AStoreWithoutHardLinksGetsItsLockFilesAndKeepsADamagedFileAside) {
  // A store copied onto a USB stick without its lock files.
  const fs::path file = folder_ / "store.json";
  writeText(file, R"({"kept": 1})");
  ASSERT_EQ(::chmod(file.c_str(), 0640), 0);
  EXPECT_TRUE(passesInChild([&] {
    hardLinksFail = true;
    ::umask(077);
    FileUserDefaultsStore store(file);
    ::testing::internal::CaptureStderr();
    store.setValue("written", Value(2));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    const fs::path lockFile = store.lockFile();
    // Shared like the store, whatever the umask.
    EXPECT_EQ(modeOf(lockFile), 0640u);
    EXPECT_EQ(modeOf(siblingFile(lockFile, ".turnstile")), 0640u);
    // A damaged store is kept aside as a copy, and its readable entries stay.
    writeText(file, R"({"kept": 1, "bad": tru})");
    ::testing::internal::CaptureStderr();
    store.setValue("after", Value(3));
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("kept as store.json.corrupt-1"), std::string::npos);
  }));
  EXPECT_EQ(readText(folder_ / "store.json.corrupt-1"), R"({"kept": 1, "bad": tru})");
  EXPECT_EQ(FileUserDefaultsStore(file).allValues(), (Value::Dictionary{{"kept", Value(1)}, {"after", Value(3)}}));
  EXPECT_TRUE(filesContaining(folder_, ".tmp-").empty());
}

TEST_F(FileUserDefaultsStoreTest, LockFileTemporariesOfKilledWritersAreRemovedAndNoLiveWritersOnes) {
  const fs::path file = folder_ / "group.app.json";
  const fs::path lockFile = siblingFile(file, ".lock");
  const fs::path ofThisStore[] = {lockFile, siblingFile(lockFile, ".turnstile")};
  const fs::path ofAnother = folder_ / "other.json.lock";
  // A writer that made the temporaries of new lock files, for this store and
  // another, and was killed before it put them in place, or lives on.
  const auto writerWithTemporaries = [&](bool killed) {
    int ready[2];
    EXPECT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      for (const auto& lock : {ofThisStore[0], ofThisStore[1], ofAnother}) {
        fs::path temporary;
        ::close(createTemporarySibling(lock, temporary));
      }
      ::close(ready[1]);
      if (killed) ::raise(SIGKILL);
      ::pause();
    }
    ::close(ready[1]);
    char done;
    EXPECT_EQ(::read(ready[0], &done, 1), 0);
    ::close(ready[0]);
    return child;
  };
  const pid_t dead = writerWithTemporaries(true);
  ::waitpid(dead, nullptr, 0);
  const pid_t live = writerWithTemporaries(false);
  const auto temporariesOf = [&](pid_t writer) {
    std::set<std::string> owners;
    for (const auto& path : filesContaining(folder_, ".tmp-" + std::to_string(writer) + "-")) {
      const std::string name = path.filename().string();
      owners.insert(name.substr(0, name.rfind(".tmp-")));
    }
    return owners;
  };
  const std::set<std::string> all = {"group.app.json.lock", "group.app.json.lock.turnstile", "other.json.lock"};
  ASSERT_EQ(temporariesOf(dead), all);
  ASSERT_EQ(temporariesOf(live), all);
  FileUserDefaultsStore(file).setValue("k", Value(1));
  EXPECT_EQ(temporariesOf(dead), std::set<std::string>{"other.json.lock"}) << "only another store's are left";
  EXPECT_EQ(temporariesOf(live), all);
  ::kill(live, SIGKILL);
  ::waitpid(live, nullptr, 0);
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
    // Writes past a few bytes fail as on a full disk, with the signal at its
    // default action as under a shell's `ulimit -f`.
    silenceErrors();
    std::signal(SIGXFSZ, SIG_DFL);
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

TEST_F(FileUserDefaultsStoreTest, ALinkSwitchedBetweenStoresWhileWritersRunMixesNoKeys) {
  // The app's link to its store is renewed to name another store, as when a
  // container moves, over and over while writers run through the link and
  // through both stores' real paths.
  fs::create_directories(folder_ / "one");
  fs::create_directories(folder_ / "two");
  fs::create_directories(folder_ / "app");
  const fs::path one = folder_ / "one" / "store.json", two = folder_ / "two" / "store.json";
  const fs::path link = folder_ / "app" / "store.json", renewed = folder_ / "app" / "renewed";
  fs::create_symlink(one, link);
  int switches = 0;
  for (int round = 0; round < raceRounds(); ++round) {
    SCOPED_TRACE(round);
    fs::remove(one);
    fs::remove(two);
    const std::vector<Writer> writers = {{link, "link."}, {one, "one."}, {two, "two."}};
    const auto acknowledged = acknowledgedByWriters(writers, raceWrites(), [&] {
      fs::create_symlink(++switches % 2 ? two : one, renewed);
      fs::rename(renewed, link);
    });
    auto inOne = FileUserDefaultsStore(one).allValues(), inTwo = FileUserDefaultsStore(two).allValues();
    EXPECT_EQ(keysLost(one, {acknowledged[1]}), 0) << "of " << acknowledged[1].size();
    EXPECT_EQ(keysLost(two, {acknowledged[2]}), 0) << "of " << acknowledged[2].size();
    for (const auto& key : acknowledged[1]) EXPECT_FALSE(inTwo.contains(key)) << key;
    for (const auto& key : acknowledged[2]) EXPECT_FALSE(inOne.contains(key)) << key;
    for (const auto& key : acknowledged[0]) EXPECT_NE(inOne.contains(key), inTwo.contains(key)) << key;
    EXPECT_EQ(acknowledged[0].size() + acknowledged[1].size() + acknowledged[2].size(), 3u * raceWrites());
  }
  EXPECT_GT(switches, 3 * raceRounds());
  RecordProperty("linkSwitches", switches);
}

TEST_F(FileUserDefaultsStoreTest, WritersLoseNoAcknowledgedKeyWhileTheLockFilesAreDeleted) {
  const fs::path file = folder_ / "group.shared.json";
  const fs::path lockFile = FileUserDefaultsStore(file).lockFile();
  const fs::path turnstile = siblingFile(lockFile, ".turnstile");
  int deletions = 0;
  std::size_t acknowledgedInAll = 0;
  for (int round = 0; round < raceRounds(); ++round) {
    SCOPED_TRACE(round);
    fs::remove(file);
    const std::vector<Writer> writers = {{file, "a."}, {file, "b."}};
    const auto acknowledged = acknowledgedByWriters(writers, raceWrites(), [&] {
      deletions += ::unlink(lockFile.c_str()) == 0;
      deletions += ::unlink(turnstile.c_str()) == 0;
    });
    EXPECT_EQ(keysLost(file, acknowledged), 0) << "of " << acknowledged[0].size() + acknowledged[1].size();
    acknowledgedInAll += acknowledged[0].size() + acknowledged[1].size();
  }
  EXPECT_GT(deletions, 0);
  EXPECT_GT(acknowledgedInAll, 0u);
  RecordProperty("lockFileDeletions", deletions);
  RecordProperty("acknowledgedWrites", static_cast<int>(acknowledgedInAll));
}

TEST_F(FileUserDefaultsStoreTest, AWriterWhoseLockFileIsDeletedStillKeepsOtherWritersOut) {
  const fs::path file = folder_ / "group.app.json";
  const pid_t child = writerStoppedWhileWriting(file);
  const bool stopped = !filesContaining(folder_, ".tmp-").empty();
  if (stopped) {
    const fs::path lockFile = FileUserDefaultsStore(file).lockFile();
    EXPECT_EQ(::unlink(lockFile.c_str()), 0);
    EXPECT_EQ(::unlink(siblingFile(lockFile, ".turnstile").c_str()), 0);
    // Another writer now finds no lock file, yet must wait for the first.
    EXPECT_TRUE(passesInChild([&] {
      FileUserDefaultsStore store(file);
      store.setLockTimeout(200ms);
      ::testing::internal::CaptureStderr();
      store.setValue("other", Value(1));
      const std::string message = ::testing::internal::GetCapturedStderr();
      EXPECT_NE(message.find("locked by another process"), std::string::npos) << message;
    }));
  }
  ::kill(child, SIGKILL);
  ::kill(child, SIGCONT);
  ::waitpid(child, nullptr, 0);
  ASSERT_TRUE(stopped) << "no writer stopped while writing";
  FileUserDefaultsStore store(file);
  EXPECT_EQ(store.value("other"), std::nullopt);
  store.setValue("other", Value(2));
  EXPECT_EQ(FileUserDefaultsStore(file).value("other"), Value(2));
}

TEST_F(FileUserDefaultsStoreTest, EveryUserOfAStoresGroupMayLockItWhateverTheirUmask) {
  if (::geteuid() != 0) GTEST_SKIP() << "acting as two users needs root";
  // Two users of one group share a store in a set-group-ID folder.
  const gid_t group = 4242;
  const uid_t first = 4243, second = 4244;
  const fs::path shared = folder_ / "shared", file = shared / "store.json";
  fs::create_directories(shared);
  ASSERT_EQ(::chown(shared.c_str(), 0, group), 0);
  ASSERT_EQ(::chmod(shared.c_str(), 02770), 0);
  writeText(file, "{}");
  ASSERT_EQ(::chown(file.c_str(), 0, group), 0);
  ASSERT_EQ(::chmod(file.c_str(), 0660), 0);
  const auto writeAs = [&](uid_t user, const std::string& key) { return writesAs(user, group, file, key); };
  const auto mode = modeOf;
  const fs::path lockFile = siblingFile(file, ".lock"), turnstile = siblingFile(lockFile, ".turnstile");
  EXPECT_TRUE(writeAs(first, "first"));
  EXPECT_EQ(mode(lockFile), 0660u);
  EXPECT_EQ(mode(turnstile), 0660u);
  EXPECT_TRUE(writeAs(second, "second"));
  // Lock files a user made private before are opened to the group by that
  // user's next write.
  for (const auto& path : {lockFile, turnstile}) {
    ASSERT_EQ(::chown(path.c_str(), first, group), 0);
    ASSERT_EQ(::chmod(path.c_str(), 0600), 0);
  }
  EXPECT_TRUE(writeAs(first, "again"));
  EXPECT_TRUE(writeAs(second, "also"));
  EXPECT_EQ(FileUserDefaultsStore(file).allValues().size(), 4u);
  EXPECT_EQ(mode(file), 0660u);
}

TEST_F(FileUserDefaultsStoreTest, AStoreMadePrivateThenSharedCanBeWrittenByItsGroupAtOnce) {
  if (::geteuid() != 0) GTEST_SKIP() << "acting as two users needs root";
  const gid_t group = 4242;
  const uid_t first = 4243, second = 4244;
  const fs::path shared = folder_ / "shared", file = shared / "store.json";
  fs::create_directories(shared);
  ASSERT_EQ(::chown(shared.c_str(), 0, group), 0);
  ASSERT_EQ(::chmod(shared.c_str(), 02770), 0);
  // The first writer, with umask 077, makes the store and its lock files private.
  ASSERT_TRUE(writesAs(first, group, file, "first"));
  const fs::path lockFile = siblingFile(file, ".lock"), turnstile = siblingFile(lockFile, ".turnstile");
  for (const auto& path : {file, lockFile, turnstile}) ASSERT_EQ(modeOf(path), 0600u) << path;
  // An administrator shares the store with its group, and the first writer
  // never writes again: every other user of the group may write it at once.
  ASSERT_EQ(::chmod(file.c_str(), 0660), 0);
  EXPECT_TRUE(writesAs(second, group, file, "second"));
  EXPECT_EQ(modeOf(lockFile), 0660u);
  EXPECT_EQ(modeOf(turnstile), 0660u);
  EXPECT_TRUE(writesAs(first, group, file, "again"));
  EXPECT_TRUE(writesAs(second, group, file, "also"));
  EXPECT_EQ(FileUserDefaultsStore(file).allValues().size(), 4u);
  EXPECT_EQ(modeOf(file), 0660u);
}

}  // namespace
}  // namespace platform
