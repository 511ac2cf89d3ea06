#include "platform/ui/PngFile.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/foundation/Error.h"
#include "platform/foundation/SiblingFile.h"
#include "testing/SurfaceDifference.h"

namespace platform::ui {
namespace {

namespace fs = std::filesystem;

class PngFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::path(::testing::TempDir()) /
              ("png-file-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 4);
  }
  void TearDown() override {
    cairo_surface_destroy(surface_);
    fs::remove_all(folder_);
  }
  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  fs::path folder_;
  cairo_surface_t* surface_ = nullptr;
};

TEST_F(PngFileTest, APictureWrittenAgainReplacesTheOldOneAndKeepsItsMode) {
  const fs::path path = folder_ / "shot.png";
  std::ofstream(path) << "old";
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
  writePngFile(surface_, path.string());
  EXPECT_EQ(read(path).substr(1, 3), "PNG");
  EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

// Owners and groups no one on the machine has, so only a test gives them.
constexpr uid_t kOtherUser = 4242;
constexpr gid_t kOtherGroup = 4343, kAnotherGroup = 4344;

struct Ownership {
  uid_t user;
  gid_t group;
  mode_t mode;
  bool operator==(const Ownership&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Ownership& o) {
  return out << o.user << ":" << o.group << " " << std::oct << o.mode << std::dec;
}

Ownership ownershipOf(const fs::path& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
  return {status.st_uid, status.st_gid, status.st_mode & 07777};
}

void makeFile(const fs::path& path, const Ownership& ownership) {
  std::ofstream(path) << "an earlier picture";
  ASSERT_EQ(::chown(path.c_str(), ownership.user, ownership.group), 0);
  ASSERT_EQ(::chmod(path.c_str(), ownership.mode), 0);
}

TEST_F(PngFileTest, APictureWrittenAgainByRootKeepsItsOwnerAndGroup) {
  if (::geteuid() != 0) GTEST_SKIP() << "giving a file to another user takes root";
  fs::create_directories(folder_ / "elsewhere");
  fs::create_symlink("elsewhere/linked.png", folder_ / "link.png");
  const struct {
    const char* name;
    fs::path written, file;
    Ownership before;
  } cases[] = {
      {"a picture", folder_ / "shot.png", folder_ / "shot.png", {kOtherUser, kOtherGroup, 0640}},
      {"through a link",
       folder_ / "link.png",
       folder_ / "elsewhere" / "linked.png",
       {kOtherUser, kOtherGroup, 0640}},
      // The mode is given after the owner, which clears the set-id bits.
      {"with set-id bits", folder_ / "set-id.png", folder_ / "set-id.png", {kOtherUser, kOtherGroup, 06750}},
      {"root's own", folder_ / "own.png", folder_ / "own.png", {0, 0, 0600}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    makeFile(c.file, c.before);
    writePngFile(surface_, c.written.string());
    EXPECT_EQ(read(c.file).substr(1, 3), "PNG");
    EXPECT_EQ(ownershipOf(c.file), c.before);
  }
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.png"));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 5);
}

// Anyone else may not give a file away: a picture they may write but another
// owns becomes theirs, as a new one would, and keeps its group only when
// they are in it, as chown allows them.
TEST_F(PngFileTest, APictureWrittenAgainByAnotherUserBecomesTheirsAndKeepsAGroupTheyAreIn) {
  if (::geteuid() != 0) GTEST_SKIP() << "a test of another user takes root to become them";
  constexpr uid_t writer = 4444;
  constexpr gid_t writersGroup = 4545;
  for (fs::path above = folder_.parent_path(); !above.empty() && above != above.root_path();
       above = above.parent_path()) {
    if ((fs::status(above).permissions() & fs::perms::others_exec) == fs::perms::none) {
      GTEST_SKIP() << "another user cannot reach " << folder_ << " (" << above << " is closed to them)";
    }
  }
  ASSERT_EQ(::chmod(folder_.c_str(), 0777), 0);
  const struct {
    const char* name;
    Ownership before, after;
  } cases[] = {
      {"in the group", {kOtherUser, kOtherGroup, 0664}, {writer, kOtherGroup, 0664}},
      {"not in the group", {kOtherUser, kAnotherGroup, 0666}, {writer, writersGroup, 0666}},
      // The other user's set-user-id bit is not given to the writer's file.
      {"set-id bits", {kOtherUser, kOtherGroup, 06666}, {writer, kOtherGroup, 02666}},
      {"set-id bits, not in the group", {kOtherUser, kAnotherGroup, 06666}, {writer, writersGroup, 0666}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path path = folder_ / "shot.png";
    makeFile(path, c.before);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      const gid_t groups[] = {kOtherGroup};
      if (::setgroups(1, groups) != 0 || ::setgid(writersGroup) != 0 || ::setuid(writer) != 0) ::_exit(2);
      try {
        writePngFile(surface_, path.string());
      } catch (const Error&) {
        ::_exit(1);
      }
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write failed";
    EXPECT_EQ(read(path).substr(1, 3), "PNG");
    EXPECT_EQ(ownershipOf(path), c.after);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
  }
}

// A write of `path` in a child process, stopped in the midst of the picture
// once its temporary is there: killed there, or left waiting. Its pid.
pid_t writerStoppedWhileWriting(const fs::path& path, bool killed) {
  int ready[2];
  if (::pipe(ready) != 0) return -1;
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(ready[0]);
    try {
      writeOpaquePngFile(path.string(), 8, 4, 0, [&](cairo_t*, PixelRows) {
        if (killed) ::raise(SIGKILL);
        ::close(ready[1]);
        ::pause();
      });
    } catch (...) {
    }
    ::_exit(1);
  }
  ::close(ready[1]);
  char byte;
  EXPECT_EQ(::read(ready[0], &byte, 1), 0);
  ::close(ready[0]);
  if (killed) ::waitpid(child, nullptr, 0);
  return child;
}

// A writer left waiting, ended when the test is done with it or fails.
struct StoppedWriter {
  explicit StoppedWriter(pid_t writer) : pid(writer) {}
  StoppedWriter(const StoppedWriter&) = delete;
  StoppedWriter& operator=(const StoppedWriter&) = delete;
  ~StoppedWriter() { end(); }
  void end() {
    if (pid <= 0) return;
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    pid = 0;
  }
  pid_t pid;
};

// The files in `folder` that a writer with this pid named as temporaries.
std::vector<fs::path> temporariesOf(const fs::path& folder, pid_t writer) {
  std::vector<fs::path> found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename().string().find(".tmp-" + std::to_string(writer) + "-") != std::string::npos) {
      found.push_back(entry.path());
    }
  }
  return found;
}

TEST_F(PngFileTest, TemporariesOfKilledWritesAreRemovedWhenThePictureIsWrittenAgain) {
  fs::create_directories(folder_ / "elsewhere");
  fs::create_symlink("elsewhere/linked.png", folder_ / "link.png");
  const struct {
    const char* name;
    fs::path written, file;
  } cases[] = {
      {"a picture", folder_ / "shot.png", folder_ / "shot.png"},
      // Its temporaries are beside the file the link leads to.
      {"through a link", folder_ / "link.png", folder_ / "elsewhere" / "linked.png"},
      {"a long name, shortened for its temporaries", folder_ / (std::string(250, 'x') + ".png"),
       folder_ / (std::string(250, 'x') + ".png")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    // The one still writing first: the write killed after it would clear
    // the other's temporary.
    StoppedWriter waiting{writerStoppedWhileWriting(c.written, false)};
    ASSERT_GT(waiting.pid, 0);
    const pid_t killed = writerStoppedWhileWriting(c.written, true);
    const pid_t waitingPid = waiting.pid;
    const std::vector<fs::path> ofKilled = temporariesOf(c.file.parent_path(), killed);
    ASSERT_EQ(ofKilled.size(), 1u) << "the killed write left no temporary";
    ASSERT_EQ(temporariesOf(c.file.parent_path(), waitingPid).size(), 1u);
    // Names with the killed writer's pid that no write of this picture gives,
    // and one of this process.
    const std::string dead = std::to_string(killed), tag = "-0123abcd";
    std::vector<fs::path> kept = {
        siblingFile(c.file.parent_path() / "other.png", ".tmp-" + dead + tag),
        siblingFile(c.file, ".tmp-" + dead),
        siblingFile(c.file, ".tmp-" + dead + "-0123ABCD"),
        siblingFile(c.file, ".tmp-" + dead + tag + ".png"),
        siblingFile(c.file, ".tmp-" + std::to_string(::getpid()) + tag),
    };
    if (c.written != c.file) kept.push_back(siblingFile(c.written, ".tmp-" + dead + tag));
    for (const auto& file : kept) std::ofstream(file) << "";
    writePngFile(surface_, c.written.string());
    EXPECT_EQ(read(c.file).substr(1, 3), "PNG");
    EXPECT_FALSE(fs::exists(ofKilled.front())) << "the killed write's temporary stays";
    EXPECT_EQ(temporariesOf(c.file.parent_path(), waitingPid).size(), 1u)
        << "a live write's temporary was removed";
    for (const auto& file : kept) EXPECT_TRUE(fs::exists(file)) << file.filename();
    // Once that writer is gone too, the next write takes its temporary.
    waiting.end();
    writePngFile(surface_, c.written.string());
    EXPECT_TRUE(temporariesOf(c.file.parent_path(), waitingPid).empty());
    for (const auto& file : kept) fs::remove(file);
  }
  // Nothing but the pictures and the link is left.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 4);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "elsewhere"), fs::directory_iterator()), 1);
}

TEST_F(PngFileTest, APipeIsWrittenToInPlace) {
  const fs::path path = folder_ / "pipe";
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  // Another's pipe stays theirs.
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(path.c_str(), kOtherUser, kOtherGroup), 0);
  }
  const Ownership before = ownershipOf(path);
  std::string received;
  std::thread reader([&] { received = read(path); });
  writePngFile(surface_, path.string());
  reader.join();
  EXPECT_EQ(received.substr(1, 3), "PNG");
  EXPECT_TRUE(fs::is_fifo(path));
  EXPECT_EQ(ownershipOf(path), before);
}

TEST_F(PngFileTest, ALinkIsWrittenThroughAndStaysALink) {
  // A file elsewhere, and one held open as a shell holds a redirected
  // standard output, reached as /dev/stdout reaches it.
  const fs::path elsewhere = folder_ / "elsewhere";
  fs::create_directories(elsewhere);
  const fs::path target = elsewhere / "picture.png", redirected = elsewhere / "redirected.png";
  std::ofstream(target) << "an earlier picture, longer than the new one would be if it were kept";
  const int held = ::open(redirected.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(held, 0);
  // Written in place, the held file stays another's where root can give it away.
  if (::geteuid() == 0) {
    ASSERT_EQ(::fchown(held, kOtherUser, kOtherGroup), 0);
  }
  const Ownership heldBefore = ownershipOf(redirected);
  const struct {
    fs::path link, leadsTo, written;
  } cases[] = {
      {folder_ / "to-a-file.png", target, target},
      {folder_ / "to-a-descriptor.png", "/proc/self/fd/" + std::to_string(held), redirected},
      {folder_ / "to-nothing-yet.png", elsewhere / "new.png", elsewhere / "new.png"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.link.filename().string());
    fs::create_symlink(c.leadsTo, c.link);
    writePngFile(surface_, c.link.string());
    EXPECT_TRUE(fs::is_symlink(c.link));
    EXPECT_EQ(fs::read_symlink(c.link), c.leadsTo);
    cairo_surface_t* written = cairo_image_surface_create_from_png(c.written.c_str());
    EXPECT_EQ(cairo_surface_status(written), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(written), 8);
    cairo_surface_destroy(written);
  }
  // The holder's own place in its file is where it was.
  EXPECT_EQ(::lseek(held, 0, SEEK_CUR), 0);
  EXPECT_EQ(ownershipOf(redirected), heldBefore);
  ::close(held);
  // Nothing was made beside the links or the files they lead to.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 4);
  EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere), fs::directory_iterator()), 3);
}

TEST_F(PngFileTest, APicturePastTheFileSizeLimitFailsAndLeavesTheEarlierOneAlone) {
  const fs::path path = folder_ / "shot.png";
  std::ofstream(path) << "earlier";
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // As under a shell's `ulimit -f`: the signal at its default action kills
    // a program that writes past the limit, unless the writer sees to it.
    std::signal(SIGXFSZ, SIG_DFL);
    const struct rlimit limit {32, 32};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    bool failedClearly = false;
    try {
      writeOpaquePngFile(path.string(), 64, 64, 0, [](cairo_t*, PixelRows) {});
    } catch (const Error& error) {
      failedClearly = std::string(error.what()) == "cannot write " + path.string() + ": File too large";
    }
    // The program's own action for the signal is back.
    struct sigaction action {};
    ::sigaction(SIGXFSZ, nullptr, &action);
    ::_exit(failedClearly && action.sa_handler == SIG_DFL ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status)) << "killed by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "no clear failure";
  EXPECT_EQ(read(path), "earlier");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

// In a child process under `ulimit -f` of 32 bytes, as a full disk: whether
// writing a picture of 64 x 64 at `path` failed with the system's reason.
bool failsPastTheFileSizeLimit(const fs::path& path) {
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    const struct rlimit limit {32, 32};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    try {
      writeOpaquePngFile(path.string(), 64, 64, 0, [](cairo_t*, PixelRows) {});
    } catch (const Error& error) {
      ::_exit(std::string(error.what()) == "cannot write " + path.string() + ": File too large" ? 0 : 1);
    }
    ::_exit(1);
  }
  int status = 0;
  return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A link is written as a regular file is, at the file it leads to: a write
// that fails leaves the earlier picture there, or nothing at all where there
// was none, and the link as it was.
TEST_F(PngFileTest, AWriteThroughALinkThatFailsLeavesTheEarlierPictureOrNothing) {
  const fs::path elsewhere = folder_ / "elsewhere";
  fs::create_directories(elsewhere);
  const fs::path picture = elsewhere / "picture.png";
  std::ofstream(picture) << "earlier";
  const struct {
    const char* name;
    fs::path link, leadsTo;
  } cases[] = {
      {"a link to a picture", folder_ / "shot.png", picture},
      {"a link to a link to it, relative", folder_ / "again.png", "shot.png"},
      {"a dangling link", folder_ / "dangling.png", elsewhere / "none-yet.png"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::create_symlink(c.leadsTo, c.link);
    EXPECT_TRUE(failsPastTheFileSizeLimit(c.link));
    EXPECT_EQ(fs::read_symlink(c.link), c.leadsTo);
  }
  EXPECT_EQ(read(picture), "earlier");
  // Nothing beside the links or the picture: no temporary, no cut picture.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 4);
  EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere), fs::directory_iterator()), 1);
  // Written whole, the picture replaces the earlier one and the dangling
  // link's file comes to be, each keeping its link.
  for (const auto& c : cases) writePngFile(surface_, c.link.string());
  EXPECT_EQ(read(picture).substr(1, 3), "PNG");
  EXPECT_EQ(read(elsewhere / "none-yet.png").substr(1, 3), "PNG");
  for (const auto& c : cases) EXPECT_TRUE(fs::is_symlink(c.link)) << c.name;
}

TEST_F(PngFileTest, LinksThatLeadNowhereFailClearly) {
  fs::create_symlink("loop-b.png", folder_ / "loop-a.png");
  fs::create_symlink("loop-a.png", folder_ / "loop-b.png");
  fs::create_symlink(folder_ / "missing" / "shot.png", folder_ / "no-folder.png");
  const std::pair<fs::path, std::string> cases[] = {
      {folder_ / "loop-a.png", "Too many levels of symbolic links"},
      {folder_ / "no-folder.png", "No such file or directory"},
  };
  for (const auto& [path, reason] : cases) {
    try {
      writePngFile(surface_, path.string());
      ADD_FAILURE() << path << " written";
    } catch (const Error& error) {
      EXPECT_EQ(std::string(error.what()), "cannot write " + path.string() + ": " + reason);
    }
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 3);
}

TEST_F(PngFileTest, ANameOfAnotherPictureFormatIsRefused) {
  const struct {
    const char* name;
    const char* format;
  } refused[] = {{"x.jpg", "JPEG"}, {"x.JPEG", "JPEG"}, {"x.gif", "GIF"}, {"x.bmp", "BMP"},
                 {"x.webp", "WebP"}, {"x.tif", "TIFF"}, {"x.Tiff", "TIFF"}};
  for (const auto& name : refused) {
    const fs::path path = folder_ / name.name;
    const std::string reason = "pictures are written as PNG, not " + std::string(name.format) + " (name the file .png)";
    EXPECT_EQ(pictureNameProblem(path.string()), reason);
    try {
      writePngFile(surface_, path.string());
      ADD_FAILURE() << name.name << " written";
    } catch (const Error& error) {
      EXPECT_EQ(std::string(error.what()), "cannot write " + path.string() + ": " + reason);
    }
  }
  EXPECT_TRUE(fs::is_empty(folder_));
  for (const char* name : {"x.png", "x.PNG", "x", "x.jpg.png", "x.jpgs", "pictures.jpg/x", ".jpg/x.png", "/dev/stdout"}) {
    EXPECT_EQ(pictureNameProblem(name), std::nullopt) << name;
  }
}

// Shapes that cross every band boundary, with soft edges, and their shadow
// cast 12 rows down.
void drawCircles(cairo_t* cr) {
  cairo_push_group(cr);
  cairo_set_source_rgb(cr, 0.2, 0.4, 0.8);
  for (int i = 0; i < 20; ++i) {
    cairo_arc(cr, 50 + 1.3 * i, 100.5 * i + 20, 45.25, 0, 6.3);
    cairo_fill(cr);
  }
  cairo_pattern_t* circles = cairo_pop_group(cr);
  cairo_save(cr);
  cairo_translate(cr, 0, 12);
  cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
  cairo_mask(cr, circles);
  cairo_restore(cr);
  cairo_set_source(cr, circles);
  cairo_paint(cr);
  cairo_pattern_destroy(circles);
  cairo_set_source_rgba(cr, 1, 0.5, 0, 0.5);
  cairo_set_line_width(cr, 3.5);
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 100, 2000);
  cairo_stroke(cr);
}

TEST_F(PngFileTest, AnOpaquePictureDrawnInBandsIsThePictureDrawnWhole) {
  constexpr int width = 100;
  constexpr int height = 2000;
  constexpr int margin = 12;
  const fs::path path = folder_ / "bands.png";
  std::vector<PixelRows> drawn;
  writeOpaquePngFile(path.string(), width, height, margin, [&drawn](cairo_t* cr, PixelRows rows) {
    drawn.push_back(rows);
    drawCircles(cr);
  });
  // Bands of at most a quarter of a megabyte with their margins, in order,
  // writing every row once; the margins stop at the picture's edges.
  ASSERT_GT(drawn.size(), 2u);
  int next = 0;
  for (const auto& rows : drawn) {
    EXPECT_EQ(rows.top, std::max(0, next - margin));
    EXPECT_LE(rows.count * width * 4, 256 * 1024);
    const int end = rows.top + rows.count;
    next = end == height ? height : end - margin;
  }
  EXPECT_EQ(drawn.front().top, 0);
  EXPECT_EQ(drawn.back().top + drawn.back().count, height);
  EXPECT_EQ(next, height);

  cairo_surface_t* whole = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  cairo_t* cr = cairo_create(whole);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  drawCircles(cr);
  cairo_destroy(cr);
  cairo_surface_t* written = cairo_image_surface_create_from_png(path.c_str());
  EXPECT_EQ(cairo_image_surface_get_format(written), CAIRO_FORMAT_RGB24);
  EXPECT_EQ(keyloom::testing::differingPixels(written, whole, 0x00FFFFFF), 0);
  cairo_surface_destroy(written);
  cairo_surface_destroy(whole);
}

TEST_F(PngFileTest, AFailureNamesThePathAndTheReason) {
  const std::string path = (folder_ / "missing" / "shot.png").string();
  const std::vector<std::function<void()>> writers = {
      [&] { writePngFile(surface_, path); },
      [&] { writeOpaquePngFile(path, 8, 4, 0, [](cairo_t*, PixelRows) {}); },
  };
  for (const auto& write : writers) {
    try {
      write();
      ADD_FAILURE() << "written";
    } catch (const Error& error) {
      EXPECT_EQ(std::string(error.what()), "cannot write " + path + ": No such file or directory");
    }
  }
}

TEST_F(PngFileTest, APictureWhoseDrawingFailsLeavesTheEarlierOneAndNothingBesideIt) {
  const fs::path path = folder_ / "shot.png";
  std::ofstream(path) << "earlier";
  EXPECT_THROW(writeOpaquePngFile(path.string(), 512, 1024, 0,
                                  [](cairo_t*, PixelRows rows) {
                                    if (rows.top > 0) throw std::runtime_error("no font");
                                  }),
               std::runtime_error);
  EXPECT_EQ(read(path), "earlier");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace platform::ui
