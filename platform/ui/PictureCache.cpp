#include "platform/ui/PictureCache.h"

#include <algorithm>

namespace platform::ui {

PictureCache::~PictureCache() {
  for (auto& entry : entries_) cairo_surface_destroy(entry.picture.surface);
}

const PictureCache::Picture* PictureCache::find(const std::string& key) {
  for (auto& entry : entries_) {
    if (entry.key == key) {
      entry.lastUse = ++clock_;
      return &entry.picture;
    }
  }
  return nullptr;
}

namespace {
std::size_t bytesOf(cairo_surface_t* surface) {
  return static_cast<std::size_t>(cairo_image_surface_get_stride(surface)) *
         static_cast<std::size_t>(cairo_image_surface_get_height(surface));
}
}  // namespace

const PictureCache::Picture* PictureCache::store(std::string key, Picture picture) {
  const std::size_t bytes = bytesOf(picture.surface);
  while (!entries_.empty() && bytes_ + bytes > budgetBytes_) {
    auto oldest = std::min_element(entries_.begin(), entries_.end(),
                                   [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    bytes_ -= bytesOf(oldest->picture.surface);
    cairo_surface_destroy(oldest->picture.surface);
    entries_.erase(oldest);
  }
  bytes_ += bytes;
  entries_.push_back({std::move(key), picture, ++clock_});
  return &entries_.back().picture;
}

}  // namespace platform::ui
