#pragma once

#include <ostream>
#include <string>

namespace keyloom {

// A key image as data: it names a system symbol or an image asset and where
// the asset lives. Nothing is loaded or drawn here; the renderer resolves the
// name when it draws the key.
class KeyboardImage {
 public:
  enum class Source {
    systemSymbol,  // a named symbol of the platform ("delete.left")
    mainBundle,    // an asset of the application's main bundle
    libraryBundle  // an asset of the library's resource bundle
  };

  static KeyboardImage systemSymbol(std::string name) { return {Source::systemSymbol, std::move(name)}; }
  static KeyboardImage mainBundleAsset(std::string name) { return {Source::mainBundle, std::move(name)}; }
  static KeyboardImage libraryAsset(std::string name) { return {Source::libraryBundle, std::move(name)}; }

  Source source() const { return source_; }
  const std::string& name() const { return name_; }

  // Two images are the same picture when they name the same thing in the same place.
  bool operator==(const KeyboardImage&) const = default;

 private:
  KeyboardImage(Source source, std::string name) : source_(source), name_(std::move(name)) {}

  Source source_;
  std::string name_;
};

std::ostream& operator<<(std::ostream& out, const KeyboardImage& image);

}  // namespace keyloom
