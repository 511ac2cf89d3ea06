#pragma once

#include <cairo.h>

#include <cstddef>
#include <string>
#include <vector>

namespace platform::ui {

// Pictures drawn once and painted again while what they show stays the same:
// a callout with its shadows, a key with its masked shadow, found by the key
// of their drawing (DrawingKey) at one place, scale and clip. Holds small
// ones up to a budget of bytes, forgetting the least recently used.
class PictureCache {
 public:
  struct Picture {
    cairo_surface_t* surface = nullptr;
    // Where its top left pixel goes, in device pixels.
    int x = 0;
    int y = 0;
    // Missing-glyph boxes drawn into it.
    int unknownGlyphs = 0;
    // Names of the system symbols it has no character for.
    std::vector<std::string> unknownSymbols;
  };

  // Pictures larger than this many pixels are not kept.
  static constexpr int maximumPixels = 512 * 512;
  // The budget unless one is given.
  static constexpr std::size_t maximumBytes = 4 << 20;

  explicit PictureCache(std::size_t budgetBytes = maximumBytes) : budgetBytes_(budgetBytes) {}
  ~PictureCache();
  PictureCache(const PictureCache&) = delete;
  PictureCache& operator=(const PictureCache&) = delete;

  // The picture of `key`, or null.
  const Picture* find(const std::string& key);
  // Keeps `picture` (taking its surface) under `key`.
  const Picture* store(std::string key, Picture picture);
  std::size_t size() const { return entries_.size(); }
  std::size_t bytes() const { return bytes_; }

 private:
  struct Entry {
    std::string key;
    Picture picture;
    std::size_t lastUse = 0;
  };
  std::vector<Entry> entries_;
  std::size_t budgetBytes_;
  std::size_t clock_ = 0;
  std::size_t bytes_ = 0;
};

}  // namespace platform::ui
