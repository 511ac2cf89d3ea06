#include "platform/plugin/WatchFaceLibrary.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <future>
#include <iterator>
#include <thread>

namespace platform::plugin {
namespace {

namespace fs = std::filesystem;

class WatchFaceLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "watch-face-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root = pattern;
    library = root / "library";
    WatchFaceLibrary::setLibraryFolder(library);
  }
  void TearDown() override { fs::remove_all(root); }

  fs::path write(const std::string& name, const std::string& content) {
    fs::path path = root / name;
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }

  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

  // The error the library reports for `url`, or "" on success.
  static std::string errorFor(const URL& url) {
    try {
      WatchFaceLibrary::addNow(url, WatchFaceLibrary::libraryFolder());
      return "";
    } catch (const WatchFaceLibraryError& error) {
      return error.localizedDescription();
    }
  }

  fs::path root;
  fs::path library;
};

const std::string zipStart = std::string("PK\x03\x04", 4);

TEST_F(WatchFaceLibraryTest, CopiesAZipFileIntoTheLibraryUnderAFreeName) {
  std::string content = zipStart + std::string(200000, 'z') + "end";
  fs::path face = write("face.watchface", content);
  EXPECT_EQ(errorFor(URL::fileURL(face)), "");
  EXPECT_EQ(read(library / "face.watchface"), content);

  write("face.watchface", zipStart + "second");
  EXPECT_EQ(errorFor(URL::fileURL(face)), "");
  EXPECT_EQ(read(library / "face.watchface"), content);
  EXPECT_EQ(read(library / "face 2.watchface"), zipStart + "second");
}

TEST_F(WatchFaceLibraryTest, RefusesWhatIsNotAReadableZipFileWithAClearDescription) {
  fs::path missing = root / "missing.watchface";
  fs::path text = write("text.watchface", "hello, this is no archive");
  fs::path shortFile = write("short.watchface", "PK");
  fs::path empty = write("empty.watchface", "");
  fs::create_directory(root / "folder.watchface");

  EXPECT_EQ(errorFor(URL::fileURL(missing)), "The watch face file \"" + missing.string() + "\" does not exist.");
  EXPECT_EQ(errorFor(URL::fileURL(text)),
            "The file \"" + text.string() + "\" is not a watch face: it is not a ZIP archive.");
  EXPECT_EQ(errorFor(URL::fileURL(shortFile)),
            "The file \"" + shortFile.string() + "\" is not a watch face: it is not a ZIP archive.");
  EXPECT_EQ(errorFor(URL::fileURL(empty)),
            "The file \"" + empty.string() + "\" is not a watch face: it is not a ZIP archive.");
  EXPECT_EQ(errorFor(URL::fileURL(root / "folder.watchface")),
            "\"" + (root / "folder.watchface").string() + "\" is not a watch face file.");
  EXPECT_EQ(errorFor(*URL::fromString("https://example.com/face.watchface")),
            "The address \"https://example.com/face.watchface\" is not a file URL.");
  // Decoded, the path would end at the NUL and name another file.
  write("a", zipStart);
  EXPECT_EQ(errorFor(*URL::fromString("file://" + root.string() + "/a%00.watchface")),
            "The watch face path contains a NUL character.");
  EXPECT_FALSE(fs::exists(library));
}

TEST_F(WatchFaceLibraryTest, ReportsAFileThatCannotBeRead) {
  // Reading the start of a process's own memory map fails with an I/O error.
  EXPECT_EQ(errorFor(URL::fileURL("/proc/self/mem")), "The watch face file \"/proc/self/mem\" can't be read.");
}

TEST_F(WatchFaceLibraryTest, ReportsAFileWithoutReadPermission) {
  if (geteuid() == 0) GTEST_SKIP() << "file permissions do not stop the superuser";
  fs::path locked = write("locked.watchface", zipStart);
  fs::permissions(locked, fs::perms::none);
  EXPECT_EQ(errorFor(URL::fileURL(locked)),
            "The watch face file \"" + locked.string() + "\" can't be read: Permission denied.");
}

TEST_F(WatchFaceLibraryTest, ReportsALibraryFolderThatCannotBeMade) {
  fs::path face = write("face.watchface", zipStart);
  write("blocker", "a file where the folder should be");
  WatchFaceLibrary::setLibraryFolder(root / "blocker" / "library");
  EXPECT_EQ(errorFor(URL::fileURL(face)).rfind("The watch face library folder \"" +
                                                    (root / "blocker" / "library").string() + "\" can't be created: ",
                                                0),
            0u);
}

TEST_F(WatchFaceLibraryTest, CompletesLaterOnAThreadOfItsOwn) {
  fs::path face = write("face.watchface", zipStart);
  struct Outcome {
    std::optional<WatchFaceLibraryError> error;
    std::thread::id thread;
  };
  auto add = [](const URL& url) {
    auto promise = std::make_shared<std::promise<Outcome>>();
    auto future = promise->get_future();
    WatchFaceLibrary().addWatchFace(url, [promise](std::optional<WatchFaceLibraryError> error) {
      promise->set_value({std::move(error), std::this_thread::get_id()});
    });
    EXPECT_EQ(future.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    return future.get();
  };

  Outcome added = add(URL::fileURL(face));
  EXPECT_FALSE(added.error.has_value());
  EXPECT_NE(added.thread, std::this_thread::get_id());
  EXPECT_TRUE(fs::exists(library / "face.watchface"));

  Outcome failed = add(URL::fileURL(root / "none.watchface"));
  ASSERT_TRUE(failed.error.has_value());
  EXPECT_EQ(failed.error->localizedDescription(),
            "The watch face file \"" + (root / "none.watchface").string() + "\" does not exist.");
  EXPECT_NE(failed.thread, std::this_thread::get_id());
}

}  // namespace
}  // namespace platform::plugin
