#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "platform/foundation/Error.h"
#include "platform/foundation/URL.h"

namespace platform::plugin {

// Why a watch face could not be added.
class WatchFaceLibraryError : public platform::Error {
 public:
  using platform::Error::Error;
  std::string localizedDescription() const { return description(); }
};

// The watch's library of faces. Adding a face takes a watch-face file (a ZIP
// archive) by file URL and copies it into the library folder, under a name not
// yet taken there, so an existing face is never overwritten.
//
// The work and the completion run later on a thread of their own, never on the
// caller's; the completion gets no error when the face was added.
class WatchFaceLibrary {
 public:
  using Completion = std::function<void(std::optional<WatchFaceLibraryError> error)>;

  void addWatchFace(const platform::URL& at, Completion completionHandler);

  // Where added faces go; read when a face is added. Process-wide, settable,
  // reset between tests. The default is a folder in the temporary directory.
  static std::filesystem::path libraryFolder();
  static void setLibraryFolder(std::filesystem::path folder);

  // The same work done on the calling thread: the copy's path, or an error.
  static std::filesystem::path addNow(const platform::URL& url, const std::filesystem::path& folder);
};

}  // namespace platform::plugin
