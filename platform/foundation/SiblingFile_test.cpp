#include "platform/foundation/SiblingFile.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

namespace platform {
namespace {

namespace fs = std::filesystem;

class SiblingFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::path(::testing::TempDir()) /
        ("sibling-file-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
};

// A pid no process has now: a child's that has ended and been waited for.
pid_t pidOfAnEndedProcess() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST_F(SiblingFileTest, OnlyTheTemporariesOfWritersNoLongerAliveAreRemoved) {
  const fs::path owner = folder_ / "shot.png";
  const fs::path longOwner = folder_ / (std::string(250, 'y') + ".png");
  const pid_t sleeping = ::fork();
  ASSERT_GE(sleeping, 0);
  if (sleeping == 0) {
    ::pause();
    ::_exit(0);
  }
  const std::string dead = std::to_string(pidOfAnEndedProcess()), tag = "-0123abcd";
  const std::string self = std::to_string(::getpid()), alive = std::to_string(sleeping);
  const struct {
    fs::path file;
    bool removedWhenTagged, removedWhenUntaggedToo;
  } cases[] = {
      {siblingFile(owner, ".tmp-" + dead + tag), true, true},
      {siblingFile(longOwner, ".tmp-" + dead + tag), true, true},
      {siblingFile(owner, ".tmp-" + dead), false, true},
      {siblingFile(longOwner, ".tmp-" + dead), false, true},
      // Writers alive, this process among them.
      {siblingFile(owner, ".tmp-" + self + tag), false, false},
      {siblingFile(owner, ".tmp-" + alive + tag), false, false},
      {siblingFile(owner, ".tmp-" + alive), false, false},
      // Names like a writer's that none gives.
      {siblingFile(owner, ".tmp-" + dead + "-0123ABCD"), false, false},
      {siblingFile(owner, ".tmp-" + dead + "-0123abc"), false, false},
      {siblingFile(owner, ".tmp-" + dead + tag + ".bak"), false, false},
      {siblingFile(owner, ".tmp-" + dead + "x"), false, false},
      {siblingFile(owner, ".tmp--" + tag), false, false},
      {folder_ / ("shot.tmp-" + dead + tag), false, false},
      // Another file's.
      {siblingFile(folder_ / "shot.png.png", ".tmp-" + dead + tag), false, false},
      {siblingFile(folder_ / "other.png", ".tmp-" + dead + tag), false, false},
  };
  for (const TemporaryNames names : {TemporaryNames::tagged, TemporaryNames::taggedOrUntagged}) {
    for (const auto& c : cases) std::ofstream(c.file) << "";
    const fs::path owners[] = {owner, longOwner};
    removeStaleTemporarySiblings(owners, names);
    for (const auto& c : cases) {
      const bool removed = names == TemporaryNames::tagged ? c.removedWhenTagged : c.removedWhenUntaggedToo;
      EXPECT_NE(fs::exists(c.file), removed) << c.file.filename() << (removed ? " stays" : " was removed");
    }
  }
  ::kill(sleeping, SIGKILL);
  ::waitpid(sleeping, nullptr, 0);
}

TEST_F(SiblingFileTest, AFolderThatCannotBeReadRemovesNothingAndFailsNothing) {
  removeStaleTemporarySiblings(folder_ / "missing" / "shot.png", TemporaryNames::tagged);
  removeStaleTemporarySiblings(std::span<const fs::path>(), TemporaryNames::tagged);
}

}  // namespace
}  // namespace platform
