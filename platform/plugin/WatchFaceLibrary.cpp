#include "platform/plugin/WatchFaceLibrary.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>
#include <thread>

#include "platform/foundation/ProcessState.h"

namespace platform::plugin {

namespace fs = std::filesystem;

namespace {

constexpr std::array<unsigned char, 4> zipSignature = {'P', 'K', 3, 4};
constexpr int maxNameAttempts = 1000;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

fs::path defaultLibraryFolder() {
  std::error_code error;
  fs::path temporary = fs::temp_directory_path(error);
  if (error) temporary = "/tmp";
  return temporary / "watch-face-library";
}

fs::path& folderSetting() {
  static fs::path* folder = [] {
    auto* value = new fs::path(defaultLibraryFolder());
    registerProcessReset([value] { *value = defaultLibraryFolder(); });
    return value;
  }();
  return *folder;
}

std::string inQuotes(const fs::path& path) { return "\"" + path.string() + "\""; }

[[noreturn]] void fail(const std::string& description) { throw WatchFaceLibraryError(description); }

// Opens a new file in `folder` named like `name`, adding " 2", " 3", ... before
// the extension while the name is taken. Exclusive creation, so a file that
// appears meanwhile is never overwritten.
std::pair<File, fs::path> createUniqueFile(const fs::path& folder, const fs::path& name) {
  for (int attempt = 1; attempt <= maxNameAttempts; ++attempt) {
    fs::path candidate = folder / name;
    if (attempt > 1) {
      candidate = folder / (name.stem().string() + " " + std::to_string(attempt) + name.extension().string());
    }
    errno = 0;
    File file(std::fopen(candidate.c_str(), "wbx"));
    if (file) return {std::move(file), candidate};
    if (errno != EEXIST) {
      fail("The watch face can't be saved as " + inQuotes(candidate) + ": " + std::strerror(errno) + ".");
    }
  }
  fail("The watch face library " + inQuotes(folder) + " already holds too many faces named " + inQuotes(name) +
       ".");
}

}  // namespace

fs::path WatchFaceLibrary::libraryFolder() { return folderSetting(); }

void WatchFaceLibrary::setLibraryFolder(fs::path folder) { folderSetting() = std::move(folder); }

void WatchFaceLibrary::addWatchFace(const platform::URL& at, Completion completionHandler) {
  fs::path folder = libraryFolder();
  std::thread([url = at, folder = std::move(folder), completion = std::move(completionHandler)] {
    std::optional<WatchFaceLibraryError> error;
    try {
      addNow(url, folder);
    } catch (const WatchFaceLibraryError& failure) {
      error = failure;
    } catch (const std::exception& failure) {
      error = WatchFaceLibraryError(std::string("The watch face could not be added: ") + failure.what());
    }
    if (completion) completion(std::move(error));
  }).detach();
}

fs::path WatchFaceLibrary::addNow(const platform::URL& url, const fs::path& folder) {
  if (!url.isFileURL()) fail("The address " + inQuotes(url.absoluteString()) + " is not a file URL.");
  std::string pathText = url.path();
  // The C library would stop at a NUL and open a different file.
  if (pathText.find('\0') != std::string::npos) fail("The watch face path contains a NUL character.");
  fs::path source(pathText);

  std::error_code statusError;
  fs::file_status status = fs::status(source, statusError);
  if (status.type() == fs::file_type::not_found) fail("The watch face file " + inQuotes(source) + " does not exist.");
  if (statusError) fail("The watch face file " + inQuotes(source) + " can't be read: " + statusError.message() + ".");
  if (status.type() != fs::file_type::regular) fail(inQuotes(source) + " is not a watch face file.");

  errno = 0;
  File input(std::fopen(source.c_str(), "rb"));
  if (!input) fail("The watch face file " + inQuotes(source) + " can't be read: " + std::strerror(errno) + ".");

  std::array<unsigned char, 64 * 1024> buffer{};
  std::size_t count = std::fread(buffer.data(), 1, buffer.size(), input.get());
  if (std::ferror(input.get())) fail("The watch face file " + inQuotes(source) + " can't be read.");
  if (count < zipSignature.size() || std::memcmp(buffer.data(), zipSignature.data(), zipSignature.size()) != 0) {
    fail("The file " + inQuotes(source) + " is not a watch face: it is not a ZIP archive.");
  }

  std::error_code folderError;
  fs::create_directories(folder, folderError);
  if (folderError) {
    fail("The watch face library folder " + inQuotes(folder) + " can't be created: " + folderError.message() +
         ".");
  }
  auto [output, destination] = createUniqueFile(folder, source.filename());
  bool copied = true;
  while (count > 0) {
    if (std::fwrite(buffer.data(), 1, count, output.get()) != count) {
      copied = false;
      break;
    }
    count = std::fread(buffer.data(), 1, buffer.size(), input.get());
  }
  copied = copied && !std::ferror(input.get());
  copied = std::fclose(output.release()) == 0 && copied;
  if (!copied) {
    std::error_code ignored;
    fs::remove(destination, ignored);
    fail("The watch face file " + inQuotes(source) + " could not be copied into the library.");
  }
  return destination;
}

}  // namespace platform::plugin
