#pragma once

#include <pango/pango.h>

#include <string>
#include <unordered_map>

namespace platform::ui {

// Texts shaped once and drawn again from their layouts while the text, its
// font and the scale it is drawn at stay the same: shaping a key's caption
// costs more than drawing it. Holds a bounded number, all forgotten at once.
class TextLayoutCache {
 public:
  static constexpr std::size_t maximumLayouts = 1024;

  TextLayoutCache() = default;
  ~TextLayoutCache();
  TextLayoutCache(const TextLayoutCache&) = delete;
  TextLayoutCache& operator=(const TextLayoutCache&) = delete;

  // The layout of `key`, or null; the cache keeps its reference.
  PangoLayout* find(const std::string& key) const;
  // Keeps a reference to `layout` under `key`.
  void store(std::string key, PangoLayout* layout);
  std::size_t size() const { return layouts_.size(); }

 private:
  void clear();

  std::unordered_map<std::string, PangoLayout*> layouts_;
};

}  // namespace platform::ui
