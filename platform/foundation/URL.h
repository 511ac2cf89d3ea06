#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A URL kept as its absolute string. Only strings made of characters that a
// URL may contain (unreserved, reserved and well-formed percent escapes) are
// accepted, so a URL never carries spaces, controls or raw non-ASCII text.
class URL {
 public:
  // Absent for the empty string or for any character a URL may not contain.
  static std::optional<URL> fromString(std::string_view string);

  // An absolute file URL for a path ("file:///tmp/a%20b.watchface"). A relative
  // path is resolved against the current directory; an existing directory (or a
  // path ending in "/") gets a trailing slash.
  static URL fileURL(const std::filesystem::path& path);

  const std::string& absoluteString() const { return string_; }

  // The scheme as written ("https", "file", "app-settings"), absent for a
  // relative reference.
  std::optional<std::string> scheme() const;
  // The percent-decoded path, without a trailing slash unless it is "/".
  std::string path() const;
  // The path as written, still percent-encoded.
  std::string percentEncodedPath() const;
  std::optional<std::string> host() const;
  std::optional<std::string> query() const;
  std::optional<std::string> fragment() const;
  bool isFileURL() const;

  // The last component of the decoded path ("a b.watchface"); "/" for the root.
  std::string lastPathComponent() const;
  // Path editing keeps the scheme, authority, query and fragment.
  URL appendingPathComponent(std::string_view component) const;
  URL deletingLastPathComponent() const;

  bool operator==(const URL&) const = default;

 private:
  explicit URL(std::string string) : string_(std::move(string)) {}

  std::string string_;
};

// The string of the URL that opens the system settings of the running app.
std::string settingsURLString();

// Percent-encodes every byte that is not allowed unescaped in a URL path.
std::string percentEncodePath(std::string_view path);
// Decodes %XX escapes; malformed escapes are kept as written.
std::string percentDecode(std::string_view text);

}  // namespace platform
