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

const PictureCache::Picture* PictureCache::store(std::string key, Picture picture) {
  if (entries_.size() >= capacity) {
    auto oldest = std::min_element(entries_.begin(), entries_.end(),
                                   [](const Entry& a, const Entry& b) { return a.lastUse < b.lastUse; });
    cairo_surface_destroy(oldest->picture.surface);
    entries_.erase(oldest);
  }
  entries_.push_back({std::move(key), picture, ++clock_});
  return &entries_.back().picture;
}

}  // namespace platform::ui
