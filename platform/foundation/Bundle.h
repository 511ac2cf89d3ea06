#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/URL.h"

namespace platform {

// A directory of resources. Bundles here are flat: the resources sit in the
// bundle's own directory, and language folders are "<language>.lproj" in it.
class Bundle {
 public:
  explicit Bundle(std::filesystem::path bundlePath);

  // Absent when the path is not a directory.
  static std::optional<Bundle> atPath(const std::filesystem::path& path);
  static std::optional<Bundle> atURL(const URL& url);

  // The bundle of the running program: the directory of its executable, unless
  // set otherwise (tests point it at a temporary directory).
  static Bundle& main();
  static void setMainBundlePath(std::filesystem::path path);

  // The bundle that holds the library's code. Libraries are linked into the
  // executable, so this is the main bundle's directory unless set otherwise.
  static Bundle& libraryCode();
  static void setLibraryCodeBundlePath(std::filesystem::path path);

  // The language whose folder backs up every lookup.
  static constexpr std::string_view developmentLocalization = "en";

  const std::filesystem::path& bundlePath() const { return bundlePath_; }
  std::filesystem::path resourcePath() const { return bundlePath_; }
  URL bundleURL() const { return URL::fileURL(bundlePath_); }
  URL resourceURL() const { return URL::fileURL(resourcePath()); }

  // The path of the file or folder "name.type" ("name" when the type is
  // empty) in the resource directory, then in the development language's
  // folder, then in "Base.lproj". Absent when there is none, and for a name or
  // type that is empty (name only), contains "/", ".." or NUL, or that leads
  // outside the bundle through a link.
  std::optional<std::filesystem::path> pathForResource(std::string_view name, std::string_view type) const;
  std::optional<URL> urlForResource(std::string_view name, std::string_view type) const;

  // The text for a key in the string table "<table>.strings" ("Localizable"
  // for the empty table), searched in the development language's folder, then
  // "Base.lproj", then the resource directory. A missing key gives the value
  // when it is not empty, otherwise the key.
  std::string localizedString(std::string_view key, std::string_view value = "",
                              std::string_view table = "") const;

  bool operator==(const Bundle& other) const { return bundlePath_ == other.bundlePath_; }

 private:
  std::filesystem::path bundlePath_;
};

}  // namespace platform
