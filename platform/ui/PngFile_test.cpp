#include "platform/ui/PngFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "platform/foundation/Error.h"

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

TEST_F(PngFileTest, APipeIsWrittenToInPlace) {
  const fs::path path = folder_ / "pipe";
  ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
  std::string received;
  std::thread reader([&] { received = read(path); });
  writePngFile(surface_, path.string());
  reader.join();
  EXPECT_EQ(received.substr(1, 3), "PNG");
  EXPECT_TRUE(fs::is_fifo(path));
}

TEST_F(PngFileTest, AFailureNamesThePathAndTheReason) {
  const std::string path = (folder_ / "missing" / "shot.png").string();
  try {
    writePngFile(surface_, path);
    FAIL() << "written";
  } catch (const Error& error) {
    EXPECT_EQ(std::string(error.what()), "cannot write " + path + ": No such file or directory");
  }
}

}  // namespace
}  // namespace platform::ui
