#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Geometry.h"

namespace platform::ui {

// An image as a value: a system symbol by name, an asset by name in a bundle,
// or decoded from encoded bytes. Symbols and assets are compared by name and
// never checked for existence; the renderer finds (or misses) their artwork.
class Image {
 public:
  enum class Source { system, asset, data };

  static Image system(std::string name);
  static Image asset(std::string name, std::string bundlePath = "");
  // PNG bytes. Bytes that do not decode (or would decode to an unreasonably
  // large picture) give an empty image: nothing is drawn and nothing fails.
  static Image fromData(std::vector<std::uint8_t> bytes);

  Source source() const { return source_; }
  const std::string& name() const { return name_; }
  const std::string& bundlePath() const { return bundlePath_; }
  // The encoded bytes of a decodable data image; empty otherwise.
  const std::vector<std::uint8_t>& data() const;
  // A data image that did not decode.
  bool isEmpty() const { return source_ == Source::data && !data_; }
  // The decoded picture's size in pixels (data images only).
  Size pixelSize() const { return pixelSize_; }

  std::string description() const;

  bool operator==(const Image& other) const;

 private:
  Source source_ = Source::system;
  std::string name_;
  std::string bundlePath_;
  std::shared_ptr<const std::vector<std::uint8_t>> data_;
  Size pixelSize_;
};

}  // namespace platform::ui
