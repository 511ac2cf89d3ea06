// End-to-end tests: they run the keyloom-previews program as a person would
// and read what it prints and writes.
#include <cairo.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "apps/keyloom-previews/PreviewGallery.h"
#include "testing/ProgramRunner.h"

namespace keyloom_previews {
namespace {

using ::testing::HasSubstr;

using keyloom::testing::ProgramRun;
using keyloom::testing::readFile;

// A fresh directory, removed with its contents at the end of the test.
struct TempDirectory {
  std::filesystem::path path;
  TempDirectory() {
    char pattern[] = "/tmp/keyloom-previews-test-XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) throw std::runtime_error("mkdtemp failed");
    path = made;
  }
  ~TempDirectory() { std::filesystem::remove_all(path); }
};

ProgramRun runPrograms(const std::vector<std::string>& arguments) {
  std::vector<std::string> argv{KEYLOOM_PREVIEWS_PROGRAM};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return keyloom::testing::runProgram(argv);
}

struct PngSize {
  int width = 0;
  int height = 0;
};

PngSize pngSize(const std::filesystem::path& path) {
  cairo_surface_t* image = cairo_image_surface_create_from_png(path.c_str());
  PngSize size;
  if (cairo_surface_status(image) == CAIRO_STATUS_SUCCESS) {
    size = {cairo_image_surface_get_width(image), cairo_image_surface_get_height(image)};
  }
  cairo_surface_destroy(image);
  return size;
}

TEST(GalleryProgram, ListNamesEveryPreviewOneALine) {
  const ProgramRun run = runPrograms({"--list"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  std::string expected;
  for (const auto& preview : galleryPreviews()) expected += preview.name + "\n";
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(runPrograms({"--list", "--only", "gesture-button"}).out, "gesture-button\n");
}

TEST(GalleryProgram, BadCommandLinesExitWithTwoAndSayWhy) {
  const struct {
    std::vector<std::string> arguments;
    std::string message;
  } cases[] = {
      {{}, "nothing to do"},
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"--out"}, "--out needs a value"},
      {{"--out", "x", "--scale", "0"}, "--scale: '0' is not a number"},
      {{"--list", "--only", "nope"}, "no preview named 'nope'"},
  };
  for (const auto& c : cases) {
    const ProgramRun run = runPrograms(c.arguments);
    EXPECT_EQ(run.exitCode, 2) << c.message;
    EXPECT_THAT(run.err, HasSubstr(c.message));
    EXPECT_THAT(run.err, HasSubstr("--help"));
    EXPECT_EQ(run.out, "");
  }
  const ProgramRun help = runPrograms({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_THAT(help.out, HasSubstr("--scale N"));
}

TEST(GalleryProgram, OnlyRendersOnePictureAtTheScaleAsked) {
  TempDirectory directory;
  const auto out = directory.path / "new" / "dir";
  const ProgramRun run =
      runPrograms({"--out", out.string(), "--only", "toggle-toolbar-slide-up", "--scale", "3"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const auto* preview = findGalleryPreview("toggle-toolbar-slide-up");
  const PngSize size = pngSize(out / "toggle-toolbar-slide-up.png");
  EXPECT_EQ(size.width, static_cast<int>(preview->size.width * 3));
  EXPECT_EQ(size.height, static_cast<int>(preview->size.height * 3));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(out), std::filesystem::directory_iterator()),
            1);
  EXPECT_THAT(run.out, HasSubstr("toggle-toolbar-slide-up.png 1170x600"));
}

TEST(GalleryProgram, OutRendersEveryPreviewWithoutMissingGlyphs) {
  TempDirectory directory;
  const ProgramRun run = runPrograms({"--out", directory.path.string(), "--scale=1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.err, "");
  for (const auto& preview : galleryPreviews()) {
    const PngSize size = pngSize(directory.path / (preview.name + ".png"));
    EXPECT_EQ(size.width, static_cast<int>(preview.size.width)) << preview.name;
  }
}

TEST(GalleryProgram, AnOutPathThatIsAFileFails) {
  TempDirectory directory;
  const auto file = directory.path / "file";
  std::ofstream(file) << "x";
  const ProgramRun run = runPrograms({"--out", file.string()});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_THAT(run.err, HasSubstr("cannot make the directory"));
}

TEST(GalleryProgram, APicturePastTheFileSizeLimitFailsCleanly) {
  TempDirectory directory;
  const auto picture = directory.path / "toggle-toolbar-slide-up.png";
  std::ofstream(picture) << "the earlier picture";
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // As under a shell's `ulimit -f`, which leaves SIGXFSZ at its default
    // action: the program must not be killed by it.
    std::signal(SIGXFSZ, SIG_DFL);
    const struct rlimit limit {4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const ProgramRun run = runPrograms({"--out", directory.path.string(), "--only", "toggle-toolbar-slide-up"});
    const bool asPromised = run.exitCode == 1 &&
                            run.err.find("cannot write " + picture.string() + ": File too large") != std::string::npos;
    ::_exit(asPromised ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "not exit 1 with the system's reason";
  EXPECT_EQ(readFile(picture), "the earlier picture");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.path), std::filesystem::directory_iterator()),
            1)
      << "a temporary was left behind";
}

}  // namespace
}  // namespace keyloom_previews
